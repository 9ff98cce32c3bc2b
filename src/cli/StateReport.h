#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <vector>

class VLCController;

// What the command-line tool prints about a remote: the player state, the
// playlist and a folder listing, as text for people and as JSON for scripts.
class StateReport {
public:
    static QJsonObject statusJson(VLCController& remote);
    static QString statusText(VLCController& remote);
    // rows: the playlist rows to tell of, in order; every row when none.
    static QJsonArray playlistJson(const VLCController& remote, const std::vector<int>* rows = nullptr);
    static QString playlistText(const VLCController& remote, const std::vector<int>* rows = nullptr);
    static QJsonArray browseJson(const VLCController& remote);
    static QString browseText(const VLCController& remote);
    // One line of what the remote screen would show.
    static QString watchLine(VLCController& remote);
    static QString nowPlaying(const VLCController& remote);
};
