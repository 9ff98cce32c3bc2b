#pragma once

#include "ui/IndexPath.h"
#include "ui/TableSection.h"

#include <QList>
#include <QVariantList>

class TableView;
class TableViewCell;

// A list screen described as data: titled sections of row items (see
// TableSection). Screens ask it for counts, titles and row ids, and for
// ready-made cells of rows given as row dictionaries.
class TableStructure {
public:
    TableStructure() = default;
    // Builds sections from one flat list: a string starts a section titled by
    // it, anything else is a row of the latest section.
    explicit TableStructure(const QVariantList& list);

    const QList<TableSection>& sections() const { return m_sections; }
    void setSections(const QList<TableSection>& sections) { m_sections = sections; }

    void addSection(const QString& title);
    // Appends the item to the last section.
    void addRow(const QVariant& item);

    int numberOfSections() const { return int(m_sections.size()); }
    // 0 for a section beyond the structure: a table may ask while the screen
    // rebuilds it.
    int numberOfRowsInSection(int section) const;
    QString titleForSection(int section) const;

    QVariant itemAtIndexPath(const IndexPath& indexPath) const;
    int rowIdForIndexPath(const IndexPath& indexPath) const;
    void insertItem(const QVariant& item, const IndexPath& indexPath);
    void deleteItemAtIndexPath(const IndexPath& indexPath);
    void moveRowAtIndexPath(const IndexPath& from, const IndexPath& to);

    // A cell for a row dictionary: reused by its BW_ROW_CELL_ID_STRING or made
    // from its BW_ROW_CELL_CLASS_CLASS, then given the row's accessory,
    // selection style and text. The caller may adjust it further.
    TableViewCell* cellFromConfigForTable(TableView* table, const IndexPath& indexPath) const;

private:
    QList<TableSection> m_sections;
};
