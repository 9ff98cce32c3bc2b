#pragma once

#include "core/IndexPath.h"
#include "core/TableSection.h"

#include <QList>
#include <QVariantList>

// A list screen described as data: titled sections of row items (see
// TableSection). Screens ask it for counts, titles and row ids; the cells of
// rows given as row dictionaries come from TableStructureCells, and the
// models see it through TableStructureModel.
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

private:
    QList<TableSection> m_sections;
};
