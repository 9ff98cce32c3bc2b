#include "screens/PlaylistView/PlaylistViewController.h"

#include "core/Analytics.h"
#include "core/AlertPresenter.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "screens/Common/LastPathComponent.h"
#include "screens/Common/RotationLock.h"
#include "skin/TitleView.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/DisplayCell.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/InterfaceHelpers.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/StylingHelpers.h"
#include "ui/TextSizeZoom.h"
#include "ui/UiImages.h"
#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"

#include "ui_PlaylistView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
const QString cellId = QStringLiteral("DisplayCell_ID");
const QString analyticsName = QStringLiteral("playlist view");
constexpr int removeButtonSize = 40;
constexpr int emptyOkButton = 0;

bool isEditingText(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) && !static_cast<const QLineEdit*>(widget)->isReadOnly();
}
}

PlaylistViewController::PlaylistViewController(QWidget* parent)
    : ViewController(parent)
{
    m_updateStatusTimer.setInterval(playlistIntervalMs);
    connect(&m_updateStatusTimer, &QTimer::timeout, this, &PlaylistViewController::updateUI);
}

PlaylistViewController::~PlaylistViewController()
{
    qApp->removeEventFilter(this);
    NotificationCenter::defaultCenter().removeObserver(this);
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
}

void PlaylistViewController::setCurrentRemote(const std::shared_ptr<VLCController>& remote)
{
    m_currentRemote = remote;
    if (m_tableView) {
        m_tableView->reloadData();
        statusUpdated();
    }
}

int PlaylistViewController::fontSize() const
{
    return m_textSize ? m_textSize->fontSize() : TextSizeZoom::startingSize;
}

bool PlaylistViewController::showsRemoveButtons() const
{
    // The older Lua interface could not delete items; VLC 3's can.
    return m_currentRemote && (!m_currentRemote->luaMode() || m_currentRemote->dialect().isModern());
}

// --- Life cycle -------------------------------------------------------------

void PlaylistViewController::viewDidLoad()
{
    m_ui = std::make_unique<Ui::PlaylistView>();
    m_ui->setupUi(this);
    m_tableView = new TableView(TableView::StylePlain, this);
    m_tableView->setRowHeight(TableView::defaultRowHeight);
    m_tableView->setDataSource(this);
    m_tableView->setDelegate(this);
    m_ui->playlistLayout->addWidget(m_tableView, 1);
    m_textSize = TextSizeZoom::forTable(m_tableView, this);

    m_titleView = new TitleView(interfaceOrientation(), this);
    m_titleView->hide();
    m_titleView->topLabel()->setText(localizedString("Playlist"));
    navigationItem()->setTitleView(m_titleView);

    auto& center = NotificationCenter::defaultCenter();
    center.addObserver(this, NotificationNames::vlcStatusChanged, [this](const Notification& n) {
        if (m_currentRemote && n.object == m_currentRemote.get())
            statusUpdated();
    });
    center.addObserver(this, NotificationNames::vlcPlayListChanged, [this](const Notification& n) {
        if (m_currentRemote && n.object == m_currentRemote.get())
            playlistUpdated();
    });

    auto* full = new BarButtonItem(QIcon(QStringLiteral(":/images/fullscreen.png")), BarButtonItem::Bordered, this);
    connect(full, &BarButtonItem::triggered, this, &PlaylistViewController::fullScreen);
    navigationItem()->setRightBarButtonItem(full);

    m_emptyButton = new BarButtonItem(QIcon(UiImages::named(QStringLiteral("Empty.png"))), BarButtonItem::Bordered, this);
    m_emptyButton->setObjectName(QStringLiteral("empty"));
    connect(m_emptyButton, &BarButtonItem::triggered, this, &PlaylistViewController::empty);
    m_loopButton = makeModeButton("Loop", &PlaylistViewController::loop);
    m_repeatButton = makeModeButton("Repeat", &PlaylistViewController::repeat);
    m_randomButton = makeModeButton("Random", &PlaylistViewController::random);
    auto space = [this] { return BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this); };
    m_toolbar = { m_emptyButton, space(), m_loopButton, space(), m_repeatButton, space(), m_randomButton };
    setToolbarItems(m_toolbar);
    statusUpdated();
    m_tableView->reloadData();
}

BarButtonItem* PlaylistViewController::makeModeButton(const char* name, void (PlaylistViewController::*action)())
{
    auto* button = new BarButtonItem(QIcon(), BarButtonItem::Bordered, this);
    connect(button, &BarButtonItem::triggered, this, action);
    setModeImage(button, false, name);
    return button;
}

void PlaylistViewController::setModeImage(BarButtonItem* button, bool on, const char* name)
{
    const QString image = QString::fromLatin1(name) + (on ? QStringLiteral("_Yes.png") : QStringLiteral(".png"));
    if (button->objectName() == image)
        return;
    button->setObjectName(image);
    button->setIcon(QIcon(UiImages::named(image)));
}

QString PlaylistViewController::modeImage(const BarButtonItem* button) const
{
    return button ? button->objectName() : QString();
}

void PlaylistViewController::viewDidAppear(bool)
{
    m_tableView->reloadData();
    statusUpdated();
    playlistUpdated();
    scrollToCurrentItem();
    m_showCurrentOnNextList = true;
    m_offsetShown = m_tableView->contentOffset();
    if (!UserDefaults::standard().boolForKey(PreferenceKeys::disableLibs))
        Analytics::viewEntered(analyticsName);
    if (m_currentRemote)
        m_currentRemote->playlistShown();
    m_updateStatusTimer.start();
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    m_tableView->setFocus();
}

void PlaylistViewController::viewDidDisappear(bool)
{
    if (!UserDefaults::standard().boolForKey(PreferenceKeys::disableLibs))
        Analytics::viewLeft(analyticsName);
    m_updateStatusTimer.stop();
    qApp->removeEventFilter(this);
}

bool PlaylistViewController::shouldAutorotateToInterfaceOrientation(int orientation) const
{
    return Orientation::allowedByRotationLock(orientation, lockedRotation());
}

void PlaylistViewController::didRotateFromInterfaceOrientation(int)
{
    if (m_tableView)
        m_tableView->reloadData();
}

// --- Updates ------------------------------------------------------------------

void PlaylistViewController::updateUI()
{
    // A long playlist is fetched less often while nothing hints at a change.
    if (m_currentRemote)
        m_currentRemote->pollPlaylist();
}

void PlaylistViewController::statusUpdated()
{
    if (!m_loopButton)
        return;
    const VLCController* remote = m_currentRemote.get();
    setModeImage(m_loopButton, remote && remote->isLooping(), "Loop");
    setModeImage(m_randomButton, remote && remote->isRandom(), "Random");
    setModeImage(m_repeatButton, remote && remote->isRepeating(), "Repeat");
}

void PlaylistViewController::playlistUpdated()
{
    if (!m_tableView)
        return;
    const QString title = m_currentRemote ? m_currentRemote->titleForIndex(VLCController::currentItem).value_or(QString())
                                          : QString();
    m_titleView->bottomLabel()->setText(lastPathComponent(title));
    m_tableView->reloadData();
    if (m_showCurrentOnNextList && m_currentRemote && m_currentRemote->hasPlaylist() && isVisibleOnStack()) {
        m_showCurrentOnNextList = false;
        // Unless the user has scrolled meanwhile.
        if (m_tableView->contentOffset() == m_offsetShown)
            scrollToCurrentItem();
    }
}

void PlaylistViewController::scrollToCurrentItem()
{
    if (!m_currentRemote || !m_tableView)
        return;
    if (const auto current = m_currentRemote->currentIndex())
        m_tableView->scrollToRowAtIndexPath(IndexPath(0, *current), TableView::ScrollPositionMiddle, false);
}

// --- Actions --------------------------------------------------------------------

void PlaylistViewController::empty()
{
    if (m_emptySheetOpen)
        return;
    AlertRequest sheet;
    sheet.actionSheet = true;
    sheet.title = localizedString("Empty entire playlist?");
    // As a phone's sheet numbers them: the destructive button first.
    sheet.buttons = { localizedString("Ok"), localizedString("Cancel") };
    sheet.destructiveButton = emptyOkButton;
    sheet.completion = [self = QPointer<PlaylistViewController>(this)](int index) {
        if (self)
            self->emptySheetAnswered(index);
    };
    m_emptySheetOpen = true;
    if (AlertPresenter* presenter = AlertPresenter::current())
        presenter->present(sheet);
    else
        m_emptySheetOpen = false;
}

void PlaylistViewController::emptySheetAnswered(int buttonIndex)
{
    m_emptySheetOpen = false;
    if (buttonIndex == emptyOkButton && m_currentRemote)
        m_currentRemote->emptyPlaylist();
}

void PlaylistViewController::loop()
{
    if (m_currentRemote)
        m_currentRemote->loop();
}

void PlaylistViewController::repeat()
{
    if (m_currentRemote)
        m_currentRemote->repeat();
}

void PlaylistViewController::random()
{
    if (m_currentRemote)
        m_currentRemote->random();
}

void PlaylistViewController::fullScreen()
{
    if (m_currentRemote)
        m_currentRemote->fullScreen();
}

void PlaylistViewController::removeItem(int row)
{
    // By VLC's id: a row that vanished meanwhile sends a stale id, and the
    // next playlist reply sets the list right.
    if (m_currentRemote && row >= 0 && row < m_currentRemote->itemsInPlaylist())
        m_currentRemote->removeFromPlaylist(m_currentRemote->idForIndex(row));
}

ImageButton* PlaylistViewController::createRemoveButton(int row)
{
    auto* button = new ImageButton;
    button->setImage(ImageButton::Normal, UiImages::named(QStringLiteral("Delete.png")));
    button->setObjectName(QStringLiteral("Delete.png"));
    button->setProperty("row", row);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(localizedString("Remove"));
    button->resize(removeButtonSize, removeButtonSize);
    connect(button, &ImageButton::clicked, this, [this, button] { removeItem(button->property("row").toInt()); });
    return button;
}

// --- The table ----------------------------------------------------------------------

int PlaylistViewController::numberOfRowsInSection(TableView*, int)
{
    return m_currentRemote ? m_currentRemote->itemsInPlaylist() : 0;
}

TableViewCell* PlaylistViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    auto* cell = qobject_cast<DisplayCell*>(table->dequeueReusableCellWithIdentifier(cellId));
    if (!cell) {
        cell = new DisplayCell(cellId);
        StylingHelpers::setVLCBackground(cell);
    }
    const int row = indexPath.row();
    const PlaylistItem* item = m_currentRemote ? m_currentRemote->itemAtRow(row) : nullptr;
    QFont font = cell->textLabel()->font();
    font.setBold(true);
    font.setPointSize(fontSize());
    cell->textLabel()->setFont(font);
    cell->textLabel()->setText(item ? lastPathComponent(m_currentRemote->titleOf(*item)) : QString());
    cell->setEmphasized(item && m_currentRemote->currentIndex() == row);
    cell->setAccessoryView(item && showsRemoveButtons() ? createRemoveButton(row) : nullptr);
    return cell;
}

void PlaylistViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    if (m_currentRemote && indexPath.row() < m_currentRemote->itemsInPlaylist())
        m_currentRemote->playFromStart(m_currentRemote->idForIndex(indexPath.row()));
    table->deselectRowAtIndexPath(indexPath, true);
}

// --- Keys -------------------------------------------------------------------------

bool PlaylistViewController::eventFilter(QObject* watched, QEvent* event)
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

bool PlaylistViewController::handleKey(const QKeyEvent* event, const QWidget* target)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (m_textSize && m_textSize->handleKey(key, mods))
        return true;
    if (mods != Qt::NoModifier)
        return false;
    if (key == Qt::Key_Delete) {
        const IndexPath chosen = m_tableView->indexPathForSelectedRow();
        if (chosen.isValid() && showsRemoveButtons())
            removeItem(chosen.row());
        return true;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter on a button reached by Tab presses the button.
        if (target == m_tableView || InterfaceHelpers::pressesFocusedButton(target, event))
            return false;
        QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_tableView, &copy);
        return true;
    }
    return false;
}
