#include "models/FoundComputersModel.h"

#include "models/RemoteAnswer.h"
#include "models/RemotesModel.h"

FoundComputersModel::FoundComputersModel(RemotesModel& remotes, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_remotes(remotes)
{
    setSourceModel(&remotes);
    // A row turns from saved to found only by a rebuild, which filters anew.
    setDynamicSortFilter(true);
}

std::shared_ptr<VLCController> FoundComputersModel::remoteAt(int row) const
{
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? m_remotes.remoteAt(source.row()) : nullptr;
}

QVariant FoundComputersModel::data(const QModelIndex& index, int role) const
{
    if (role == MarkRole) {
        const int answer = QSortFilterProxyModel::data(index, RemotesModel::AnswerRole).toInt();
        return answer == int(RemoteAnswer::AnswersAsVlc) ? QStringLiteral("VLC") : QString();
    }
    return QSortFilterProxyModel::data(index, role);
}

QHash<int, QByteArray> FoundComputersModel::roleNames() const
{
    QHash<int, QByteArray> names = QSortFilterProxyModel::roleNames();
    names.insert(MarkRole, "mark");
    return names;
}

bool FoundComputersModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    return !sourceModel()->index(sourceRow, 0, sourceParent).data(RemotesModel::SavedRole).toBool();
}
