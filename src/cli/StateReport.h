#pragma once

#include "vlc/TrackRecord.h"
#include "vlc/TrackSelection.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <vector>

class VLCController;
struct ChapterTitleInfo;

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
    // The equalizer as VLC reports it: on or off, and while on its preamp,
    // bands and presets.
    static QJsonObject equalizerJson(const VLCController& remote);
    static QString equalizerText(const VLCController& remote);
    // The audio, video and subtitle tracks of what plays, each by the
    // number `track` takes and marked when known to be in use (VLC 3 does
    // not say, so only a choice made in this run is known); then the
    // titles and chapters, counted from 1.
    static QJsonObject tracksJson(VLCController& remote, const ChapterTitleInfo& chapters);
    static QString tracksText(VLCController& remote, const ChapterTitleInfo& chapters);
    static const TrackList& tracksOf(const VLCController& remote, TrackSelection::Kind kind);
};
