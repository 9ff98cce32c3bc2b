#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

class VLCController;

// What the command-line tool prints about a remote: the player state, the
// playlist and a folder listing, as text for people and as JSON for scripts.
class StateReport {
public:
    static QJsonObject statusJson(VLCController& remote);
    static QString statusText(VLCController& remote);
    static QJsonArray playlistJson(const VLCController& remote);
    static QString playlistText(const VLCController& remote);
    static QJsonArray browseJson(const VLCController& remote);
    static QString browseText(const VLCController& remote);
    // One line of what the remote screen would show.
    static QString watchLine(VLCController& remote);
    static QString nowPlaying(const VLCController& remote);
};
