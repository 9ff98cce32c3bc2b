#include "models/skin/SkinPlaylistRows.h"

#include "core/Localization.h"

SkinPlaylistRows::SkinPlaylistRows(QObject* parent)
    : QAbstractListModel(parent)
{
}

void SkinPlaylistRows::setSource(QAbstractItemModel* source)
{
    if (source == m_source)
        return;
    beginResetModel();
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    m_wasEmpty = sourceRows() == 0;
    connectSource();
    endResetModel();
}

void SkinPlaylistRows::connectSource()
{
    if (!m_source)
        return;
    // Items come and go as they do in the playlist, except where the
    // placeholder comes or goes: then the rows start again.
    connect(m_source, &QAbstractItemModel::rowsAboutToBeInserted, this, [this](const QModelIndex& parent, int first, int last) {
        if (!parent.isValid() && !m_wasEmpty)
            beginInsertRows(QModelIndex(), first, last);
    });
    connect(m_source, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& parent) {
        if (parent.isValid())
            return;
        if (m_wasEmpty) {
            beginResetModel();
            m_wasEmpty = false;
            endResetModel();
        } else {
            endInsertRows();
        }
    });
    connect(m_source, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex& parent, int first, int last) {
        if (parent.isValid())
            return;
        if (first == 0 && last + 1 == sourceRows())
            beginResetModel();
        else
            beginRemoveRows(QModelIndex(), first, last);
    });
    connect(m_source, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex& parent) {
        if (parent.isValid())
            return;
        if (sourceRows() == 0) {
            m_wasEmpty = true;
            endResetModel();
        } else {
            endRemoveRows();
        }
    });
    connect(m_source, &QAbstractItemModel::modelAboutToBeReset, this, [this] { beginResetModel(); });
    connect(m_source, &QAbstractItemModel::modelReset, this, [this] {
        m_wasEmpty = sourceRows() == 0;
        endResetModel();
    });
    connect(m_source, &QAbstractItemModel::layoutChanged, this, [this] {
        beginResetModel();
        m_wasEmpty = sourceRows() == 0;
        endResetModel();
    });
    connect(m_source, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (!topLeft.parent().isValid() && !m_wasEmpty)
                    emit dataChanged(index(topLeft.row()), index(bottomRight.row()), { TitleRole });
            });
    connect(m_source, &QObject::destroyed, this, [this] {
        beginResetModel();
        m_wasEmpty = true;
        endResetModel();
    });
}

int SkinPlaylistRows::sourceRows() const
{
    return m_source ? m_source->rowCount() : 0;
}

bool SkinPlaylistRows::isEmpty() const
{
    return sourceRows() == 0;
}

int SkinPlaylistRows::titleRole() const
{
    if (m_source)
        for (auto [role, name] : m_source->roleNames().asKeyValueRange())
            if (name == "title")
                return role;
    return Qt::DisplayRole;
}

void SkinPlaylistRows::setCurrentRow(int row)
{
    if (row == m_currentRow)
        return;
    const int previous = m_currentRow;
    m_currentRow = row;
    for (int shown : { previous, row })
        if (shown >= 0 && shown < rowCount() && !m_wasEmpty)
            emit dataChanged(index(shown), index(shown), { PlayingRole });
}

int SkinPlaylistRows::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_wasEmpty ? 1 : sourceRows();
}

QVariant SkinPlaylistRows::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case TitleRole:
    case Qt::DisplayRole:
        if (m_wasEmpty)
            return localizedString("(Playlist Empty)");
        return m_source->data(m_source->index(index.row(), 0), titleRole());
    case PlayingRole:
        return !m_wasEmpty && index.row() == m_currentRow;
    case PlaceholderRole:
        return m_wasEmpty;
    default:
        return {};
    }
}

QHash<int, QByteArray> SkinPlaylistRows::roleNames() const
{
    return { { TitleRole, "title" }, { PlayingRole, "playing" }, { PlaceholderRole, "placeholder" } };
}
