#include "models/RemotesListModel.h"

#include "core/Localization.h"
#include "models/Navigator.h"
#include "models/RemotesDiscovery.h"
#include "models/RemotesModel.h"
#include "models/SetupInstructions.h"
#include "vlc/VLCController.h"

namespace {
QString kindOf(int rowId)
{
    switch (rowId) {
    case RemotesListModel::AddComputerRow: return QStringLiteral("addComputer");
    case RemotesListModel::HelpRow: return QStringLiteral("help");
    case RemotesListModel::SettingsRow: return QStringLiteral("settings");
    case RemotesListModel::SetupRow: return QStringLiteral("setup");
    case RemotesListModel::SkinsRow: return QStringLiteral("skins");
    case RemotesListModel::CantSeeRow: return QStringLiteral("cantSee");
    default: return QStringLiteral("computer");
    }
}
}

RemotesListModel::RemotesListModel(const AppContext& context, RemotesModel& remotes, const RemotesDiscovery& discovery,
                                   QObject* parent)
    : TableStructureModel(parent)
    , m_context(context)
    , m_remotes(remotes)
    , m_discovery(discovery)
{
    connect(&remotes, &QAbstractItemModel::modelReset, this, [this] {
        refresh();
        // The same ids may stand for other computers now (a move).
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1));
    });
    connect(&remotes, &QAbstractItemModel::dataChanged, this, &RemotesListModel::remotesChanged);
    connect(&discovery, &RemotesDiscovery::statusChanged, this, &RemotesListModel::refresh);
    refresh();
}

TableStructure RemotesListModel::structureNow() const
{
    TableStructure structure;
    structure.addSection(localizedString("Saved Computers"));
    for (int i = 0; i < m_remotes.savedCount(); ++i)
        structure.addRow(SavedRowBase + i);
    structure.addRow(AddComputerRow);
    const QString status = m_discovery.status();
    // The run's status is already in the user's language.
    structure.addSection(status.isEmpty() ? localizedString("Found Computers") : status);
    for (int i = 0; i < m_remotes.foundCount(); ++i)
        structure.addRow(FoundRowBase + i);
    if (!SetupInstructions::haveSetupSuccesfully(m_context.defaults))
        structure.addRow(SetupRow);
    structure.addRow(CantSeeRow);
    structure.addSection(localizedString("More"));
    structure.addRow(SkinsRow);
    structure.addRow(SettingsRow);
    structure.addRow(HelpRow);
    return structure;
}

void RemotesListModel::refresh()
{
    setStructure(structureNow());
}

int RemotesListModel::remoteRowOf(int rowId) const
{
    if (rowId >= SavedRowBase && rowId < NoRowIdsFrom)
        return rowId - SavedRowBase < m_remotes.savedCount() ? rowId - SavedRowBase : -1;
    if (rowId >= FoundRowBase && rowId < SavedRowBase)
        return rowId - FoundRowBase < m_remotes.foundCount() ? m_remotes.savedCount() + rowId - FoundRowBase : -1;
    return -1;
}

QString RemotesListModel::fixedRowText(int rowId)
{
    switch (rowId) {
    case AddComputerRow: return localizedString("Add computer");
    case HelpRow: return localizedString("Help");
    case SettingsRow: return localizedString("Settings");
    case SetupRow: return localizedString("Setup Instructions");
    case SkinsRow: return localizedString("Skins");
    case CantSeeRow: return localizedString("Can't see your computer?");
    default: return QString();
    }
}

void RemotesListModel::remotesChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    QList<int> ours;
    for (int role : roles)
        ours << role + remoteRoleOffset;
    if (roles.contains(RemotesModel::NameRole))
        ours << TextRole << Qt::DisplayRole;
    for (int row = 0; row < rowCount(); ++row) {
        const int remote = remoteRowOf(TableStructureModel::data(index(row), RowIdRole).toInt());
        if (remote >= topLeft.row() && remote <= bottomRight.row())
            emit dataChanged(index(row), index(row), roles.isEmpty() ? QList<int>() : ours);
    }
}

QVariant RemotesListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int rowId = TableStructureModel::data(index, RowIdRole).toInt();
    const int remote = remoteRowOf(rowId);
    switch (role) {
    case Qt::DisplayRole:
    case TextRole:
        return remote >= 0 ? m_remotes.data(m_remotes.index(remote), RemotesModel::NameRole) : fixedRowText(rowId);
    case KindRole: return kindOf(rowId);
    case RemoteRowRole: return remote;
    default: break;
    }
    if (role <= Qt::UserRole + remoteRoleOffset)
        return TableStructureModel::data(index, role);
    const int remoteRole = role - remoteRoleOffset;
    if (remote >= 0)
        return m_remotes.data(m_remotes.index(remote), remoteRole);
    // A fixed row has no computer: the roles' empty values, of their types.
    switch (remoteRole) {
    case RemotesModel::AnswerRole: return -1;
    case RemotesModel::SavedRole:
    case RemotesModel::DefaultRole:
    case RemotesModel::WakingRole:
    case RemotesModel::WakeOfferedRole: return false;
    default: return QString();
    }
}

QHash<int, QByteArray> RemotesListModel::roleNames() const
{
    QHash<int, QByteArray> names = TableStructureModel::roleNames();
    names.insert(KindRole, "kind");
    names.insert(RemoteRowRole, "remoteRow");
    const QHash<int, QByteArray> remoteNames = m_remotes.roleNames();
    for (auto it = remoteNames.begin(); it != remoteNames.end(); ++it)
        if (it.key() != Qt::DisplayRole && it.key() != RemotesModel::SectionRole)
            names.insert(it.key() + remoteRoleOffset, it.value());
    return names;
}

RemotesListModel::Pick RemotesListModel::pick(int rowId, bool editing)
{
    Navigator& navigator = m_context.navigator;
    switch (rowId) {
    case AddComputerRow:
        navigator.showRemoteConfig(std::make_shared<VLCController>(RemoteRecord {}, m_context.network));
        return Pick::Done;
    case HelpRow: navigator.showHelp(QStringLiteral("help")); return Pick::Done;
    case SettingsRow: navigator.showSettings(); return Pick::Done;
    case SetupRow: navigator.showSetupInstructions(); return Pick::Done;
    case SkinsRow: navigator.showSkins(); return Pick::Done;
    case CantSeeRow: navigator.showHelp(QStringLiteral("cantSee")); return Pick::Done;
    default: break;
    }
    if (remoteRowOf(rowId) < 0)
        return Pick::Nothing;
    if (!editing)
        return Pick::ChooseRemote;
    return rowId >= SavedRowBase ? Pick::EditRemote : Pick::Nothing;
}
