#include "models/PlaylistModel.h"

#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"

#include <QHashFunctions>

#include <iterator>

PlaylistModel::PlaylistModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

PlaylistModel::~PlaylistModel() = default;

void PlaylistModel::setRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote == m_remote)
        return;
    if (m_remote)
        disconnect(m_remote.get(), nullptr, this, nullptr);
    const int current = m_currentRow;
    const int countBefore = count();
    beginResetModel();
    m_remote = remote;
    m_sortStep = SortStep::None;
    m_rows = readRows();
    m_currentRow = currentRowNow();
    endResetModel();
    if (remote) {
        connect(remote.get(), &VLCController::playlistChanged, this, &PlaylistModel::playlistStored);
        connect(remote.get(), &VLCController::statusChanged, this, &PlaylistModel::statusStored);
        // The probe tells which interface answers, and so whether items go.
        connect(remote.get(), &VLCController::requestConcluded, this, &PlaylistModel::updateRemovable);
        connect(remote.get(), &VLCController::requestConcluded, this, &PlaylistModel::followSort);
    }
    if (count() != countBefore)
        emit countChanged();
    if (m_currentRow != current)
        emit currentRowChanged();
    updateRemovable();
}

std::vector<PlaylistModel::Row> PlaylistModel::readRows() const
{
    std::vector<Row> rows;
    if (!m_remote)
        return rows;
    const std::vector<PlaylistItem>& items = m_remote->state().playlist().items();
    rows.reserve(items.size());
    for (const PlaylistItem& item : items) {
        const size_t text = qHashMulti(0, QByteArrayView(item.name.data(), qsizetype(item.name.size())),
                                       QByteArrayView(item.uri.data(), qsizetype(item.uri.size())));
        rows.push_back({ item.id, qHashMulti(text, item.duration, item.hasDuration) });
    }
    return rows;
}

void PlaylistModel::playlistStored()
{
    std::vector<Row> rows = readRows();
    const bool sameItems = rows.size() == m_rows.size()
        && std::equal(rows.begin(), rows.end(), m_rows.begin(), [](const Row& a, const Row& b) { return a.id == b.id; });
    if (sameItems) {
        int first = -1;
        int last = -1;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] == m_rows[i])
                continue;
            if (first < 0)
                first = int(i);
            last = int(i);
        }
        m_rows = std::move(rows);
        if (first >= 0)
            announceRows(first, last);
        statusStored();
        return;
    }
    const bool otherCount = rows.size() != m_rows.size();
    const int current = m_currentRow;
    beginResetModel();
    m_rows = std::move(rows);
    m_currentRow = currentRowNow();
    endResetModel();
    if (otherCount)
        emit countChanged();
    if (m_currentRow != current)
        emit currentRowChanged();
    updateRemovable();
}

int PlaylistModel::currentRowNow() const
{
    const std::optional<int> current = m_remote ? m_remote->state().currentIndex() : std::nullopt;
    return current && *current < count() ? *current : -1;
}

void PlaylistModel::statusStored()
{
    // In the Lua interface's dialect the current item is found by the
    // status's length, so a status alone can move it.
    const int row = currentRowNow();
    if (row != m_currentRow) {
        const int before = m_currentRow;
        m_currentRow = row;
        // First, so that whoever redraws on the rows' news (the search's
        // rows among them) already knows where the current row is.
        emit currentRowChanged();
        if (before >= 0)
            announceRows(before, before, { CurrentRole });
        if (row >= 0)
            announceRows(row, row, { CurrentRole });
    }
    updateRemovable();
}

void PlaylistModel::updateRemovable()
{
    const bool canRemove = m_remote && (!m_remote->luaMode() || m_remote->state().dialect().isModern());
    if (canRemove != m_canRemove) {
        m_canRemove = canRemove;
        emit canRemoveItemsChanged();
    }
    const bool canSort = m_remote && m_remote->luaMode();
    if (canSort != m_canSort) {
        m_canSort = canSort;
        emit canSortChanged();
    }
}

void PlaylistModel::announceRows(int first, int last, const QList<int>& roles)
{
    emit dataChanged(index(first), index(last), roles);
}

int PlaylistModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) || !m_remote)
        return {};
    const PlaylistItem* item = m_remote->state().playlist().at(index.row());
    if (!item)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
        return m_remote->state().titleOf(*item);
    case ItemIdRole:
        return item->id;
    case UriRole:
        return item->uriText();
    case DurationRole:
        return item->hasDuration ? item->duration : qint64(-1);
    case CurrentRole:
        return index.row() == m_currentRow;
    default:
        return {};
    }
}

QHash<int, QByteArray> PlaylistModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { TitleRole, "title" },       { ItemIdRole, "itemId" },
             { UriRole, "uri" },             { DurationRole, "duration" }, { CurrentRole, "current" } };
}

qint64 PlaylistModel::idAt(int row) const
{
    return row >= 0 && size_t(row) < m_rows.size() ? m_rows[size_t(row)].id : -1;
}

void PlaylistModel::play(int row)
{
    if (m_remote && idAt(row) >= 0)
        m_remote->playFromStart(int(idAt(row)));
}

void PlaylistModel::remove(int row)
{
    if (m_remote && m_canRemove && idAt(row) >= 0)
        m_remote->removeFromPlaylist(int(idAt(row)));
}

void PlaylistModel::clear()
{
    if (m_remote)
        m_remote->emptyPlaylist();
}

void PlaylistModel::sortBy(SortKey key, bool reverse)
{
    if (!canSort())
        return;
    static constexpr PlaylistSortKey keys[] = { PlaylistSortKey::Title, PlaylistSortKey::Artist, PlaylistSortKey::Album,
                                                PlaylistSortKey::Duration, PlaylistSortKey::Random };
    const int index = int(key);
    if (index < 0 || index >= int(std::size(keys)))
        return;
    m_remote->sortPlaylist(keys[index], reverse);
    m_sortStep = SortStep::Command;
}

void PlaylistModel::followSort(const RequestResult& result)
{
    switch (m_sortStep) {
    case SortStep::None:
        break;
    case SortStep::Command:
        // The playlist is asked for once the command's reply is in.
        m_sortStep = result.reply ? SortStep::List : SortStep::None;
        break;
    case SortStep::List:
        if (result.reply == ReplyKind::Playlist) {
            m_sortStep = SortStep::None;
            emit sortArrived(m_currentRow);
        }
        break;
    }
}
