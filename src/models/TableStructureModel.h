#pragma once

#include "core/IndexPath.h"
#include "core/TableStructure.h"

#include <QAbstractListModel>

#include <vector>

// A table description (settings, menus) as a flat item model: one row per
// row of the structure, each carrying its section, so that every front end
// shows the same sections and rows from one TableStructure.
class TableStructureModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        TextRole = Qt::UserRole + 1, // the row's BW_ROW__AUTO_TEXT_STRING, as the display role
        SectionRole,                 // the section's title
        SectionIndexRole,
        RowIdRole,     // the row id (of a bare id, or BW_ROW_ID_INT of a row dictionary)
        InfoRole,      // BW_ROW_INFO_INT
        AccessoryRole, // BW_ROW_AUTO_ACCESSORY_STYLE_INT; -1 when the row names none
        ItemRole,      // the row item as it is: an int or a row dictionary
    };
    Q_ENUM(Role)

    explicit TableStructureModel(QObject* parent = nullptr);
    ~TableStructureModel() override;

    const TableStructure& structure() const { return m_structure; }
    // Rows whose item and section are unchanged stay; any other change of
    // shape resets the model.
    void setStructure(const TableStructure& structure);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    IndexPath indexPathForRow(int row) const;
    int rowForIndexPath(const IndexPath& indexPath) const;

private:
    static std::vector<IndexPath> pathsOf(const TableStructure& structure);

    TableStructure m_structure;
    std::vector<IndexPath> m_paths; // of each row
};
