#include "ui/TableLayout.h"

#include <algorithm>

void TableLayout::clear()
{
    m_sections.clear();
}

void TableLayout::appendSection(int headerHeight, int rowCount, int defaultRowHeight,
                                const std::function<int(int)>& rowHeight, int spacingAfter)
{
    Section section;
    section.top = m_sections.isEmpty() ? m_topMargin : m_sections.last().bottom();
    section.headerHeight = qMax(0, headerHeight);
    section.rowCount = qMax(0, rowCount);
    section.uniformHeight = defaultRowHeight;
    section.spacingAfter = spacingAfter;
    for (int row = 0; row < section.rowCount; ++row) {
        const int asked = rowHeight ? rowHeight(row) : -1;
        const int height = asked < 0 ? defaultRowHeight : asked;
        if (section.offsets.isEmpty() && height != defaultRowHeight) {
            // The first odd height: from here on keep every running sum.
            section.offsets.reserve(section.rowCount + 1);
            for (int before = 0; before <= row; ++before)
                section.offsets.append(before * defaultRowHeight);
        }
        if (!section.offsets.isEmpty())
            section.offsets.append(section.offsets.last() + height);
    }
    m_sections.append(section);
}

int TableLayout::rowCount(int section) const
{
    return section >= 0 && section < sectionCount() ? m_sections.at(section).rowCount : 0;
}

int TableLayout::contentHeight() const
{
    return m_sections.isEmpty() ? 0 : m_sections.last().bottom();
}

int TableLayout::sectionRowsBottom(int section) const
{
    const Section& s = m_sections.at(section);
    return s.rowsTop() + s.rowsHeight();
}

int TableLayout::rowTop(const IndexPath& indexPath) const
{
    const Section& s = m_sections.at(indexPath.section());
    return s.rowsTop() + s.rowOffset(indexPath.row());
}

int TableLayout::rowHeight(const IndexPath& indexPath) const
{
    const Section& s = m_sections.at(indexPath.section());
    return s.rowOffset(indexPath.row() + 1) - s.rowOffset(indexPath.row());
}

bool TableLayout::contains(const IndexPath& indexPath) const
{
    return indexPath.isValid() && indexPath.section() < sectionCount()
        && indexPath.row() < m_sections.at(indexPath.section()).rowCount;
}

int TableLayout::Section::rowAtOffset(int y) const
{
    if (rowCount == 0)
        return -1;
    if (offsets.isEmpty())
        return uniformHeight > 0 ? qBound(0, y / uniformHeight, rowCount - 1) : 0;
    // offsets[i] <= y < offsets[i + 1]
    const auto after = std::upper_bound(offsets.cbegin(), offsets.cend(), y);
    return qBound(0, int(after - offsets.cbegin()) - 1, rowCount - 1);
}

int TableLayout::sectionAt(int y) const
{
    const auto after = std::upper_bound(m_sections.cbegin(), m_sections.cend(), y,
                                        [](int value, const Section& s) { return value < s.top; });
    return int(after - m_sections.cbegin()) - 1;
}

IndexPath TableLayout::indexPathAt(int y) const
{
    const int section = sectionAt(y);
    if (section < 0)
        return {};
    const Section& s = m_sections.at(section);
    const int offset = y - s.rowsTop();
    if (offset < 0 || offset >= s.rowsHeight())
        return {};
    return IndexPath(section, s.rowAtOffset(offset));
}

QList<IndexPath> TableLayout::rowsIntersecting(int top, int bottom) const
{
    QList<IndexPath> rows;
    for (int section : sectionsIntersecting(top, bottom)) {
        const Section& s = m_sections.at(section);
        if (s.rowCount == 0)
            continue;
        const int first = s.rowAtOffset(qMax(0, top - s.rowsTop()));
        for (int row = first; row < s.rowCount; ++row) {
            const int rowTop = s.rowsTop() + s.rowOffset(row);
            if (rowTop >= bottom)
                break;
            if (rowTop + s.rowOffset(row + 1) - s.rowOffset(row) > top)
                rows.append(IndexPath(section, row));
        }
    }
    return rows;
}

QList<int> TableLayout::sectionsIntersecting(int top, int bottom) const
{
    QList<int> sections;
    for (int section = qMax(0, sectionAt(top)); section < sectionCount(); ++section) {
        const Section& s = m_sections.at(section);
        if (s.top >= bottom)
            break;
        if (s.bottom() > top)
            sections.append(section);
    }
    return sections;
}
