#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class VLCController;

// Finds playlist items by name as the reader types: the rows whose names
// hold every word of the text, whatever the case and accents. The names
// are folded once, when the filter is made for a playlist; each keystroke
// then folds only the typed text and scans the folded names. The CLI, the
// playlist screen and the list models share this one rule.
class PlaylistFilter {
public:
    PlaylistFilter() = default;
    // The names in row order.
    explicit PlaylistFilter(const QStringList& names);
    // The remote's playlist, by the names its lists show (the last part of
    // each item's title).
    static PlaylistFilter forRemote(const VLCController& remote);

    int size() const { return m_starts.empty() ? 0 : int(m_starts.size()) - 1; }
    // The rows that match, in order; every row when the text holds no word.
    std::vector<int> rowsMatching(QStringView text) const;

private:
    QStringView foldedName(int row) const;

    // The folded names one after another; row i is [starts[i], starts[i + 1]).
    QString m_folded;
    std::vector<qsizetype> m_starts;
};
