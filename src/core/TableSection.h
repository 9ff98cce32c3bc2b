#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

// One titled section of a table description. Each row item is either an int
// (the row id itself) or a QVariantMap row dictionary (keys in RowKeys.h).
// Items are values: what was added cannot change behind the section's back.
class TableSection {
public:
    // The only way to make a section: it always has a title, maybe empty.
    explicit TableSection(const QString& title);
    TableSection() = delete;

    QString sectionTitle() const { return m_sectionTitle; }
    void setSectionTitle(const QString& title) { m_sectionTitle = title; }
    const QVariantList& rowIds() const { return m_rowIds; }

    void addRowId(const QVariant& item);
    // The int of a bare item, or BW_ROW_ID_INT of a row dictionary (0 when absent).
    int rowIdForRow(int index) const;
    int rowsInSection() const { return int(m_rowIds.size()); }

    QVariant objectAtIndex(int index) const { return m_rowIds.at(index); }
    void insertObject(const QVariant& item, int index);
    void removeObjectAtIndex(int index);

    static bool isRowDictionary(const QVariant& item);
    static int rowIdOfItem(const QVariant& item);

private:
    QString m_sectionTitle;
    QVariantList m_rowIds;
};
