#include "vlc/PlaylistFilter.h"

#include "core/FoldedText.h"
#include "core/LastPathComponent.h"
#include "vlc/VLCController.h"

#include <numeric>

PlaylistFilter::PlaylistFilter(const QStringList& names)
{
    m_starts.reserve(size_t(names.size()) + 1);
    m_starts.push_back(0);
    for (const QString& name : names) {
        m_folded += FoldedText::fold(name);
        m_starts.push_back(m_folded.size());
    }
}

PlaylistFilter PlaylistFilter::forRemote(const VLCController& remote)
{
    QStringList names;
    names.reserve(remote.state().itemsInPlaylist());
    for (const PlaylistItem& item : remote.state().playlist().items())
        names.append(lastPathComponent(remote.state().titleOf(item)));
    return PlaylistFilter(names);
}

QStringView PlaylistFilter::foldedName(int row) const
{
    const qsizetype start = m_starts[size_t(row)];
    return QStringView(m_folded).mid(start, m_starts[size_t(row) + 1] - start);
}

std::vector<int> PlaylistFilter::rowsMatching(QStringView text) const
{
    const QStringList words = FoldedText::fold(text).simplified().split(u' ', Qt::SkipEmptyParts);
    std::vector<int> rows;
    if (words.isEmpty()) {
        rows.resize(size_t(size()));
        std::iota(rows.begin(), rows.end(), 0);
        return rows;
    }
    for (int row = 0; row < size(); ++row) {
        const QStringView name = foldedName(row);
        bool all = true;
        for (const QString& word : words)
            if (!name.contains(word)) {
                all = false;
                break;
            }
        if (all)
            rows.push_back(row);
    }
    return rows;
}
