#pragma once

#include "vlc/FolderListing.h"
#include "vlc/HttpReply.h"
#include "vlc/PlayerStatus.h"
#include "vlc/Playlist.h"
#include "vlc/RemoteRecord.h"
#include "vlc/RemoteTypes.h"
#include "vlc/TrackRecord.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrlQuery>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QNetworkAccessManager>
class AlbumArtFetcher;
class RequestChannel;
class ServerDialect;

// One computer running VLC, as the screens hold it: the saved record (a
// value), the connection to it (one request channel over the network access
// its owner gives, made only once a request is sent, and the commands) and
// the player state, parsed once per reply into plain values that the
// accessors read. Implemented over several files: the record, channel and
// replies here, the commands in VLCControllerInfoActions.cpp, the state in
// VLCControllerState.cpp and the folder listing in
// VLCControllerBrowseMethods.cpp.
class VLCController : public QObject {
    Q_OBJECT
public:
    enum RequestType { OrdinaryRequest = 0, ProbeRequest = 1, BrowseRequest = 2 };
    enum QueueCode { QueueStop = 1, QueueUpdatePlaylist = 2, QueuePlayLastItem = 3 };
    using ReplyKind = ::ReplyKind;

    // The index values of the accessors' interface. Inside, "no current item"
    // is an empty optional, which no row of a playlist can be mistaken for.
    static constexpr int currentItem = 65535;
    static constexpr int noCurrentItem = 65520;

    // Caps on a reply's body by its kind: a real status is about 2 KB, a
    // playlist of 100,000 items with long paths fits in 64 MB.
    static constexpr qint64 maxPageBytes = 1024 * 1024;
    static constexpr qint64 maxListBytes = 64LL * 1024 * 1024;

    explicit VLCController(const RemoteRecord& record = {}, QNetworkAccessManager* network = nullptr);
    // Restores a saved record (the keys of encodeWithCoder). Which saved
    // remote is the default is the saved list's business (SavedRemoteList).
    explicit VLCController(const QJsonObject& archive, QNetworkAccessManager* network = nullptr);
    ~VLCController() override;

    // The network access requests go through; owned by whoever gives it.
    void setNetwork(QNetworkAccessManager* network);
    QNetworkAccessManager* network() const { return m_network; }

    QJsonObject encodeWithCoder() const { return m_record.toArchive(); }
    void setup();

    // --- The saved record -------------------------------------------------
    // Setters of saved fields tell recordChanged() when the value changes.
    const RemoteRecord& record() const { return m_record; }
    QString hostAddress() const { return m_record.hostAddress; }
    void setHostAddress(const QString& address);
    QString hostName() const { return m_record.hostName; }
    void setHostName(const QString& name) { setRecordField(m_record.hostName, name); }
    QString nickname() const { return m_record.nickname; }
    void setNickname(const QString& nickname) { setRecordField(m_record.nickname, nickname); }
    bool isDefault() const { return m_record.isDefault; }
    void setIsDefault(bool isDefault);
    QString defaultBrowseDirectory() const { return m_record.defaultBrowseDirectory; }
    void setDefaultBrowseDirectory(const QString& dir) { setRecordField(m_record.defaultBrowseDirectory, dir); }
    bool browseAdd() const { return m_record.browseAdd; }
    void setBrowseAdd(bool add) { setRecordField(m_record.browseAdd, add); }
    // VLC's HTTP password; a null string means none.
    QString password() const { return m_record.password; }
    void setPassword(const QString& password) { setRecordField(m_record.password, password); }
    bool hasPassword() const { return !m_record.password.isEmpty(); }
    QString hardwareAddress() const { return m_record.hardwareAddress; }
    void setHardwareAddress(const QString& address) { setRecordField(m_record.hardwareAddress, address); }

    bool discoveredFromBwIdent() const { return m_record.discoveredFromBwIdent; }
    void setDiscoveredFromBwIdent(bool value) { m_record.discoveredFromBwIdent = value; }
    bool isSaved() const { return m_record.isSaved; }
    void setIsSaved(bool saved) { m_record.isSaved = saved; }

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
    // Counts the playlist replies stored (an unchanged reply is not stored),
    // so that a screen can tell whether the playlist it shows is the latest.
    quint64 playlistGeneration() const { return m_playlistGeneration; }
    quint64 statusGeneration() const { return m_statusGeneration; }
    const std::vector<BrowseEntry>& browseArray() const { return m_browseArray; }
    bool hasBrowseList() const { return m_hasBrowseList; }
    QString browseDir() const { return m_browseDir; }
    void setBrowseDir(const QString& dir) { m_browseDir = dir; }
    // The folder the stored listing shows; none before the first listing.
    std::optional<QString> listedDir() const { return m_listedDir; }
    int idForTrackCaches() const { return m_idForTrackCaches; }
    const TrackList& videoTracks() const { return m_videoTracks; }
    const TrackList& audioTracks() const { return m_audioTracks; }
    const TrackList& subtitleTracks() const { return m_subtitleTracks; }
    // The apiversion the remote speaks; 0 for the older interface. Once a
    // remote has answered as VLC 3 it keeps that dialect until a complete
    // status or the probe shows another interface, or the address changes.
    int apiVersion() const { return m_apiVersion; }
    const ServerDialect& dialect() const;

    // --- Probe results ----------------------------------------------------
    bool remoteFound() const { return m_remoteFound; }
    bool forbidden() const { return m_forbidden; }
    // VLC asked for a password (401): none was sent, or it was refused.
    bool passwordRequired() const { return m_passwordRequired; }
    bool passwordRefused() const { return m_passwordRequired && hasPassword(); }
    // VLC runs but has no password configured, so it refuses everyone.
    bool passwordNotSet() const { return m_passwordNotSet; }
    bool luaMode() const { return m_luaMode; }
    void setLuaMode(bool lua);

    // --- The request channel ----------------------------------------------
    QString baseAddress() const { return m_record.baseAddress(); }
    // Sends a GET for path and query under the base address, superseding
    // the request in flight.
    void sendAsynchronousRequest(const QString& path, const QUrlQuery& query = {});
    void clearOldRequest();
    bool isBusy() const;
    int requestType() const;
    std::optional<double> lastResponse() const { return m_lastResponse; }
    void addRequestToQueue(int code);
    const std::deque<int>& requestQueue() const { return m_requestQueue; }
    void processQueue();
    void updateStatus();
    void updatePlaylist();
    void searchForPlayerLink();
    bool playlistDirty() const { return m_playlistDirty; }
    void setPlaylistDirty(bool dirty) { m_playlistDirty = dirty; }
    bool statusDirty() const { return m_statusDirty; }
    void setStatusDirty(bool dirty) { m_statusDirty = dirty; }
    // The channel, made on first use.
    RequestChannel& channel();

    // --- Album art ----------------------------------------------------------
    // The encoded art of the playing item, fetched beside the polls when a
    // status names new art; empty when there is none (yet).
    QByteArray albumArt() const;
    // Counts the changes of albumArt(); 0 before any.
    quint64 albumArtGeneration() const;
    // Made with the first status that a network access can follow up.
    AlbumArtFetcher* albumArtFetcher() const { return m_albumArt; }

    // --- Polling the playlist ---------------------------------------------
    // The playlist poll as the screens' timers call it: every call fetches,
    // except for a VLC 3 with a long playlist, where calls are let through
    // at most every stretchedPlaylistSeconds until something hints at a
    // change (a new current item, a change of length or state, a playlist
    // command, or a screen that shows the playlist).
    void pollPlaylist();
    // A screen that shows the playlist or the folder listing appeared.
    void playlistShown() { m_playlistHint = true; }
    static constexpr int stretchFromItems = 2000;
    static constexpr double stretchedPlaylistSeconds = 15.0;

    // --- Reply handling ---------------------------------------------------
    // Feeds one reply as if it had arrived for a request of the given type;
    // what the channel does on completion, and what fuzz targets call.
    void processResponse(const HttpReply& reply, int requestType);
    void checkIfResponseIsValidRemote(const HttpReply& reply);
    void parseStatusResponse(const QByteArray& body);
    void parsePlaylistResponse(const QByteArray& body);
    void parseBrowseResponse(const QByteArray& body);

    // --- Commands ---------------------------------------------------------
    void sendHotkey(const QString& name);
    void toggleAudioDevice();
    void subtitleDelayDown();
    void subtitleDelayUp();
    void toggleSubtitles();
    void toggleAudioTrack();
    void cropAspectRatio();
    void toggleAspectRatio();
    void dvdMenu();
    void dvdSelect();
    void dvdRight();
    void dvdLeft();
    void dvdDown();
    void dvdUp();
    void audioDelayUp();
    void audioDelayDown();
    void speedSlower();
    void speedFaster();

    void pause();
    void stop();
    void previous();
    void next();
    void repeat();
    void loop();
    void random();
    void fullScreen();
    void emptyPlaylist();
    void removeFromPlaylist(int itemId);
    void playFromStart(int itemId);
    void playPause(int itemId);
    void playLastItemInPlaylist();
    void playFilename(const QString& path);
    void enqueueFilename(const QString& path);

    void seek(int percent);
    void seekSeconds(int seconds);
    void seekRelative(const QString& offset);
    void setVolume(int percent);

    void setAudioTrack(int index);
    void setVideoTrack(int index);
    void setSubtitleTrack(int index);
    void setAspectRatio(const QString& ratio);
    void playChapter(int number);
    void playTitle(int number);
    void setSpeed(int speed);
    // The rate as a multiplier: exact on VLC 3, through the integer scale on
    // the older interface.
    void setRate(double multiplier);
    void setAudioDelay(float seconds);

    void updateBrowseList();

    // --- Player state -----------------------------------------------------
    int timeElapsedSeconds() const { return smoothedTimeElapsedSeconds(); }
    int smoothedTimeElapsedSeconds() const;
    int timeLengthSeconds() const;
    int timeRemainingSeconds() const;
    int position() const;
    int volume() const;

    bool isPlaying() const;
    bool isStopped() const;
    bool isRandom() const;
    bool isRepeating() const;
    bool isLooping() const;
    bool isLuaUnlocked() const;
    PlaybackState playback() const;

    int itemsInPlaylist() const { return m_playlist.size(); }
    int currentItemIndex() const { return m_currentIndex.value_or(noCurrentItem); }
    // The row of the current item, if any: the form to use inside.
    std::optional<int> currentIndex() const { return m_currentIndex; }
    int idForIndex(int index) const;
    std::optional<QString> titleForIndex(int index) const;
    // The same for a row, without the special values.
    const PlaylistItem* itemAtRow(int row) const { return m_playlist.at(row); }
    QString titleOf(const PlaylistItem& item) const;

    int numberOfVideoTracks() const { return int(m_videoTracks.size()); }
    int numberOfAudioTracks() const { return int(m_audioTracks.size()); }
    int numberOfSubtitleTracks() const { return int(m_subtitleTracks.size()); }
    QString nameForVideoTrack(int index) const;
    QString nameForAudioTrack(int index) const;
    QString nameForSubtitleTrack(int index) const;
    QString detailsForVideoTrack(int index) const;
    QString detailsForAudioTrack(int index) const;
    QString detailsForSubtitleTrack(int index) const;
    int currentVideoTrack() const;
    int currentAudioTrack() const;
    int currentSubtitleTrack() const;

    int numberOfAspects() const { return int(m_status.aspectRatios.size()); }
    QString nameForAspect(int index) const;
    int currentAspect() const { return m_status.currentAspect; }
    int numberOfChapters() const { return m_status.chapters; }
    int currentChapter() const { return m_status.currentChapter; }
    QString nameForChapter(int number) const;
    int numberOfTitles() const { return m_status.titles; }
    int currentTitle() const { return m_status.currentTitle; }
    QString nameForTitle(int number) const;
    int speed() const { return m_speed; }
    // The rate as a multiplier (1 is normal), exact on VLC 3; nothing before
    // a status tells it.
    std::optional<double> rate() const;
    double audioDelay() const { return m_audioDelay; }

    QString name() const { return m_record.name(); }
    ConnectionState connectionState() const;
    // The connection state in words, for people.
    QString status() const;
    // How to give VLC 3 a password, for a VLC that has none set.
    static QString noPasswordHint();
    // VLC's version text from the status ("3.0.24 Vetinari"); empty when
    // the server does not say.
    QString serverVersion() const { return m_status.version; }
    // "playing", "paused", "stopped", VLC's own word for another state, or
    // empty before the first status.
    QString playbackState() const;
    // The playing item's title from the status alone (its metadata).
    QString statusTitle() const;

    // --- Folder listing -----------------------------------------------------
    int browseItemsInList() const { return int(m_browseArray.size()); }
    std::optional<QString> browseInfo(const QString& attribute, int index) const;
    std::optional<QString> filetypeForIndex(int index) const;
    // Moves the browser to the first drive folder that answers. Returns at
    // once; the folders are tried one after another in the background, and
    // driveSearchFinished tells the outcome.
    void openDrivesDirectory();
    // Whether VLC lists the folder; answers through the callback without
    // blocking, after at most the idle time-out.
    void directoryIsValid(const QString& folder, std::function<void(bool)> done);
    enum class FilePresence { Present, Absent, Unknown };
    // Whether VLC's listing of the folder of path (an absolute path on the
    // VLC computer) holds it; Unknown when VLC could not be asked. Answers
    // through the callback without blocking.
    void filePresence(const QString& path, std::function<void(FilePresence)> done);

    static QString fileTypeForExtension(const QString& extension);

signals:
    // A saved field changed, so the saved list must be written again.
    void recordChanged();
    // Every request ends here once: with the kind of reply that came, or
    // with the reason none did.
    void requestConcluded(const RequestResult& result);
    // openDrivesDirectory ended: found a drive folder, or none answered.
    void driveSearchFinished(bool found);
    // VLC answered a folder request with no listing (it cannot read the
    // folder, or it is gone): browseDir is back at the folder listed before,
    // and the stored listing is unchanged.
    void browseListRefused(const QString& folder);
    // albumArt() changed: other art, or none.
    void albumArtChanged();

private:
    template <typename T>
    void setRecordField(T& field, const T& value)
    {
        if (field == value && (!std::is_same_v<T, QString> || isNull(field) == isNull(value)))
            return;
        field = value;
        emit recordChanged();
    }
    static bool isNull(const QString& s) { return s.isNull(); }
    static bool isNull(bool) { return false; }
    void onRequestFinished(int kind, const HttpReply& reply);
    void onRequestFailed(int kind, RequestFailure failure);
    void sendRequest(const QString& path, const QUrlQuery& query, int kind, qint64 maxBytes);
    void conclude(const RequestResult& result);
    void storeStatus(PlayerStatus status);
    bool dropTemporaryValues();
    void updateEstimate();
    void updateCurrentIndex();
    void updateTrackInfoIfNeeded();
    void logUnrecognised(const QByteArray& body);
    QString dialectFreeExtension(const AttributeMap& entry) const;
    void tryDriveFolder(int candidate);
    void restoreListedDir();

    RemoteRecord m_record;
    QPointer<QNetworkAccessManager> m_network;

    int m_temporaryVolume = -1;
    int m_temporaryPosition = -1;
    int m_temporaryPositionSeconds = -1;
    int m_updatesToIgnore = 0;
    std::optional<double> m_estimatedStartTime;

    // The state, as the replies left it.
    PlayerStatus m_status;
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
    bool m_loggedUnrecognised = false;

    // The connection.
    RequestChannel* m_channel = nullptr; // child object, made on first use
    AlbumArtFetcher* m_albumArt = nullptr; // child object, made on first use
    bool m_remoteFound = false;
    bool m_forbidden = false;
    bool m_passwordRequired = false;
    bool m_passwordNotSet = false;
    bool m_luaMode = false;
    std::optional<double> m_lastResponse;
    std::deque<int> m_requestQueue;
    bool m_playlistDirty = false;
    bool m_statusDirty = false;
    std::optional<double> m_lastPlaylistFetch;
    bool m_playlistHint = true;
};
