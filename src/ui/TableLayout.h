#pragma once

#include "core/IndexPath.h"

#include <QList>

#include <functional>

// Where the section headers and rows of a table lie, in content
// coordinates (y from the top of the whole list). Rows of one height cost
// nothing per row; a section with varying heights keeps their running sums,
// so a 100,000-row list is measured once per reload and searched by bisection.
class TableLayout {
public:
    void clear();
    // Appends a section below the previous ones. rowHeight answers the height
    // of each row, or a negative value for defaultRowHeight.
    void appendSection(int headerHeight, int rowCount, int defaultRowHeight, const std::function<int(int)>& rowHeight,
                       int spacingAfter);
    void setTopMargin(int margin) { m_topMargin = margin; }

    int sectionCount() const { return int(m_sections.size()); }
    int rowCount(int section) const;
    int contentHeight() const;

    int sectionTop(int section) const { return m_sections.at(section).top; }
    // The bottom of the section's last row (before the spacing after it).
    int sectionRowsBottom(int section) const;
    int headerHeight(int section) const { return m_sections.at(section).headerHeight; }
    int rowTop(const IndexPath& indexPath) const;
    int rowHeight(const IndexPath& indexPath) const;
    bool contains(const IndexPath& indexPath) const;

    // The row at y, or an invalid path over a header, a gap or nothing.
    IndexPath indexPathAt(int y) const;
    // Rows and sections touching [top, bottom), in order.
    QList<IndexPath> rowsIntersecting(int top, int bottom) const;
    QList<int> sectionsIntersecting(int top, int bottom) const;

private:
    struct Section {
        int top = 0;
        int headerHeight = 0;
        int rowCount = 0;
        int uniformHeight = 0;
        // Running sums of the row heights (rowCount + 1 entries) when they vary.
        QList<int> offsets;
        int spacingAfter = 0;
        int rowsTop() const { return top + headerHeight; }
        int rowOffset(int row) const { return offsets.isEmpty() ? row * uniformHeight : offsets.at(row); }
        int rowsHeight() const { return rowOffset(rowCount); }
        int bottom() const { return rowsTop() + rowsHeight() + spacingAfter; }
        // The row whose span holds offset y (from rowsTop), clamped to the rows.
        int rowAtOffset(int y) const;
    };

    int sectionAt(int y) const;

    QList<Section> m_sections;
    int m_topMargin = 0;
};
