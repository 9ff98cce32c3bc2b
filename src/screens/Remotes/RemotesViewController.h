#pragma once

#include "models/AppContext.h"
#include "models/DefaultRemoteOpening.h"
#include "models/ListPasswordPrompt.h"
#include "models/RemotesListModel.h"
#include "screens/Common/ExclamationBadge.h"
#include "models/RemoteAnswer.h"
#include "models/RemoteChoice.h"
#include "ui/TableViewController.h"

#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class BarButtonItem;
class BonjourBrowser;
class RemotesDiscovery;
class NewsModel;
class RemotesModel;

class VLCController;
struct Notification;

// The first screen: the computers the user saved, the computers discovery
// finds on the network, and the ways in to adding one, help, setup, skins
// and settings. While it is on screen it probes every listed computer for
// VLC every 3 seconds and refreshes discovery every 10; each computer's row
// shows what it last answered (RemoteStateIcon). The saved default remote
// opens by itself the first time it answers, until the list is first left.
class RemotesViewController : public TableViewController {
    Q_OBJECT
public:
    // Row ids of the table structure (RemotesListModel's).
    enum Row {
        AddComputerRow = RemotesListModel::AddComputerRow,
        HelpRow = RemotesListModel::HelpRow,
        SettingsRow = RemotesListModel::SettingsRow,
        SetupRow = RemotesListModel::SetupRow,
        SkinsRow = RemotesListModel::SkinsRow,
        CantSeeRow = RemotesListModel::CantSeeRow,
        FoundRowBase = RemotesListModel::FoundRowBase,
        SavedRowBase = RemotesListModel::SavedRowBase,
        NoRowIdsFrom = RemotesListModel::NoRowIdsFrom,
    };
    static constexpr int remoteScanningIntervalMs = 3000;

    // One button of an explanation sheet: its title and what it does.
    struct SheetButton {
        QString title;
        std::function<void()> action;
    };

    // remotes: the saved and found computers the rows show; news: whether
    // the news button wears its badge.
    RemotesViewController(const AppContext& context, RemotesModel& remotes, NewsModel& news,
                          QWidget* parent = nullptr);
    ~RemotesViewController() override;

    void updateTableStructure();
    // What choosing a computer does: open it, offer to save it, or explain
    // why it cannot be used (and probe it again at once).
    void selectRemote(const std::shared_ptr<VLCController>& remote);
    void displayRemote(const std::shared_ptr<VLCController>& remote);
    void editRemote(const std::shared_ptr<VLCController>& remote);
    void offerToSaveIfAppropriate(const std::shared_ptr<VLCController>& remote);
    // Asks for VLC's password; the remote keeps it (a saved one saves it)
    // and opens once it answers with it.
    void promptForPassword(const std::shared_ptr<VLCController>& remote);

    // A fresh discovery run (found computers forgotten); a new pass of the
    // current run that keeps them.
    void scan();
    void checkIfComputersHaveRemotes();
    void setRemoteScanning(bool scanning);
    // The row's state icon; the caller owns it.
    QWidget* coneViewForRemote(const VLCController& remote) const;

    // Toolbar and row actions.
    void help();
    void cantSee();
    void setup();
    void info();
    void showNews();
    void showSkins();

    // A computer the program was asked to open (playerlink --connect) that
    // is not saved: listed with the found computers, also after a new scan.
    void addCommandLineRemote(const std::shared_ptr<VLCController>& remote);
    // A computer known by other means, listed with the found ones until
    // discovery starts afresh (keepAcrossScans: also after).
    void addFoundRemote(const std::shared_ptr<VLCController>& remote, bool keepAcrossScans = false);

    // "Wake computer": sends the wake-up packet; the row shows "Waking…"
    // until the computer answers (or a minute passes).
    void wakeComputer(const std::shared_ptr<VLCController>& remote);

    const std::vector<std::shared_ptr<VLCController>>& playerLinks() const;
    // The saved remote of a row, as held while this screen lists it.
    std::shared_ptr<VLCController> savedRemote(int index) const;
    BonjourBrowser* bonjourBrowser() const;
    bool dontShowDefaultAutomatically() const { return m_defaultOpening.isOver(); }
    bool isRemoteScanning() const { return m_remoteScanningTimer.isActive(); }
    bool isBonjourRefreshing() const;
    BarButtonItem* newsButton() const { return m_newsButton; }
    BarButtonItem* editButton() const { return m_editButton; }
    ExclamationBadge* exclamation() const { return m_exclamation; }
    void setEditing(bool editing, bool animated);
    bool isEditing() const;

    // The table.
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    QWidget* viewForHeaderInSection(TableView* table, int section) override;
    int heightForHeaderInSection(TableView* table, int section) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void commitEditingStyle(TableView* table, TableViewCell::EditingStyle style, const IndexPath& indexPath) override;
    bool canMoveRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    IndexPath targetIndexPathForMoveFromRowAtIndexPath(TableView* table, const IndexPath& from,
                                                       const IndexPath& proposed) override;
    void moveRowAtIndexPath(TableView* table, const IndexPath& from, const IndexPath& to) override;

    RemotesDiscovery& discovery() { return *m_discovery; }

protected:
    void initialiseStructure() override;
    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::shared_ptr<VLCController> remoteForRow(int rowId) const;
    int savedIndexForRow(int rowId) const;
    // Redraws the state icons of the rows on screen whose answer changed.
    void refreshStateIcons();
    void validRemoteFound(const Notification& note);
    void foundRemote(const Notification& note);
    void newsUpdated();
    void explain(const std::shared_ptr<VLCController>& remote, const RemoteChoice& choice);
    // What a sheet's button does for the remote.
    std::function<void()> sheetAction(const std::shared_ptr<VLCController>& remote, RemoteChoice::Action action);
    void showSheet(const QString& message, const std::vector<SheetButton>& buttons);
    void pushWebPage(const QString& page);
    void deleteSelectedRemote();

    AppContext m_context;
    // Holds the saved remotes, so that what the probes learn stays with them,
    // and the found ones.
    RemotesModel& m_remotes;
    NewsModel& m_news;
    DefaultRemoteOpening m_defaultOpening;
    bool m_rebuildQueued = false;
    std::weak_ptr<VLCController> m_remoteWeAreAboutToSaveOrDisplay;
    // Opened when it next answers as VLC: the remote whose password was just given.
    ListPasswordPrompt m_passwordPrompt; // awaits the remote given a password, to open it
    RemotesDiscovery* m_discovery; // child
    RemotesListModel* m_rows;      // child: the rows, as the touch list has them too
    QTimer m_remoteScanningTimer;
    BarButtonItem* m_newsButton = nullptr;
    BarButtonItem* m_editButton = nullptr;
    QPointer<ExclamationBadge> m_exclamation;
};
