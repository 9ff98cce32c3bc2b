#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class VLCController;

// The titles and chapters of what is playing: each entry's name and the
// number its command sends, and the entry in force (-1 for none).
struct ChapterTitleInfo {
    struct Entry {
        QString name;
        int number = 0;
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> titles;
    std::vector<Entry> chapters;
    int currentTitle = -1;
    int currentChapter = -1;

    bool operator==(const ChapterTitleInfo&) const = default;

    // The older interface: dvdInfo in status.xml, as the remote reads it.
    static ChapterTitleInfo fromStatus(const VLCController& remote);
    // VLC 3: only its JSON status carries them (information.title, .titles,
    // .chapter, .chapters, as numbers counted from 0). They are shown
    // counted from 1. Nothing for a reply that is not such a document.
    static std::optional<ChapterTitleInfo> fromStatusJson(const QByteArray& json);
};
