#include "models/TableStructureModel.h"

#include "core/DictionaryHelpers.h"
#include "core/RowKeys.h"

TableStructureModel::TableStructureModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

TableStructureModel::~TableStructureModel() = default;

std::vector<IndexPath> TableStructureModel::pathsOf(const TableStructure& structure)
{
    std::vector<IndexPath> paths;
    for (int section = 0; section < structure.numberOfSections(); ++section)
        for (int row = 0; row < structure.numberOfRowsInSection(section); ++row)
            paths.emplace_back(section, row);
    return paths;
}

void TableStructureModel::setStructure(const TableStructure& structure)
{
    std::vector<IndexPath> paths = pathsOf(structure);
    if (paths != m_paths || structure.numberOfSections() != m_structure.numberOfSections()) {
        beginResetModel();
        m_structure = structure;
        m_paths = std::move(paths);
        endResetModel();
        return;
    }
    // A screen rebuilds its structure whenever it appears: a row whose item
    // is the same is not news. A heading that changes (a status) keeps the
    // rows, and a keyboard's place among them.
    const TableStructure before = m_structure;
    m_structure = structure;
    for (size_t row = 0; row < m_paths.size(); ++row) {
        const IndexPath path = m_paths[row];
        if (before.itemAtIndexPath(path) != structure.itemAtIndexPath(path))
            emit dataChanged(index(int(row)), index(int(row)));
        else if (before.titleForSection(path.section()) != structure.titleForSection(path.section()))
            emit dataChanged(index(int(row)), index(int(row)), { SectionRole });
    }
}

int TableStructureModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_paths.size());
}

QVariant TableStructureModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const IndexPath path = m_paths[size_t(index.row())];
    const QVariant item = m_structure.itemAtIndexPath(path);
    const QVariantMap row = TableSection::isRowDictionary(item) ? item.toMap() : QVariantMap();
    switch (role) {
    case Qt::DisplayRole:
    case TextRole: return row.value(BW_ROW__AUTO_TEXT_STRING).toString();
    case SectionRole: return m_structure.titleForSection(path.section());
    case SectionIndexRole: return path.section();
    case RowIdRole: return m_structure.rowIdForIndexPath(path);
    case InfoRole: return DictionaryHelpers::intForKey(row, BW_ROW_INFO_INT);
    case AccessoryRole:
        return row.contains(BW_ROW_AUTO_ACCESSORY_STYLE_INT) ? DictionaryHelpers::intForKey(row, BW_ROW_AUTO_ACCESSORY_STYLE_INT)
                                                             : -1;
    case ItemRole: return item;
    default: return {};
    }
}

QHash<int, QByteArray> TableStructureModel::roleNames() const
{
    return { { Qt::DisplayRole, "display" }, { TextRole, "text" },   { SectionRole, "section" },
             { SectionIndexRole, "sectionIndex" }, { RowIdRole, "rowId" }, { InfoRole, "info" },
             { AccessoryRole, "accessory" }, { ItemRole, "item" } };
}

IndexPath TableStructureModel::indexPathForRow(int row) const
{
    return row >= 0 && size_t(row) < m_paths.size() ? m_paths[size_t(row)] : IndexPath();
}

int TableStructureModel::rowForIndexPath(const IndexPath& indexPath) const
{
    for (size_t row = 0; row < m_paths.size(); ++row)
        if (m_paths[row] == indexPath)
            return int(row);
    return -1;
}
