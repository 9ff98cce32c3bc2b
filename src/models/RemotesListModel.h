#pragma once

#include "models/AppContext.h"
#include "models/TableStructureModel.h"

class RemotesDiscovery;
class RemotesModel;

// The rows of the remotes list as both front ends show them: "Saved
// Computers" with the saved computers and "Add computer"; the found
// computers under what discovery is doing ("Scanning...", else "Found
// Computers"), with "Setup Instructions" until a setup has worked and
// "Can't see your computer?"; then "More" with Skins, Settings and Help. A
// computer's row carries RemotesModel's roles, offset by remoteRoleOffset.
class RemotesListModel : public TableStructureModel {
    Q_OBJECT
public:
    // Row ids of the structure.
    enum Row {
        AddComputerRow = 1,
        HelpRow = 2,
        SettingsRow = 4,
        SetupRow = 5,
        SkinsRow = 6,
        CantSeeRow = 7,
        FoundRowBase = 1000,
        SavedRowBase = 2000,
        NoRowIdsFrom = 3000,
    };
    enum ExtraRole {
        KindRole = Qt::UserRole + 50, // "computer", or the fixed row's: "addComputer", "setup", "cantSee", "skins", "settings", "help"
        RemoteRowRole,                // a computer's row in RemotesModel; -1 for a fixed row
    };
    static constexpr int remoteRoleOffset = 100;

    // The rows follow the remotes and the discovery's status as they change.
    RemotesListModel(const AppContext& context, RemotesModel& remotes, const RemotesDiscovery& discovery,
                     QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The structure again, for a setup that has worked meanwhile.
    void refresh();

    // A computer's row in RemotesModel; -1 for a fixed row.
    int remoteRowOf(int rowId) const;
    // A fixed row's text; empty for a computer's.
    static QString fixedRowText(int rowId);

    // What choosing a row leaves to the front end.
    enum class Pick {
        Done,          // a fixed row: its screen is shown (also while editing)
        ChooseRemote,  // a computer out of edit mode: open it, or say why not
        EditRemote,    // a saved computer in edit mode: its configuration
        Nothing,       // a found computer in edit mode
    };
    Pick pick(int rowId, bool editing);

private:
    TableStructure structureNow() const;
    void remotesChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles);

    AppContext m_context;
    RemotesModel& m_remotes;
    const RemotesDiscovery& m_discovery;
};
