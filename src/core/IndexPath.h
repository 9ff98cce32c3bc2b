#pragma once

#include <QHashFunctions>
#include <QMetaType>

#include <compare>

// A row of a table: its section and its row within that section. The
// default value names no row.
class IndexPath {
public:
    constexpr IndexPath() = default;
    constexpr IndexPath(int section, int row) : m_section(section), m_row(row) { }
    // Row first, the way list code usually names a row.
    static constexpr IndexPath indexPathForRow(int row, int section) { return IndexPath(section, row); }

    constexpr int section() const { return m_section; }
    constexpr int row() const { return m_row; }
    constexpr bool isValid() const { return m_section >= 0 && m_row >= 0; }

    constexpr auto operator<=>(const IndexPath&) const = default;

private:
    int m_section = -1;
    int m_row = -1;
};

inline size_t qHash(const IndexPath& path, size_t seed = 0)
{
    return qHashMulti(seed, path.section(), path.row());
}

Q_DECLARE_METATYPE(IndexPath)
