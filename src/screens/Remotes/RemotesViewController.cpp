#include "screens/Remotes/RemotesViewController.h"

#include "core/Analytics.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/NewsModel.h"
#include "models/RemotesModel.h"
#include "models/RemotesDiscovery.h"
#include "net/BonjourBrowser.h"
#include "screens/Cells/BrowseCell.h"
#include "screens/Common/ExclamationBadge.h"
#include "models/RemoteWaker.h"
#include "screens/Remotes/ComputerIcon.h"
#include "screens/Remotes/RemoteStateIcon.h"
#include "ui/AlertView.h"
#include "ui/BarButton.h"
#include "ui/BarButtonItem.h"
#include "ui/InterfaceHelpers.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/StylingHelpers.h"
#include "ui/TableStyledHeaderView.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString cellIdentifier = QStringLiteral("ident");
const QString analyticsName = QStringLiteral("remote list");
const char* const savedSectionTitle = L10N_NOOP("Saved Computers");
constexpr int headerHeight = 24;
}

RemotesViewController::RemotesViewController(const AppContext& context, RemotesModel& remotes, NewsModel& news,
                                             QWidget* parent)
    : TableViewController(TableView::StylePlain, parent)
    , m_context(context)
    , m_remotes(remotes)
    , m_news(news)
    , m_discovery(new RemotesDiscovery(remotes, nullptr, this))
    , m_rows(new RemotesListModel(context, remotes, *m_discovery, this))
{
    setTitle(localizedString("Computers"));
    setBackButtonTitle(localizedString("Back"));
    m_remoteScanningTimer.setInterval(remoteScanningIntervalMs);
    connect(m_discovery, &RemotesDiscovery::statusChanged, this, &RemotesViewController::updateTableStructure);
    connect(m_discovery, &RemotesDiscovery::discovered, this, &RemotesViewController::updateTableStructure);
    connect(&m_remoteScanningTimer, &QTimer::timeout, this, &RemotesViewController::checkIfComputersHaveRemotes);

    auto item = [this](const char* title, void (RemotesViewController::*action)()) {
        auto* button = new BarButtonItem(localizedString(title), BarButtonItem::Bordered, this);
        connect(button, &BarButtonItem::triggered, this, action);
        return button;
    };
    auto space = [this] { return BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this); };
    m_newsButton = item(L10N_NOOP("News"), &RemotesViewController::showNews);
    setToolbarItems({ item(L10N_NOOP("Scan"), &RemotesViewController::scan), space(), item(L10N_NOOP("Setup"), &RemotesViewController::setup),
                      space(), m_newsButton, space(), item(L10N_NOOP("Help"), &RemotesViewController::help), space(),
                      item(L10N_NOOP("Settings"), &RemotesViewController::info) });
    m_editButton = new BarButtonItem(localizedString("Edit"), BarButtonItem::Bordered, this);
    m_editButton->setPossibleTitles({ localizedString("Edit"), localizedString("Done") });
    connect(m_editButton, &BarButtonItem::triggered, this, [this] { setEditing(!isEditing(), true); });
    navigationItem()->setRightBarButtonItem(m_editButton);
}

RemotesViewController::~RemotesViewController()
{
    qApp->removeEventFilter(this);
    NotificationCenter::defaultCenter().removeObserver(this);
}

// --- Life cycle ------------------------------------------------------------------

void RemotesViewController::viewDidLoad()
{
    TableViewController::viewDidLoad();
    myTableView()->setRowHeight(TableView::defaultRowHeight);
    updateTableStructure();
    checkIfComputersHaveRemotes();
    if (m_context.defaults.boolForKey(PreferenceKeys::autoScan))
        scan();
    NotificationCenter::defaultCenter().addObserver(this, NotificationNames::newsUpdateProcessed,
                                                    [this](const Notification&) { newsUpdated(); });
    // "Waking…" comes and goes with the wake-up call.
    if (RemoteWaker* waker = RemoteWaker::instance())
        connect(waker, &RemoteWaker::wakingChanged, this, [this] { refreshStateIcons(); });
    // The news itself is asked for once at launch by the application.
    // A remote opened straight from the command line is not covered: the
    // page waits for a start that shows this list.
    if (!m_context.defaults.boolForKey(PreferenceKeys::haveSeenSetupPage))
        QTimer::singleShot(0, this, [this] {
            if (navigationController() && navigationController()->topViewController() == this)
                setup();
        });
}

void RemotesViewController::viewDidAppear(bool)
{
    m_defaultOpening.setListShowing(true);
    updateTableStructure();
    auto& center = NotificationCenter::defaultCenter();
    center.removeObserver(this, NotificationNames::vlcFoundValidRemote);
    center.addObserver(this, NotificationNames::vlcFoundValidRemote,
                       [this](const Notification& note) { validRemoteFound(note); });
    // A refusal changes only the icon: no rebuild, and nothing opens.
    center.removeObserver(this, NotificationNames::vlcFoundRemote);
    center.addObserver(this, NotificationNames::vlcFoundRemote,
                       [this](const Notification& note) { foundRemote(note); });
    setRemoteScanning(true);
    Analytics::viewEntered(m_context.defaults, analyticsName);
    m_discovery->setActive(true);
    newsUpdated();
    // Up, down, Enter, Delete and F5 work wherever the focus is in the window.
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
    myTableView()->setFocus();
}

void RemotesViewController::viewDidDisappear(bool)
{
    m_defaultOpening.setListShowing(false);
    m_passwordPrompt.forget();
    qApp->removeEventFilter(this);
    auto& center = NotificationCenter::defaultCenter();
    center.removeObserver(this, NotificationNames::vlcFoundValidRemote);
    center.removeObserver(this, NotificationNames::vlcFoundRemote);
    Analytics::viewLeft(m_context.defaults, analyticsName);
    m_discovery->setActive(false);
    setRemoteScanning(false);
}

// --- Probing and discovery ---------------------------------------------------------

void RemotesViewController::checkIfComputersHaveRemotes()
{
    // What the last round left unanswered shows now, before the next round.
    refreshStateIcons();
    m_remotes.probe();
}

void RemotesViewController::setRemoteScanning(bool scanning)
{
    if (scanning && !m_remoteScanningTimer.isActive())
        m_remoteScanningTimer.start();
    else if (!scanning)
        m_remoteScanningTimer.stop();
}

BonjourBrowser* RemotesViewController::bonjourBrowser() const
{
    return m_discovery->browser();
}

bool RemotesViewController::isBonjourRefreshing() const
{
    return m_discovery->isActive();
}

void RemotesViewController::scan()
{
    // The discovery's new status rebuilds the table.
    m_discovery->scan();
}

void RemotesViewController::addCommandLineRemote(const std::shared_ptr<VLCController>& remote)
{
    if (!remote || remote->record().isSaved)
        return;
    addFoundRemote(remote, true);
}

void RemotesViewController::addFoundRemote(const std::shared_ptr<VLCController>& remote, bool keepAcrossScans)
{
    const auto& found = m_remotes.foundRemotes();
    if (!remote || std::find(found.begin(), found.end(), remote) != found.end())
        return;
    m_remotes.addFoundRemote(remote, keepAcrossScans);
    if (isViewLoaded())
        updateTableStructure();
}

// --- The table ---------------------------------------------------------------------

void RemotesViewController::initialiseStructure()
{
    // A setup that worked meanwhile takes its row away.
    m_rows->refresh();
    setTableStructure(m_rows->structure());
}

void RemotesViewController::updateTableStructure()
{
    // Discovery and the probes rebuild the table every few seconds; a
    // Delete button the user opened stays open on its remote meanwhile.
    std::shared_ptr<VLCController> confirming;
    if (myTableView() && tableStructure() && myTableView()->indexPathForDeleteConfirmation().isValid())
        confirming = remoteForRow(tableStructure()->rowIdForIndexPath(myTableView()->indexPathForDeleteConfirmation()));
    initialiseStructure();
    if (!myTableView())
        return;
    myTableView()->reloadData();
    const int saved = confirming ? m_remotes.rowOf(confirming.get()) : -1;
    if (saved >= 0 && saved < m_remotes.savedCount())
        myTableView()->showDeleteConfirmationForRowAtIndexPath(IndexPath(0, saved));
}

const std::vector<std::shared_ptr<VLCController>>& RemotesViewController::playerLinks() const
{
    return m_remotes.foundRemotes();
}

std::shared_ptr<VLCController> RemotesViewController::savedRemote(int index) const
{
    return index >= 0 && index < m_remotes.savedCount() ? m_remotes.remoteAt(index) : nullptr;
}

int RemotesViewController::savedIndexForRow(int rowId) const
{
    const int index = rowId - SavedRowBase;
    return rowId >= SavedRowBase && rowId < NoRowIdsFrom && index < m_remotes.savedCount() ? index : -1;
}

std::shared_ptr<VLCController> RemotesViewController::remoteForRow(int rowId) const
{
    return m_remotes.remoteAt(m_rows->remoteRowOf(rowId));
}

QWidget* RemotesViewController::coneViewForRemote(const VLCController& remote) const
{
    if (const RemoteWaker* waker = RemoteWaker::instance(); waker && waker->isWaking(remote)) {
        auto* waking = new QLabel(localizedString("Waking…"));
        waking->setObjectName(QStringLiteral("state-waking"));
        waking->setStyleSheet(QStringLiteral("color: #8a8f98;"));
        return waking;
    }
    return RemoteStateIcon::view(RemoteAnswers::of(remote));
}

TableViewCell* RemotesViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    auto* cell = qobject_cast<BrowseCell*>(table->dequeueReusableCellWithIdentifier(cellIdentifier));
    if (!cell) {
        cell = new BrowseCell(cellIdentifier);
        StylingHelpers::setVLCBackground(cell);
    }
    cell->setAccessoryType(TableViewCell::AccessoryNone);
    cell->setEditingAccessoryType(TableViewCell::AccessoryNone);
    cell->setEnabled(true);
    cell->setAccessoryView(nullptr);
    cell->setLeftView(nullptr);
    cell->setView(nullptr);

    const int rowId = tableStructure()->rowIdForIndexPath(indexPath);
    QString text = RemotesListModel::fixedRowText(rowId);
    switch (rowId) {
    case AddComputerRow:
        cell->setLeftImage(ComputerIcon::addComputer());
        break;
    default:
        if (const auto remote = remoteForRow(rowId)) {
            text = remote->name();
            cell->setLeftImage(ComputerIcon::computer());
            cell->setEditingAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
            if (isEditing())
                cell->setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
            else
                cell->setAccessoryView(coneViewForRemote(*remote));
            if (isEditing() && rowId >= SavedRowBase && RemoteWaker::canWake(*remote)
                && RemoteAnswers::of(*remote) == RemoteAnswer::NoAnswer) {
                // Drawn like the bars' buttons, so that it reads as one.
                auto* item = new BarButtonItem(localizedString("Wake computer"), BarButtonItem::Bordered);
                auto* wake = new BarButton(item);
                item->setParent(wake);
                wake->setObjectName(QStringLiteral("wake-computer"));
                wake->setFocusPolicy(Qt::NoFocus);
                connect(wake, &QAbstractButton::clicked, this, [this, weak = std::weak_ptr(remote)] {
                    if (const auto r = weak.lock())
                        wakeComputer(r);
                });
                cell->setView(wake);
            }
        }
        break;
    }
    cell->textLabel()->setText(text);
    return cell;
}

void RemotesViewController::refreshStateIcons()
{
    if (!myTableView() || isEditing())
        return;
    for (TableViewCell* cell : myTableView()->visibleCells()) {
        const IndexPath indexPath = myTableView()->indexPathForCell(cell);
        const auto remote = remoteForRow(tableStructure()->rowIdForIndexPath(indexPath));
        if (!remote)
            continue;
        const RemoteAnswer answer = RemoteAnswers::of(*remote);
        const RemoteWaker* waker = RemoteWaker::instance();
        const QString wanted = waker && waker->isWaking(*remote) ? QStringLiteral("state-waking")
                                                                : QStringLiteral("state-") + RemoteAnswers::key(answer);
        if (!cell->accessoryView() || cell->accessoryView()->objectName() != wanted)
            cell->setAccessoryView(coneViewForRemote(*remote));
    }
}

QWidget* RemotesViewController::viewForHeaderInSection(TableView*, int section)
{
    return StylingHelpers::styledHeaderForText(tableStructure()->titleForSection(section));
}

int RemotesViewController::heightForHeaderInSection(TableView*, int)
{
    return headerHeight;
}

void RemotesViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const int rowId = tableStructure()->rowIdForIndexPath(indexPath);
    table->deselectRowAtIndexPath(indexPath, true);
    switch (m_rows->pick(rowId, isEditing())) {
    case RemotesListModel::Pick::ChooseRemote:
        selectRemote(remoteForRow(rowId));
        return;
    case RemotesListModel::Pick::EditRemote:
        editRemote(remoteForRow(rowId));
        return;
    case RemotesListModel::Pick::Done:
    case RemotesListModel::Pick::Nothing:
        return;
    }
}

// --- Editing -----------------------------------------------------------------------

bool RemotesViewController::isEditing() const
{
    return myTableView() && myTableView()->isEditing();
}

void RemotesViewController::setEditing(bool editing, bool)
{
    loadViewIfNeeded();
    myTableView()->setEditing(editing, true);
    m_editButton->setTitle(editing ? localizedString("Done") : localizedString("Edit"));
    myTableView()->reloadData();
}

TableViewCell::EditingStyle RemotesViewController::editingStyleForRowAtIndexPath(TableView* table,
                                                                                 const IndexPath& indexPath)
{
    if (!table->isEditing() || tableStructure()->titleForSection(indexPath.section()) != localizedString(savedSectionTitle))
        return TableViewCell::EditingStyleNone;
    return savedIndexForRow(tableStructure()->rowIdForIndexPath(indexPath)) >= 0 ? TableViewCell::EditingStyleDelete
                                                                               : TableViewCell::EditingStyleNone;
}

void RemotesViewController::commitEditingStyle(TableView*, TableViewCell::EditingStyle style, const IndexPath& indexPath)
{
    if (style != TableViewCell::EditingStyleDelete)
        return;
    const int index = savedIndexForRow(tableStructure()->rowIdForIndexPath(indexPath));
    if (index >= 0)
        m_remotes.savedList().removeAt(size_t(index));
    updateTableStructure();
}

bool RemotesViewController::canMoveRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    return tableStructure()->titleForSection(indexPath.section()) == localizedString(savedSectionTitle)
        && indexPath.row() < tableStructure()->numberOfRowsInSection(indexPath.section()) - 1;
}

IndexPath RemotesViewController::targetIndexPathForMoveFromRowAtIndexPath(TableView*, const IndexPath& from,
                                                                          const IndexPath& proposed)
{
    // "Add computer" stays last: anything at or below it, or in a later
    // section, lands just above it; anything in an earlier section on top.
    const int lastRow = tableStructure()->numberOfRowsInSection(from.section()) - 1;
    if (proposed.section() == from.section() && proposed.row() < lastRow)
        return proposed;
    if (proposed.section() < from.section())
        return IndexPath(from.section(), 0);
    return IndexPath(from.section(), qMax(0, lastRow - 1));
}

void RemotesViewController::moveRowAtIndexPath(TableView*, const IndexPath& from, const IndexPath& to)
{
    const int source = savedIndexForRow(tableStructure()->rowIdForIndexPath(from));
    const int destination = savedIndexForRow(tableStructure()->rowIdForIndexPath(to));
    // The saved list follows the rows as they show: the dragged one moves
    // and those between shift.
    if (source >= 0 && destination >= 0)
        m_remotes.savedList().move(size_t(source), size_t(destination));
    updateTableStructure();
}

void RemotesViewController::deleteSelectedRemote()
{
    const IndexPath selected = myTableView()->indexPathForSelectedRow();
    if (selected.isValid() && editingStyleForRowAtIndexPath(myTableView(), selected) == TableViewCell::EditingStyleDelete)
        commitEditingStyle(myTableView(), TableViewCell::EditingStyleDelete, selected);
}

// --- Notifications and keys ----------------------------------------------------------

void RemotesViewController::validRemoteFound(const Notification& note)
{
    // The icons follow the answer at once, before anything it opens; the
    // rebuild for the lot of them comes later.
    refreshStateIcons();
    // A found computer that was saved is the saved row's remote.
    const std::shared_ptr<VLCController> remote
        = m_remotes.remoteAt(m_remotes.rowOf(static_cast<const VLCController*>(note.object)));
    if (remote) {
        if (m_passwordPrompt.awaited() == remote && m_passwordPrompt.next(*remote) == ListPasswordPrompt::Next::Open) {
            selectRemote(remote);
        } else if (m_defaultOpening.opensByItself(*remote, m_remotes.rowOf(remote.get()) < m_remotes.savedCount())) {
            selectRemote(remote);
        }
    }
    // Every listed computer answers each round: one rebuild for the lot.
    if (!m_rebuildQueued) {
        m_rebuildQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_rebuildQueued = false;
            updateTableStructure();
        });
    }
}

void RemotesViewController::foundRemote(const Notification& note)
{
    refreshStateIcons();
    // The password just typed was refused: say so at once and ask again.
    const auto waiting = m_passwordPrompt.awaited();
    if (waiting && waiting.get() == note.object && RemoteAnswers::of(*waiting) == RemoteAnswer::PasswordRefused
        && m_passwordPrompt.next(*waiting) == ListPasswordPrompt::Next::AskAgain)
        promptForPassword(waiting);
}

void RemotesViewController::newsUpdated()
{
    const bool news = m_news.hasUnread();
    if (!m_exclamation && news && navigationController())
        m_exclamation = new ExclamationBadge;
    if (!m_exclamation)
        return;
    if (navigationController())
        m_exclamation->attach(m_newsButton, navigationController()->toolbar());
    m_exclamation->setWanted(news);
}

bool RemotesViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !isVisibleOnStack() || !myTableView())
        return TableViewController::eventFilter(watched, event);
    // Keys typed into a field, or meant for an alert, are theirs.
    if (AlertView::topAlert() || qobject_cast<QLineEdit*>(QApplication::focusWidget())
        || (navigationController() && navigationController()->topViewController() != this))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool refresh = key->key() == Qt::Key_F5
        || (key->key() == Qt::Key_R && key->modifiers().testFlag(Qt::ControlModifier));
    if (refresh) {
        scan();
        return true;
    }
    if ((key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) && isEditing()) {
        deleteSelectedRemote();
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter on a button reached by Tab presses the button.
        if (watched != myTableView() && !InterfaceHelpers::pressesFocusedButton(watched, key)) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(myTableView(), &copy);
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}
