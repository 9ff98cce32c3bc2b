#pragma once

#include <QString>
#include <QVariantMap>

class VLCController;

// The open remote as the MPRIS Player interface shows it, read from the
// remote's stored state. Two readings compare property by property, so that
// only what changed is announced.
struct MprisState {
    QString playbackStatus = QStringLiteral("Stopped"); // Playing, Paused or Stopped
    qlonglong trackNumber = -1;                         // VLC's playlist id; -1 none
    QString title;
    qlonglong lengthMicroseconds = 0;
    qlonglong positionMicroseconds = 0;
    QString artUrl; // a file:// URL of the item's art; empty without
    double volume = 0;  // 1.0 is 100 %
    double rate = 1;
    bool shuffle = false;
    QString loopStatus = QStringLiteral("None"); // None, Track or Playlist
    bool canGoNext = false;
    bool canGoPrevious = false;
    bool canPlay = false;
    bool canPause = false;
    bool canSeek = false;

    static MprisState of(const VLCController& remote);

    // "/org/playerlink/track/<id>", or MPRIS's NoTrack path.
    QString trackId() const;
    QVariantMap metadata() const;
    // Every property of the Player interface that announces its changes,
    // by its D-Bus name (Position is read when asked, never announced).
    QVariantMap announcedProperties() const;
    // The announced properties whose value differs from before.
    static QVariantMap changes(const MprisState& before, const MprisState& after);

    static constexpr const char* noTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";
};
