#pragma once

#include "vlc/FolderListing.h"
#include "vlc/PlainStatusReader.h"
#include "vlc/PlayerStatus.h"
#include "vlc/Playlist.h"
#include "vlc/RemoteTypes.h"
#include "vlc/TrackRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class ServerDialect;

// What one VLC last told us: the status, the playlist, the folder listing
// and the tracks, each read once when its reply is stored, and the values
// the commands set for immediate feedback until the next status. Accessors
// are const reads. It knows nothing of the network: replies are handed in.
class PlayerState {
public:
    // The index values of the accessors' interface. Inside, "no current item"
    // is an empty optional, which no row of a playlist can be mistaken for.
    static constexpr int currentItem = 65535;
    static constexpr int noCurrentItem = 65520;

    PlayerState();

    // Forgets every reply; the browser starts at defaultBrowseDirectory
    // ("~" when none).
    void reset(const QString& defaultBrowseDirectory);
    // Another server may answer now: its dialect is learnt anew, and its
    // first replies are read even when their bytes equal the last ones.
    void forgetServer();

    // --- Storing replies ----------------------------------------------------
    struct StatusOutcome {
        bool stored = false;          // new bytes, read and kept
        bool announce = false;        // observers should hear of it
        bool hintsPlaylist = false;   // the playlist may have changed
    };
    StatusOutcome storeStatusBody(const QByteArray& body, bool luaMode);
    // Returns whether the playlist changed (the same bytes are not read again).
    bool storePlaylistBody(const QByteArray& body, bool luaMode);
    // onlyMediaFiles drops entries of no known media type.
    void storeBrowseBody(const QByteArray& body, bool luaMode, bool onlyMediaFiles);
    // The older interface answered: no VLC 3 requests until a status says so.
    void forgetDialect() { m_apiVersion = 0; }
    void updateCurrentIndex(bool luaMode);

    // --- Values that make the screens feel immediate ----------------------
    int temporaryVolume() const { return m_temporaryVolume; }
    void setTemporaryVolume(int v) { m_temporaryVolume = v; }
    int temporaryPosition() const { return m_temporaryPosition; }
    void setTemporaryPosition(int v) { m_temporaryPosition = v; }
    int temporaryPositionSeconds() const { return m_temporaryPositionSeconds; }
    void setTemporaryPositionSeconds(int v);
    int updatesToIgnore() const { return m_updatesToIgnore; }
    void setUpdatesToIgnore(int n) { m_updatesToIgnore = n; }
    std::optional<double> estimatedStartTime() const { return m_estimatedStartTime; }

    // --- Stored replies ---------------------------------------------------
    bool hasStatus() const { return m_hasStatus; }
    const PlayerStatus& playerStatus() const { return m_status; }
    const Playlist& playlist() const { return m_playlist; }
    bool hasPlaylist() const { return m_hasPlaylist; }
    quint64 playlistGeneration() const { return m_playlistGeneration; }
    quint64 statusGeneration() const { return m_statusGeneration; }
    const std::vector<BrowseEntry>& browseArray() const { return m_browseArray; }
    bool hasBrowseList() const { return m_hasBrowseList; }
    QString browseDir() const { return m_browseDir; }
    void setBrowseDir(const QString& dir) { m_browseDir = dir; }
    std::optional<QString> listedDir() const { return m_listedDir; }
    // Back to the folder of the stored listing, after a folder was refused.
    void restoreListedDir();
    int idForTrackCaches() const { return m_idForTrackCaches; }
    const TrackList& videoTracks() const { return m_videoTracks; }
    const TrackList& audioTracks() const { return m_audioTracks; }
    const TrackList& subtitleTracks() const { return m_subtitleTracks; }
    int apiVersion() const { return m_apiVersion; }
    const ServerDialect& dialect() const;

    // --- Player state -----------------------------------------------------
    // frozenAt: a moment after which the estimate stops counting.
    int smoothedTimeElapsedSeconds(std::optional<double> frozenAt = std::nullopt) const;
    int timeLengthSeconds() const;
    int timeRemainingSeconds() const;
    int position() const;
    int volume() const;
    bool isPlaying() const;
    bool isStopped() const;
    bool isRandom() const;
    bool isRepeating() const;
    bool isLooping() const;
    PlaybackState playback() const;
    QString playbackState() const;
    QString statusTitle() const { return m_status.metaTitle; }
    int speed() const { return m_speed; }
    std::optional<double> rate() const;
    double audioDelay() const { return m_audioDelay; }

    int itemsInPlaylist() const { return m_playlist.size(); }
    std::optional<int> currentIndex() const { return m_currentIndex; }
    int idForIndex(int index) const;
    std::optional<QString> titleForIndex(int index) const;
    QString titleOf(const PlaylistItem& item) const;

    int currentVideoTrack() const;
    int currentAudioTrack() const;
    int currentSubtitleTrack() const;

    QString nameForAspect(int index) const;
    static QString nameForChapter(int number);
    static QString nameForTitle(int number);

    // --- Folder listing -----------------------------------------------------
    std::optional<QString> browseInfo(const QString& attribute, int index) const;
    std::optional<QString> filetypeForIndex(int index, bool luaMode) const;
    static QString fileTypeForExtension(const QString& extension);

private:
    void storeStatus(PlayerStatus status, bool luaMode, StatusOutcome& outcome);
    bool dropTemporaryValues();
    void updateEstimate();
    void updateTrackInfoIfNeeded();
    QString dialectFreeExtension(const AttributeMap& entry, bool luaMode) const;

    int m_temporaryVolume = -1;
    int m_temporaryPosition = -1;
    int m_temporaryPositionSeconds = -1;
    int m_updatesToIgnore = 0;
    std::optional<double> m_estimatedStartTime;

    PlayerStatus m_status;
    PlainStatusReader::Memo m_statusMemo; // what reading m_status left for the next reply
    bool m_hasStatus = false;
    quint64 m_statusGeneration = 0;
    int m_speed = 0;
    double m_audioDelay = 0;
    int m_positionPercent = 0;
    Playlist m_playlist;
    bool m_hasPlaylist = false;
    quint64 m_playlistGeneration = 0;
    std::optional<int> m_currentIndex;
    QString m_browseDir;
    std::optional<QString> m_listedDir;
    std::vector<BrowseEntry> m_browseArray;
    bool m_hasBrowseList = false;
    int m_idForTrackCaches = -1;
    std::vector<PlayerStatus::Stream> m_streamsForTrackCaches;
    TrackList m_videoTracks;
    TrackList m_audioTracks;
    TrackList m_subtitleTracks;
    int m_apiVersion = 0;
    // Fingerprints of the last stored replies: the same bytes again are
    // neither parsed nor announced.
    std::optional<size_t> m_statusHash;
    std::optional<size_t> m_playlistHash;
};
