#include "models/PlaylistSearchModel.h"

#include "core/LastPathComponent.h"
#include "models/PlaylistModel.h"

PlaylistSearchModel::PlaylistSearchModel(PlaylistModel* source, QObject* parent)
    : QSortFilterProxyModel(parent)
    , m_source(source)
{
    // Before the proxy's own connections: the filter must know of a new
    // playlist when the proxy asks it about the rows.
    auto stale = [this] {
        m_filterStale = true;
        m_matchesStale = true;
    };
    connect(source, &QAbstractItemModel::modelAboutToBeReset, this, stale);
    // The playing item moving leaves the names alone.
    connect(source, &QAbstractItemModel::dataChanged, this,
            [stale](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles != QList<int> { PlaylistModel::CurrentRole })
                    stale();
            });
    connect(source, &QAbstractItemModel::rowsAboutToBeInserted, this, stale);
    connect(source, &QAbstractItemModel::rowsAboutToBeRemoved, this, stale);
    setSourceModel(source);
    connect(source, &PlaylistModel::currentRowChanged, this, &PlaylistSearchModel::updateCurrentRow);
    connect(this, &QAbstractItemModel::modelReset, this, &PlaylistSearchModel::updateCurrentRow);
    connect(this, &QAbstractItemModel::rowsInserted, this, &PlaylistSearchModel::updateCurrentRow);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &PlaylistSearchModel::updateCurrentRow);
    connect(this, &QAbstractItemModel::layoutChanged, this, &PlaylistSearchModel::updateCurrentRow);
    // After the rows here have followed them.
    connect(source, &QAbstractItemModel::modelReset, this, &PlaylistSearchModel::listCame);
    connect(source, &QAbstractItemModel::dataChanged, this, &PlaylistSearchModel::listCame);
    connect(source, &PlaylistModel::sortArrived, this, [this] {
        m_showCurrentOnNextList = false;
        updateCurrentRow();
        emit currentToShow(m_currentRow);
    });
    updateCurrentRow();
}

void PlaylistSearchModel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_searching = !text.trimmed().isEmpty();
    m_matchesStale = true;
    emit textChanged();
    invalidateRowsFilter();
    updateCurrentRow();
}

bool PlaylistSearchModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (!m_searching)
        return true;
    const int rows = m_source->count();
    if (m_filterStale || m_filter.size() != rows) {
        QStringList names;
        names.reserve(rows);
        for (int row = 0; row < rows; ++row)
            names.append(lastPathComponent(m_source->index(row).data(PlaylistModel::TitleRole).toString()));
        m_filter = PlaylistFilter(names);
        m_filterStale = false;
        m_matchesStale = true;
    }
    if (m_matchesStale) {
        m_matches.assign(size_t(rows), false);
        for (int row : m_filter.rowsMatching(m_text))
            m_matches[size_t(row)] = true;
        m_matchesStale = false;
    }
    return sourceRow >= 0 && sourceRow < rows && m_matches[size_t(sourceRow)];
}

QVariant PlaylistSearchModel::data(const QModelIndex& index, int role) const
{
    if (role == NameRole)
        return lastPathComponent(QSortFilterProxyModel::data(index, PlaylistModel::TitleRole).toString());
    return QSortFilterProxyModel::data(index, role);
}

QHash<int, QByteArray> PlaylistSearchModel::roleNames() const
{
    QHash<int, QByteArray> names = QSortFilterProxyModel::roleNames();
    names.insert(NameRole, "name");
    return names;
}

int PlaylistSearchModel::playlistRow(int row) const
{
    const QModelIndex shown = index(row, 0);
    return shown.isValid() ? mapToSource(shown).row() : -1;
}

void PlaylistSearchModel::play(int row)
{
    if (const int item = playlistRow(row); item >= 0)
        m_source->play(item);
}

void PlaylistSearchModel::remove(int row)
{
    if (const int item = playlistRow(row); item >= 0)
        m_source->remove(item);
}

void PlaylistSearchModel::updateCurrentRow()
{
    const int current = m_source->currentRow();
    const int row = current >= 0 ? mapFromSource(m_source->index(current)).row() : -1;
    if (row != m_currentRow) {
        m_currentRow = row;
        emit currentRowChanged();
    }
}

void PlaylistSearchModel::showCurrentOnNextList()
{
    m_showCurrentOnNextList = true;
}

void PlaylistSearchModel::listMoved()
{
    m_showCurrentOnNextList = false;
}

void PlaylistSearchModel::sortBy(int key, bool reverse)
{
    m_source->sortBy(PlaylistModel::SortKey(key), reverse);
}

void PlaylistSearchModel::listCame()
{
    if (!m_showCurrentOnNextList || m_source->count() == 0)
        return;
    m_showCurrentOnNextList = false;
    updateCurrentRow();
    emit currentToShow(m_currentRow);
}
