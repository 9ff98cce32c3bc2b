#include "screens/PlaylistView/PlaylistViewController.h"

#include "core/Analytics.h"
#include "core/AlertPresenter.h"
#include "core/ConsoleLog.h"
#include "core/LastPathComponent.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/PlaylistModel.h"
#include "models/PlaylistSearchModel.h"
#include "screens/Cells/BrowseCell.h"
#include "screens/Common/RotationLock.h"
#include "screens/Common/TextSizeZoom.h"
#include "skin/TitleView.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/InterfaceHelpers.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/StylingHelpers.h"
#include "ui/UiImages.h"
#include "ui/UiPalette.h"
#include "vlc/VLCController.h"

#include "ui_PlaylistView.h"

#include <QApplication>
#include <QKeySequence>
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

PlaylistViewController::PlaylistViewController(const AppContext& context, QWidget* parent)
    : ViewController(parent)
    , m_context(context)
    , m_playlist(new PlaylistModel(this))
    , m_search(new PlaylistSearchModel(m_playlist, this))
{
    // After the search has seen them: a new playlist, or the rows that
    // changed in one with the same items (a reply that changes nothing
    // says nothing).
    connect(m_playlist, &PlaylistModel::modelReset, this, &PlaylistViewController::playlistUpdated);
    connect(m_playlist, &PlaylistModel::dataChanged, this, &PlaylistViewController::rowsUpdated);
    // Once the table has the rows of the list that came.
    connect(m_search, &PlaylistSearchModel::currentToShow, this, &PlaylistViewController::showCurrentOnFirstList,
            Qt::QueuedConnection);
    m_updateStatusTimer.setInterval(playlistIntervalMs);
    connect(&m_updateStatusTimer, &QTimer::timeout, this, &PlaylistViewController::updateUI);
}

PlaylistViewController::~PlaylistViewController()
{
    qApp->removeEventFilter(this);
    if (m_tableView) {
        m_tableView->setDataSource(nullptr);
        m_tableView->setDelegate(nullptr);
    }
}

void PlaylistViewController::setCurrentRemote(const std::shared_ptr<VLCController>& remote)
{
    if (m_currentRemote)
        disconnect(m_currentRemote.get(), nullptr, this, nullptr);
    m_currentRemote = remote;
    if (remote)
        connect(remote.get(), &VLCController::statusChanged, this, &PlaylistViewController::statusUpdated);
    m_playlist->setRemote(remote);
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
    return m_playlist->canRemoveItems();
}

QLineEdit* PlaylistViewController::searchField() const
{
    return m_ui ? m_ui->searchField : nullptr;
}

int PlaylistViewController::playlistRow(int tableRow) const
{
    return m_search->playlistRow(tableRow);
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
    m_ui->searchStrip->setAttribute(Qt::WA_StyledBackground);
    m_ui->searchStrip->setStyleSheet(QStringLiteral("#searchStrip { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                                    "stop:0 %1, stop:1 %2); border-bottom: 1px solid %3; }")
                                         .arg(UiPalette::barTop().name(), UiPalette::barBottom().name(),
                                              UiPalette::barLine().name()));
    QLineEdit* field = m_ui->searchField;
    field->setPlaceholderText(localizedString("Search the playlist"));
    field->setAccessibleName(localizedString("Search the playlist"));
    field->setFont(UiPalette::font(15));
    field->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; border: 1px solid %1; "
                                        "border-radius: 6px; padding: 2px 8px; }")
                             .arg(UiPalette::barLine().name()));
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_search->setText(text);
        m_tableView->reloadData();
        const IndexPath chosen = m_tableView->indexPathForSelectedRow();
        if (chosen.isValid())
            m_tableView->deselectRowAtIndexPath(chosen, false);
        // What was found shows from its start; the whole list again around
        // the item that plays.
        m_tableView->setContentOffset(QPoint(0, 0));
        if (text.trimmed().isEmpty())
            scrollToCurrentItem();
    });
    m_textSize = TextSizeZoom::forTable(m_tableView, this);

    m_titleView = new TitleView(interfaceOrientation(), this);
    m_titleView->hide();
    m_titleView->topLabel()->setText(localizedString("Playlist"));
    navigationItem()->setTitleView(m_titleView);

    auto* full = new BarButtonItem(QIcon(QStringLiteral(":/images/fullscreen.png")), BarButtonItem::Bordered, this);
    full->setToolTip(localizedString("Full screen"));
    connect(full, &BarButtonItem::triggered, this, &PlaylistViewController::fullScreen);
    navigationItem()->setRightBarButtonItem(full);

    m_emptyButton = new BarButtonItem(QIcon(UiImages::named(QStringLiteral("Empty.png"))), BarButtonItem::Bordered, this);
    m_emptyButton->setObjectName(QStringLiteral("empty"));
    m_emptyButton->setToolTip(localizedString("Empty the playlist"));
    connect(m_emptyButton, &BarButtonItem::triggered, this, &PlaylistViewController::empty);
    m_loopButton = makeModeButton("Loop", localizedString("Loop"), &PlaylistViewController::loop);
    m_repeatButton = makeModeButton("Repeat", localizedString("Repeat"), &PlaylistViewController::repeat);
    m_randomButton = makeModeButton("Random", localizedString("Shuffle"), &PlaylistViewController::random);
    auto space = [this] { return BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this); };
    m_toolbar = { m_emptyButton, space(), m_loopButton, space(), m_repeatButton, space(), m_randomButton };
    setToolbarItems(m_toolbar);
    statusUpdated();
    m_tableView->reloadData();
}

BarButtonItem* PlaylistViewController::makeModeButton(const char* name, const QString& toolTip,
                                                     void (PlaylistViewController::*action)())
{
    auto* button = new BarButtonItem(QIcon(), BarButtonItem::Bordered, this);
    button->setToolTip(toolTip);
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
    m_offsetShown = m_tableView->contentOffset();
    m_search->showCurrentOnNextList();
    Analytics::viewEntered(m_context.defaults, analyticsName);
    if (m_currentRemote)
        m_currentRemote->playlistShown();
    m_updateStatusTimer.start();
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    m_tableView->setFocus();
}

void PlaylistViewController::viewDidDisappear(bool)
{
    Analytics::viewLeft(m_context.defaults, analyticsName);
    m_updateStatusTimer.stop();
    qApp->removeEventFilter(this);
}

bool PlaylistViewController::shouldAutorotateToInterfaceOrientation(int orientation) const
{
    return Orientation::allowedByRotationLock(orientation, lockedRotation(m_context.defaults));
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
    setModeImage(m_loopButton, remote && remote->state().isLooping(), "Loop");
    setModeImage(m_randomButton, remote && remote->state().isRandom(), "Random");
    setModeImage(m_repeatButton, remote && remote->state().isRepeating(), "Repeat");
}

void PlaylistViewController::playlistUpdated()
{
    if (!m_tableView)
        return;
    showPlayingTitle();
    m_tableView->reloadData();
}

void PlaylistViewController::rowsUpdated(const QModelIndex& first, const QModelIndex& last)
{
    if (!m_tableView)
        return;
    // While searching, changed names may find other rows.
    if (m_search->isSearching()) {
        playlistUpdated();
        return;
    }
    // Only the cells shown for those rows are made again (the playing item
    // moved: its old and new rows), not the whole table.
    QList<IndexPath> shown;
    for (const IndexPath& path : m_tableView->indexPathsForVisibleRows())
        if (const int row = m_search->playlistRow(path.row()); row >= first.row() && row <= last.row())
            shown.append(path);
    showPlayingTitle();
    if (!shown.isEmpty())
        m_tableView->reloadRowsAtIndexPaths(shown);
}

void PlaylistViewController::showPlayingTitle()
{
    // The item that plays, whether or not the search lists it.
    const QModelIndex current = m_playlist->index(m_playlist->currentRow());
    m_titleView->bottomLabel()->setText(lastPathComponent(current.data(PlaylistModel::TitleRole).toString()));
}

void PlaylistViewController::showCurrentOnFirstList()
{
    // Unless the user has scrolled meanwhile.
    if (m_tableView && isVisibleOnStack() && m_tableView->contentOffset() == m_offsetShown)
        scrollToCurrentItem();
}

void PlaylistViewController::scrollToCurrentItem()
{
    if (!m_tableView)
        return;
    if (const int row = m_search->currentRow(); row >= 0)
        m_tableView->scrollToRowAtIndexPath(IndexPath(0, row), TableView::ScrollPositionMiddle, false);
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
    m_context.alerts.present(sheet);
}

void PlaylistViewController::emptySheetAnswered(int buttonIndex)
{
    m_emptySheetOpen = false;
    if (buttonIndex == emptyOkButton)
        m_playlist->clear();
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

void PlaylistViewController::removeItem(int tableRow)
{
    m_search->remove(tableRow);
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
    return m_search->rowCount();
}

TableViewCell* PlaylistViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    auto* cell = qobject_cast<BrowseCell*>(table->dequeueReusableCellWithIdentifier(cellId));
    if (!cell) {
        cell = new BrowseCell(cellId);
        cell->setIconColumn(false);
        StylingHelpers::setVLCBackground(cell);
    }
    const QModelIndex index = m_search->index(indexPath.row(), 0);
    QFont font = cell->textLabel()->font();
    font.setBold(true);
    font.setPointSize(fontSize());
    cell->textLabel()->setFont(font);
    cell->setAccessoryView(index.isValid() && showsRemoveButtons() ? createRemoveButton(indexPath.row()) : nullptr);
    cell->setPlaying(index.isValid() && indexPath.row() == m_search->currentRow());
    // Cut at its head, so that the end of a long file name stays readable.
    cell->setTitle(index.data(PlaylistSearchModel::NameRole).toString(), Qt::ElideLeft);
    return cell;
}

void PlaylistViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    m_search->play(indexPath.row());
    table->deselectRowAtIndexPath(indexPath, true);
}

// --- Keys -------------------------------------------------------------------------

bool PlaylistViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    if (m_ui && watched == m_ui->searchField && isVisibleOnStack())
        return handleSearchFieldKey(static_cast<QKeyEvent*>(event));
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
    if (event->matches(QKeySequence::Find)) {
        m_ui->searchField->setFocus(Qt::ShortcutFocusReason);
        m_ui->searchField->selectAll();
        return true;
    }
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

bool PlaylistViewController::handleSearchFieldKey(const QKeyEvent* event)
{
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QLineEdit* field = m_ui->searchField;
    if (key == Qt::Key_Escape) {
        // The typing goes first, then the field.
        if (!field->text().isEmpty())
            field->clear();
        else
            m_tableView->setFocus();
        return true;
    }
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        QKeyEvent copy(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(m_tableView, &copy);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const IndexPath chosen = m_tableView->indexPathForSelectedRow();
        const IndexPath row = chosen.isValid() ? chosen : IndexPath(0, 0);
        if (row.row() < numberOfRowsInSection(m_tableView, 0))
            didSelectRowAtIndexPath(m_tableView, row);
        return true;
    }
    return false;
}
