#include "screens/BrowseView/BrowseViewController.h"

#include "core/Analytics.h"
#include "core/AlertPresenter.h"
#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/TextFormat.h"
#include "core/UserDefaults.h"
#include "models/FolderModel.h"
#include "screens/Cells/BrowseCell.h"
#include "screens/Common/RotationLock.h"
#include "screens/Common/TextSizeZoom.h"
#include "skin/TitleView.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/ImageView.h"
#include "ui/InterfaceHelpers.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/StylingHelpers.h"
#include "ui/UiImages.h"
#include "vlc/VLCController.h"

#include "ui_BrowseView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

namespace {
const QString cellId = QStringLiteral("BrowseCell_ID");
const QString analyticsName = QStringLiteral("browse view");
constexpr int noticeMs = 4000;
constexpr int addedNoticeMs = 2000;
constexpr int playButtonSize = 40;

bool isEditingText(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) && !static_cast<const QLineEdit*>(widget)->isReadOnly();
}
}

BrowseViewController::BrowseViewController(const AppContext& context, QWidget* parent)
    : ViewController(parent)
    , m_context(context)
    , m_folder(new FolderModel(context.defaults, this))
{
    // Every listing, a new folder or the same one read again.
    connect(m_folder, &FolderModel::modelReset, this, &BrowseViewController::browseListUpdated);
    connect(m_folder, &FolderModel::folderRefused, this, &BrowseViewController::folderRefused);
    connect(m_folder, &FolderModel::driveSearchFinished, this, &BrowseViewController::showDriveSearchOutcome);
    m_updateStatusTimer.setInterval(statusIntervalMs);
    connect(&m_updateStatusTimer, &QTimer::timeout, this, &BrowseViewController::updateUI);
    m_noticeTimer.setSingleShot(true);
    m_noticeTimer.setInterval(noticeMs);
    connect(&m_noticeTimer, &QTimer::timeout, this, [this] {
        if (m_ui)
            m_ui->folderNotice->hide();
    });
    m_addedTimer.setSingleShot(true);
    m_addedTimer.setInterval(addedNoticeMs);
    connect(&m_addedTimer, &QTimer::timeout, this, [this] {
        if (m_ui)
            m_ui->addedNotice->hide();
    });
}

BrowseViewController::~BrowseViewController()
{
    qApp->removeEventFilter(this);
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
}

void BrowseViewController::setCurrentRemote(const std::shared_ptr<VLCController>& remote)
{
    m_currentRemote = remote;
    m_folder->setRemote(remote);
    if (m_tableView)
        m_tableView->reloadData();
    showTitle();
}

int BrowseViewController::fontSize() const
{
    return m_textSize ? m_textSize->fontSize() : TextSizeZoom::startingSize;
}

bool BrowseViewController::folderNoticeShown() const
{
    return m_ui && !m_ui->folderNotice->isHidden();
}

QString BrowseViewController::addedNoticeShown() const
{
    return m_ui && !m_ui->addedNotice->isHidden() ? m_ui->addedNotice->text() : QString();
}

QString BrowseViewController::shownFolder() const
{
    return m_currentRemote ? FolderModel::shownFolder(*m_currentRemote) : QString();
}

// --- Life cycle -------------------------------------------------------------

void BrowseViewController::viewDidLoad()
{
    m_ui = std::make_unique<Ui::BrowseView>();
    m_ui->setupUi(this);
    m_ui->folderNotice->setText(localizedString("Can't open this folder"));
    m_ui->folderNotice->hide();
    m_ui->addedNotice->hide();

    m_tableView = new TableView(TableView::StylePlain, this);
    m_tableView->setRowHeight(TableView::defaultRowHeight);
    m_tableView->setDataSource(this);
    m_tableView->setDelegate(this);
    m_ui->browseLayout->addWidget(m_tableView, 1);
    m_textSize = TextSizeZoom::forTable(m_tableView, this);

    m_titleView = new TitleView(interfaceOrientation(), this);
    m_titleView->hide();
    m_titleView->topLabel()->setText(localizedString("Browse"));
    // A long path keeps its start and the folder's own name.
    m_titleView->bottomLabel()->setElideMode(Qt::ElideMiddle);
    navigationItem()->setTitleView(m_titleView);

    auto* full = new BarButtonItem(QIcon(QStringLiteral(":/images/fullscreen.png")), BarButtonItem::Bordered, this);
    full->setToolTip(localizedString("Full screen"));
    connect(full, &BarButtonItem::triggered, this, &BrowseViewController::fullScreen);
    navigationItem()->setRightBarButtonItem(full);
    m_toolbar = makeToolbarItems();
    setToolbarItems(m_toolbar);
    m_tableView->reloadData();
}

QList<BarButtonItem*> BrowseViewController::makeToolbarItems()
{
    auto item = [this](const char* image, const char* name, const QString& toolTip,
                       void (BrowseViewController::*action)()) {
        auto* button = new BarButtonItem(QIcon(UiImages::named(QString::fromLatin1(image))), BarButtonItem::Bordered, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setTitle(QString());
        button->setToolTip(toolTip);
        connect(button, &BarButtonItem::triggered, this, action);
        return button;
    };
    auto space = [this] { return BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this); };
    m_modeButton = makeModeButton();
    return { item("home.png", "home", localizedString("Home folder"), &BrowseViewController::homeDirectory), space(),
             item("up.png", "up", localizedString("Up one folder"), &BrowseViewController::upDirectory), space(),
             item("drives.png", "drives", localizedString("Drives"), &BrowseViewController::openDrives), space(),
             item("defaultFolder.png", "defaultFolder", localizedString("Make this the default folder"),
                  &BrowseViewController::setDefaultDirectory),
             space(), m_modeButton };
}

BarButtonItem* BrowseViewController::makeModeButton()
{
    // The button shows the mode a tap switches to.
    const bool adding = m_folder->adds();
    auto* button = new BarButtonItem(QIcon(UiImages::named(adding ? QStringLiteral("Mode-Play.png")
                                                                   : QStringLiteral("Mode-Add.png"))),
                                     BarButtonItem::Bordered, this);
    button->setObjectName(adding ? QStringLiteral("modePlay") : QStringLiteral("modeAdd"));
    button->setToolTip(adding ? localizedString("Play files at once") : localizedString("Add files to the playlist"));
    connect(button, &BarButtonItem::triggered, this, &BrowseViewController::setAddPlay);
    return button;
}

void BrowseViewController::viewDidAppear(bool)
{
    // Another remote may have another mode.
    if (m_modeButton && m_currentRemote
        && (m_modeButton->objectName() == u"modePlay") != m_folder->adds()) {
        BarButtonItem* old = m_modeButton;
        m_modeButton = makeModeButton();
        m_toolbar.replace(m_toolbar.indexOf(old), m_modeButton);
        setToolbarItems(m_toolbar);
        old->deleteLater();
    }
    m_tableView->reloadData();
    Analytics::viewEntered(m_context.defaults, analyticsName);
    m_updateStatusTimer.start();
    showTitle();
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    m_tableView->setFocus();
}

void BrowseViewController::viewDidDisappear(bool)
{
    Analytics::viewLeft(m_context.defaults, analyticsName);
    m_updateStatusTimer.stop();
    m_noticeTimer.stop();
    m_ui->folderNotice->hide();
    m_addedTimer.stop();
    m_ui->addedNotice->hide();
    qApp->removeEventFilter(this);
}

bool BrowseViewController::shouldAutorotateToInterfaceOrientation(int orientation) const
{
    return Orientation::allowedByRotationLock(orientation, lockedRotation(m_context.defaults));
}

void BrowseViewController::didRotateFromInterfaceOrientation(int)
{
    if (m_tableView)
        m_tableView->reloadData();
}

// --- Updates ------------------------------------------------------------------

void BrowseViewController::updateUI()
{
    if (m_currentRemote)
        m_currentRemote->updateStatus();
}

void BrowseViewController::browseListUpdated()
{
    m_noticeTimer.stop();
    if (m_ui)
        m_ui->folderNotice->hide();
    if (m_tableView) {
        m_tableView->reloadData();
        m_tableView->setContentOffset(QPoint(0, 0));
        // The keyboard starts again at the top of the new folder.
        const IndexPath top(0, 0);
        m_tableView->selectRowAtIndexPath(top, false);
        m_tableView->deselectRowAtIndexPath(top, false);
    }
    showTitle();
}

void BrowseViewController::showTitle()
{
    if (m_titleView)
        m_titleView->bottomLabel()->setText(shownFolder());
}

void BrowseViewController::folderRefused()
{
    if (!m_ui)
        return;
    // The listing shown, and the folder it is of, stay as they were.
    m_ui->folderNotice->show();
    m_noticeTimer.start();
}

void BrowseViewController::showDriveSearchOutcome(bool found)
{
    if (!found && isVisibleOnStack())
        m_context.alerts.present(FolderModel::drivesNotFoundNotice());
}

// --- Actions --------------------------------------------------------------------

void BrowseViewController::setAddPlay(BarButtonItem* item)
{
    if (!m_currentRemote)
        return;
    m_folder->setAdds(!m_folder->adds());
    m_tableView->reloadData();
    const qsizetype at = m_toolbar.indexOf(item ? item : m_modeButton);
    if (at >= 0)
        m_toolbar.removeAt(at);
    BarButtonItem* old = m_modeButton;
    m_modeButton = makeModeButton();
    m_toolbar.append(m_modeButton);
    setToolbarItems(m_toolbar);
    if (old)
        old->deleteLater();
}

void BrowseViewController::homeDirectory()
{
    m_folder->home();
}

void BrowseViewController::upDirectory()
{
    m_folder->up();
}

void BrowseViewController::openDrives()
{
    m_folder->openDrives();
}

void BrowseViewController::setDefaultDirectory()
{
    if (!m_currentRemote)
        return;
    AlertRequest sheet;
    sheet.actionSheet = true;
    sheet.buttons = { localizedString("Ok") };
    sheet.title = m_folder->makeDefaultFolder()
        ? localizedString("The first time you press 'browse' will open this directory when you launch PlayerLink in "
                          "future.")
        : localizedString("You can only set the default browsing directory for saved remotes.\n\nTo create a saved "
                          "remote, simply tap on 'add computer' in the startup screen.");
    m_context.alerts.present(sheet);
}

void BrowseViewController::fullScreen()
{
    if (m_currentRemote)
        m_currentRemote->fullScreen();
}

void BrowseViewController::playItem(ImageButton* button)
{
    if (!button)
        return;
    playRow(button->property("row").toInt());
    // A short swell says the tap was taken.
    auto* swell = new QSequentialAnimationGroup(button);
    auto* grow = new QPropertyAnimation(button, "contentScale");
    grow->setDuration(250);
    grow->setStartValue(1.0);
    grow->setEndValue(2.5);
    auto* shrink = new QPropertyAnimation(button, "contentScale");
    shrink->setDuration(250);
    shrink->setEndValue(1.0);
    swell->addAnimation(grow);
    swell->addAnimation(shrink);
    swell->start(QAbstractAnimation::DeleteWhenStopped);
}

void BrowseViewController::playRow(int row)
{
    const QModelIndex index = m_folder->index(row);
    if (!index.isValid())
        return;
    const bool adding = m_folder->adds();
    m_folder->play(row);
    if (adding && m_ui) {
        const QString name = index.data(FolderModel::NameRole).toString();
        m_ui->addedNotice->setText(fmt(localizedString("Added to the playlist: %@"),
                                       name.isEmpty() ? index.data(FolderModel::PathRole).toString() : name));
        m_ui->addedNotice->show();
        m_addedTimer.start();
    }
}

void BrowseViewController::openRow(int row)
{
    const QModelIndex index = m_folder->index(row);
    if (!index.isValid())
        return;
    m_noticeTimer.stop();
    m_ui->folderNotice->hide();
    if (index.data(FolderModel::FileTypeRole).toString() == u"directory")
        m_folder->open(row);
    else
        playRow(row);
}

void BrowseViewController::jumpToIndexTitle(const QString& title)
{
    if (!m_currentRemote || !m_tableView)
        return;
    ConsoleLog::log(QStringLiteral("selected index %@"), title);
    const int row = m_folder->rowForIndexTitle(title);
    if (row >= 0)
        m_tableView->selectRowAtIndexPath(IndexPath(0, row), true, TableView::ScrollPositionTop);
}

// --- Cells ------------------------------------------------------------------------

QWidget* BrowseViewController::createFileIcon(const QString& fileType)
{
    QString image = QStringLiteral("unknown.png");
    if (fileType == u"directory")
        image = QStringLiteral("folder.png");
    else if (fileType == u"music")
        image = QStringLiteral("music.png");
    else if (fileType == u"video")
        image = QStringLiteral("movie.png");
    else if (fileType == u"playlist")
        image = QStringLiteral("playlist.png");
    auto* icon = new QLabel;
    icon->setPixmap(UiImages::named(image));
    icon->setScaledContents(true);
    icon->setObjectName(image);
    icon->resize(25, 25);
    return icon;
}

ImageButton* BrowseViewController::createPlayButton(int row)
{
    auto* button = new ImageButton;
    const bool adding = m_folder->adds();
    const QString image = adding ? QStringLiteral("Add.png") : QStringLiteral("Play.png");
    button->setImage(ImageButton::Normal, UiImages::named(image));
    button->setObjectName(image);
    button->setProperty("row", row);
    button->setFocusPolicy(Qt::NoFocus);
    button->resize(playButtonSize, playButtonSize);
    button->setAccessibleName(adding ? localizedString("Add") : localizedString("Play"));
    connect(button, &ImageButton::clicked, this, [this, button] { playItem(button); });
    return button;
}

int BrowseViewController::numberOfRowsInSection(TableView*, int)
{
    return m_folder->rowCount();
}

TableViewCell* BrowseViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    auto* cell = qobject_cast<BrowseCell*>(table->dequeueReusableCellWithIdentifier(cellId));
    if (!cell) {
        cell = new BrowseCell(cellId);
        StylingHelpers::setVLCBackground(cell);
    }
    const QModelIndex index = m_folder->index(indexPath.row());
    QFont font = cell->textLabel()->font();
    font.setBold(true);
    font.setPointSize(fontSize());
    cell->textLabel()->setFont(font);
    cell->setTitle(index.data(FolderModel::NameRole).toString());
    cell->setLeftView(createFileIcon(index.data(FolderModel::FileTypeRole).toString()));
    cell->setView(index.data(FolderModel::PlayableRole).toBool() ? createPlayButton(indexPath.row()) : nullptr);
    return cell;
}

QStringList BrowseViewController::sectionIndexTitlesForTableView(TableView*)
{
    return m_folder->indexTitles();
}

int BrowseViewController::sectionForSectionIndexTitle(TableView*, const QString& title, int)
{
    jumpToIndexTitle(title);
    return -1; // only the selection scrolls
}

void BrowseViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    openRow(indexPath.row());
    table->deselectRowAtIndexPath(indexPath, true);
}

// --- Keys -------------------------------------------------------------------------

bool BrowseViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || !isVisibleOnStack() || !isVisible() || target->window() != window() || isEditingText(target))
        return false;
    for (AlertView* alert : AlertView::visibleAlerts())
        if (alert->window() == window())
            return false;
    return handleKey(static_cast<QKeyEvent*>(event), target);
}

bool BrowseViewController::handleKey(const QKeyEvent* event, const QWidget* target)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (m_textSize && m_textSize->handleKey(key, mods))
        return true;
    if (key == Qt::Key_Backspace || (key == Qt::Key_Up && mods == Qt::AltModifier)) {
        upDirectory();
        return true;
    }
    if (mods == Qt::NoModifier && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        // The list's own keys, wherever the focus is, but Enter on a
        // button reached by Tab presses the button.
        if (target == m_tableView || InterfaceHelpers::pressesFocusedButton(target, event))
            return false;
        QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_tableView, &copy);
        return true;
    }
    return typeAhead(event->text(), mods);
}

bool BrowseViewController::typeAhead(const QString& text, Qt::KeyboardModifiers modifiers)
{
    const std::optional<int> row = m_typeAhead.rowFor(text, modifiers, *m_folder, m_context.clock.now());
    if (!row)
        return false;
    if (*row >= 0 && m_tableView && m_currentRemote)
        m_tableView->selectRowAtIndexPath(IndexPath(0, *row), true, TableView::ScrollPositionTop);
    return true;
}
