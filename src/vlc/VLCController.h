#pragma once

#include "vlc/HttpReply.h"
#include "vlc/PlayerState.h"
#include "vlc/RemoteConnection.h"
#include "vlc/RemoteRecord.h"
#include "vlc/RemoteTypes.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrlQuery>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QNetworkAccessManager>
class AlbumArtFetcher;
class RequestChannel;
class ServerDialect;

// One computer running VLC, as the screens hold it: the saved record (a
// value), the player state (PlayerState, parsed once per reply) and the
// connection to it (RemoteConnection: channel, probe results and commands),
// which is made only once the remote is used or probed, so that a remote
// that is merely saved costs no network object. Replies that the
// connection receives are read into the state here and announced under the
// remote's own name.
class VLCController : public QObject {
    Q_OBJECT
public:
    enum RequestType {
        OrdinaryRequest = RemoteConnection::OrdinaryRequest,
        ProbeRequest = RemoteConnection::ProbeRequest,
        BrowseRequest = RemoteConnection::BrowseRequest
    };
    enum QueueCode {
        QueueStop = RemoteConnection::QueueStop,
        QueueUpdatePlaylist = RemoteConnection::QueueUpdatePlaylist,
        QueuePlayLastItem = RemoteConnection::QueuePlayLastItem
    };
    using ReplyKind = ::ReplyKind;
    using FilePresence = RemoteConnection::FilePresence;

    // The index values of the accessors' interface.
    static constexpr int currentItem = PlayerState::currentItem;
    static constexpr int noCurrentItem = PlayerState::noCurrentItem;

    static constexpr qint64 maxPageBytes = RemoteConnection::maxPageBytes;
    static constexpr qint64 maxListBytes = RemoteConnection::maxListBytes;

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

    // The parts: the player state, and the connection (made on first use;
    // hasConnection tells whether it exists without making it).
    const PlayerState& state() const { return m_state; }
    RemoteConnection& connection();
    bool hasConnection() const { return m_connection != nullptr; }

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
    int temporaryVolume() const { return m_state.temporaryVolume(); }
    void setTemporaryVolume(int v) { m_state.setTemporaryVolume(v); }
    int temporaryPosition() const { return m_state.temporaryPosition(); }
    void setTemporaryPosition(int v) { m_state.setTemporaryPosition(v); }
    int temporaryPositionSeconds() const { return m_state.temporaryPositionSeconds(); }
    void setTemporaryPositionSeconds(int v) { m_state.setTemporaryPositionSeconds(v); }
    int updatesToIgnore() const { return m_state.updatesToIgnore(); }
    void setUpdatesToIgnore(int n) { m_state.setUpdatesToIgnore(n); }
    std::optional<double> estimatedStartTime() const { return m_state.estimatedStartTime(); }

    // --- Stored replies ---------------------------------------------------
    bool hasStatus() const { return m_state.hasStatus(); }
    const PlayerStatus& playerStatus() const { return m_state.playerStatus(); }
    const Playlist& playlist() const { return m_state.playlist(); }
    bool hasPlaylist() const { return m_state.hasPlaylist(); }
    // Counts the playlist replies stored (an unchanged reply is not stored),
    // so that a screen can tell whether the playlist it shows is the latest.
    quint64 playlistGeneration() const { return m_state.playlistGeneration(); }
    quint64 statusGeneration() const { return m_state.statusGeneration(); }
    const std::vector<BrowseEntry>& browseArray() const { return m_state.browseArray(); }
    bool hasBrowseList() const { return m_state.hasBrowseList(); }
    QString browseDir() const { return m_state.browseDir(); }
    void setBrowseDir(const QString& dir) { m_state.setBrowseDir(dir); }
    // The folder the stored listing shows; none before the first listing.
    std::optional<QString> listedDir() const { return m_state.listedDir(); }
    int idForTrackCaches() const { return m_state.idForTrackCaches(); }
    const TrackList& videoTracks() const { return m_state.videoTracks(); }
    const TrackList& audioTracks() const { return m_state.audioTracks(); }
    const TrackList& subtitleTracks() const { return m_state.subtitleTracks(); }
    // The apiversion the remote speaks; 0 for the older interface. Once a
    // remote has answered as VLC 3 it keeps that dialect until a complete
    // status or the probe shows another interface, or the address changes.
    int apiVersion() const { return m_state.apiVersion(); }
    const ServerDialect& dialect() const { return m_state.dialect(); }

    // --- Probe results (none before the connection is made) ------------------
    bool remoteFound() const { return m_connection && m_connection->remoteFound(); }
    bool forbidden() const { return m_connection && m_connection->forbidden(); }
    // VLC asked for a password (401): none was sent, or it was refused.
    bool passwordRequired() const { return m_connection && m_connection->passwordRequired(); }
    // VLC refused the password set now; a password given since a refusal is
    // not refused until VLC has answered it.
    bool passwordRefused() const { return m_connection && m_connection->passwordRefused(); }
    // VLC runs but has no password configured, so it refuses everyone.
    bool passwordNotSet() const { return m_connection && m_connection->passwordNotSet(); }
    bool luaMode() const { return m_connection && m_connection->luaMode(); }
    void setLuaMode(bool lua) { connection().setLuaMode(lua); }

    // --- Requests -----------------------------------------------------------
    QString baseAddress() const { return m_record.baseAddress(); }
    // Sends a GET for path and query under the base address, superseding
    // the request in flight.
    void sendAsynchronousRequest(const QString& path, const QUrlQuery& query = {})
    {
        connection().sendAsynchronousRequest(path, query);
    }
    void clearOldRequest()
    {
        if (m_connection)
            m_connection->clearOldRequest();
    }
    bool isBusy() const { return m_connection && m_connection->isBusy(); }
    int requestType() const { return m_connection ? m_connection->requestType() : OrdinaryRequest; }
    std::optional<double> lastResponse() const;
    void addRequestToQueue(int code) { connection().addRequestToQueue(code); }
    const std::deque<int>& requestQueue() const;
    void processQueue() { connection().processQueue(); }
    void updateStatus() { connection().updateStatus(); }
    void updatePlaylist() { connection().updatePlaylist(); }
    void searchForPlayerLink() { connection().searchForPlayerLink(); }
    bool playlistDirty() const { return m_connection && m_connection->playlistDirty(); }
    void setPlaylistDirty(bool dirty) { connection().setPlaylistDirty(dirty); }
    bool statusDirty() const { return m_connection && m_connection->statusDirty(); }
    void setStatusDirty(bool dirty) { connection().setStatusDirty(dirty); }
    // The channel, made on first use.
    RequestChannel& channel() { return connection().channel(); }

    // --- Album art ----------------------------------------------------------
    // The encoded art of the playing item, fetched beside the polls when a
    // status names new art; empty when there is none (yet).
    QByteArray albumArt() const { return m_connection ? m_connection->albumArt() : QByteArray(); }
    // Counts the changes of albumArt(); 0 before any.
    quint64 albumArtGeneration() const { return m_connection ? m_connection->albumArtGeneration() : 0; }
    // Made with the first status that a network access can follow up.
    AlbumArtFetcher* albumArtFetcher() const { return m_connection ? m_connection->albumArtFetcher() : nullptr; }

    // --- Polling the playlist ---------------------------------------------
    // The playlist poll as the screens' timers call it: every call fetches,
    // except for a VLC 3 with a long playlist, where calls are let through
    // at most every stretchedPlaylistSeconds until something hints at a
    // change (a new current item, a change of length or state, a playlist
    // command, or a screen that shows the playlist).
    void pollPlaylist() { connection().pollPlaylist(); }
    // A screen that shows the playlist or the folder listing appeared.
    void playlistShown()
    {
        if (m_connection) // a new connection fetches the playlist at once anyway
            m_connection->hintPlaylistChange();
    }
    static constexpr int stretchFromItems = RemoteConnection::stretchFromItems;
    static constexpr double stretchedPlaylistSeconds = RemoteConnection::stretchedPlaylistSeconds;

    // --- Reply handling ---------------------------------------------------
    // Feeds one reply as if it had arrived for a request of the given type;
    // what the connection does on completion, and what fuzz targets call.
    void processResponse(const HttpReply& reply, int requestType);
    void checkIfResponseIsValidRemote(const HttpReply& reply);
    // Both return whether the reply was new (the same bytes are not read again).
    bool parseStatusResponse(const QByteArray& body);
    bool parsePlaylistResponse(const QByteArray& body);
    void parseBrowseResponse(const QByteArray& body);

    // --- Commands ---------------------------------------------------------
    void sendHotkey(const QString& name) { connection().sendHotkey(name); }
    void toggleAudioDevice() { connection().toggleAudioDevice(); }
    void subtitleDelayDown() { connection().subtitleDelayDown(); }
    void subtitleDelayUp() { connection().subtitleDelayUp(); }
    void toggleSubtitles() { connection().toggleSubtitles(); }
    void toggleAudioTrack() { connection().toggleAudioTrack(); }
    void cropAspectRatio() { connection().cropAspectRatio(); }
    void toggleAspectRatio() { connection().toggleAspectRatio(); }
    void dvdMenu() { connection().dvdMenu(); }
    void dvdSelect() { connection().dvdSelect(); }
    void dvdRight() { connection().dvdRight(); }
    void dvdLeft() { connection().dvdLeft(); }
    void dvdDown() { connection().dvdDown(); }
    void dvdUp() { connection().dvdUp(); }
    void audioDelayUp() { connection().audioDelayUp(); }
    void audioDelayDown() { connection().audioDelayDown(); }
    void speedSlower() { connection().speedSlower(); }
    void speedFaster() { connection().speedFaster(); }

    void pause() { connection().pause(); }
    void stop() { connection().stop(); }
    void previous() { connection().previous(); }
    void next() { connection().next(); }
    void repeat() { connection().repeat(); }
    void loop() { connection().loop(); }
    void random() { connection().random(); }
    void fullScreen() { connection().fullScreen(); }
    void emptyPlaylist() { connection().emptyPlaylist(); }
    void removeFromPlaylist(int itemId) { connection().removeFromPlaylist(itemId); }
    void playFromStart(int itemId) { connection().playFromStart(itemId); }
    void playPause(int itemId) { connection().playPause(itemId); }
    void playLastItemInPlaylist() { connection().playLastItemInPlaylist(); }
    void playFilename(const QString& path) { connection().playFilename(path); }
    void enqueueFilename(const QString& path) { connection().enqueueFilename(path); }

    void seek(int percent) { connection().seek(percent); }
    void seekSeconds(int seconds) { connection().seekSeconds(seconds); }
    void seekRelative(const QString& offset) { connection().seekRelative(offset); }
    void setVolume(int percent) { connection().setVolume(percent); }

    void setAudioTrack(int index) { connection().setAudioTrack(index); }
    void setVideoTrack(int index) { connection().setVideoTrack(index); }
    void setSubtitleTrack(int index) { connection().setSubtitleTrack(index); }
    void setAspectRatio(const QString& ratio) { connection().setAspectRatio(ratio); }
    void playChapter(int number) { connection().playChapter(number); }
    void playTitle(int number) { connection().playTitle(number); }
    void setSpeed(int speed) { connection().setSpeed(speed); }
    // The rate as a multiplier: exact on VLC 3, through the integer scale on
    // the older interface.
    void setRate(double multiplier) { connection().setRate(multiplier); }
    void setAudioDelay(float seconds) { connection().setAudioDelay(seconds); }

    void updateBrowseList() { connection().updateBrowseList(); }

    // --- Player state -----------------------------------------------------
    int timeElapsedSeconds() const { return m_state.smoothedTimeElapsedSeconds(); }
    int smoothedTimeElapsedSeconds() const { return m_state.smoothedTimeElapsedSeconds(); }
    int timeLengthSeconds() const { return m_state.timeLengthSeconds(); }
    int timeRemainingSeconds() const { return m_state.timeRemainingSeconds(); }
    int position() const { return m_state.position(); }
    int volume() const { return m_state.volume(); }

    bool isPlaying() const { return m_state.isPlaying(); }
    bool isStopped() const { return m_state.isStopped(); }
    bool isRandom() const { return m_state.isRandom(); }
    bool isRepeating() const { return m_state.isRepeating(); }
    bool isLooping() const { return m_state.isLooping(); }
    bool isLuaUnlocked() const { return m_record.nickname.endsWith(QStringLiteral("zqv")); }
    PlaybackState playback() const { return m_state.playback(); }

    int itemsInPlaylist() const { return m_state.itemsInPlaylist(); }
    int currentItemIndex() const { return m_state.currentIndex().value_or(noCurrentItem); }
    // The row of the current item, if any: the form to use inside.
    std::optional<int> currentIndex() const { return m_state.currentIndex(); }
    int idForIndex(int index) const { return m_state.idForIndex(index); }
    std::optional<QString> titleForIndex(int index) const { return m_state.titleForIndex(index); }
    // The same for a row, without the special values.
    const PlaylistItem* itemAtRow(int row) const { return m_state.playlist().at(row); }
    QString titleOf(const PlaylistItem& item) const { return m_state.titleOf(item); }

    int numberOfVideoTracks() const { return int(m_state.videoTracks().size()); }
    int numberOfAudioTracks() const { return int(m_state.audioTracks().size()); }
    int numberOfSubtitleTracks() const { return int(m_state.subtitleTracks().size()); }
    int currentVideoTrack() const { return m_state.currentVideoTrack(); }
    int currentAudioTrack() const { return m_state.currentAudioTrack(); }
    int currentSubtitleTrack() const { return m_state.currentSubtitleTrack(); }

    int numberOfAspects() const { return int(m_state.playerStatus().aspectRatios.size()); }
    QString nameForAspect(int index) const { return m_state.nameForAspect(index); }
    int currentAspect() const { return m_state.playerStatus().currentAspect; }
    int numberOfChapters() const { return m_state.playerStatus().chapters; }
    int currentChapter() const { return m_state.playerStatus().currentChapter; }
    QString nameForChapter(int number) const { return PlayerState::nameForChapter(number); }
    int numberOfTitles() const { return m_state.playerStatus().titles; }
    int currentTitle() const { return m_state.playerStatus().currentTitle; }
    QString nameForTitle(int number) const { return PlayerState::nameForTitle(number); }
    int speed() const { return m_state.speed(); }
    // The rate as a multiplier (1 is normal), exact on VLC 3; nothing before
    // a status tells it.
    std::optional<double> rate() const { return m_state.rate(); }
    double audioDelay() const { return m_state.audioDelay(); }

    QString name() const { return m_record.name(); }
    ConnectionState connectionState() const
    {
        return m_connection ? m_connection->connectionState() : ConnectionState::Connecting;
    }
    // The connection state in words, for people.
    QString status() const;
    // How to give VLC 3 a password, for a VLC that has none set.
    static QString noPasswordHint();
    // VLC's version text from the status ("3.0.24 Vetinari"); empty when
    // the server does not say.
    QString serverVersion() const { return m_state.playerStatus().version; }
    // "playing", "paused", "stopped", VLC's own word for another state, or
    // empty before the first status.
    QString playbackState() const { return m_state.playbackState(); }
    // The playing item's title from the status alone (its metadata).
    QString statusTitle() const { return m_state.statusTitle(); }

    // --- Folder listing -----------------------------------------------------
    // Whether listings keep only folders and media files; whoever asks for
    // a listing says so, from the user's preference.
    void setListsOnlyMediaFiles(bool only) { m_listsOnlyMediaFiles = only; }
    int browseItemsInList() const { return int(m_state.browseArray().size()); }
    std::optional<QString> browseInfo(const QString& attribute, int index) const
    {
        return m_state.browseInfo(attribute, index);
    }
    std::optional<QString> filetypeForIndex(int index) const { return m_state.filetypeForIndex(index, luaMode()); }
    // Moves the browser to the first drive folder that answers. Returns at
    // once; the folders are tried one after another in the background, and
    // driveSearchFinished tells the outcome.
    void openDrivesDirectory() { connection().openDrivesDirectory(); }
    // Whether VLC lists the folder; answers through the callback without
    // blocking, after at most the idle time-out.
    void directoryIsValid(const QString& folder, std::function<void(bool)> done)
    {
        connection().directoryIsValid(folder, std::move(done));
    }
    // Whether VLC's listing of the folder of path (an absolute path on the
    // VLC computer) holds it; Unknown when VLC could not be asked. Answers
    // through the callback without blocking.
    void filePresence(const QString& path, std::function<void(FilePresence)> done)
    {
        connection().filePresence(path, std::move(done));
    }

    static QString fileTypeForExtension(const QString& extension)
    {
        return PlayerState::fileTypeForExtension(extension);
    }

signals:
    // A saved field changed, so the saved list must be written again.
    void recordChanged();
    // A status reply was stored (or the values shown while a command was on
    // its way were dropped); a reply of the same bytes is not announced.
    void statusChanged();
    // A new playlist was stored.
    void playlistChanged();
    // A folder listing was stored.
    void browseListChanged();
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
    void logUnrecognised(const QByteArray& body);

    RemoteRecord m_record;
    QPointer<QNetworkAccessManager> m_network; // what the connection is made with
    PlayerState m_state;
    RemoteConnection* m_connection = nullptr; // child object, made on first use
    bool m_loggedUnrecognised = false;
    bool m_listsOnlyMediaFiles = false;
};
