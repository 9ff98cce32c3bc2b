#pragma once

#include "vlc/HttpReply.h"
#include "vlc/PlayerState.h"
#include "vlc/RemoteConnection.h"
#include "vlc/RemoteRecord.h"
#include "vlc/RemoteTypes.h"

#include <QByteArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

// One computer running VLC, as the screens hold it: the saved record (a
// value), the player state (PlayerState, parsed once per reply) and the
// connection to it (RemoteConnection: channel, probe results and commands),
// which is made only once the remote is used or probed, so that a remote
// that is merely saved costs no network object. Replies that the
// connection receives are read into the state here and announced under the
// remote's own name; the rest of the connection is reached by connection().
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
    QString name() const { return m_record.name(); }
    void setHostAddress(const QString& address);
    void setHostName(const QString& name) { setRecordField(m_record.hostName, name); }
    void setNickname(const QString& nickname) { setRecordField(m_record.nickname, nickname); }
    void setIsDefault(bool isDefault);
    void setDefaultBrowseDirectory(const QString& dir) { setRecordField(m_record.defaultBrowseDirectory, dir); }
    void setBrowseAdd(bool add) { setRecordField(m_record.browseAdd, add); }
    // VLC's HTTP password; a null string means none.
    void setPassword(const QString& password) { setRecordField(m_record.password, password); }
    void setHardwareAddress(const QString& address) { setRecordField(m_record.hardwareAddress, address); }
    void setDiscoveredFromBwIdent(bool value) { m_record.discoveredFromBwIdent = value; }
    void setIsSaved(bool saved) { m_record.isSaved = saved; }

    // --- Values the commands set for immediate feedback --------------------
    void setTemporaryVolume(int v) { m_state.setTemporaryVolume(v); }
    void setTemporaryPosition(int v) { m_state.setTemporaryPosition(v); }
    void setTemporaryPositionSeconds(int v) { m_state.setTemporaryPositionSeconds(v); }
    void setUpdatesToIgnore(int n) { m_state.setUpdatesToIgnore(n); }
    // The folder the browser goes to with the next listing.
    void setBrowseDir(const QString& dir) { m_state.setBrowseDir(dir); }

    // --- What the connection knows, without making it ------------------------
    // A remote without a connection is not found, not busy and has no art.
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
    bool isBusy() const { return m_connection && m_connection->isBusy(); }
    std::optional<double> lastResponse() const;
    // The elapsed seconds of what plays, smoothed between replies; they stand
    // still once the connection is lost, as nothing says VLC still plays.
    int timeElapsedSeconds() const;
    // The encoded art of the playing item, fetched beside the polls when a
    // status names new art; empty when there is none (yet).
    QByteArray albumArt() const { return m_connection ? m_connection->albumArt() : QByteArray(); }
    // Counts the changes of albumArt(); 0 before any.
    quint64 albumArtGeneration() const { return m_connection ? m_connection->albumArtGeneration() : 0; }
    ConnectionState connectionState() const;
    // The connection state in words, for people.
    QString status() const;
    // How to give VLC 3 a password, for a VLC that has none set.
    static QString noPasswordHint();
    // The type of the listing's entry at index, in the connection's dialect.
    std::optional<QString> filetypeForIndex(int index) const { return m_state.filetypeForIndex(index, luaMode()); }
    // Whether listings keep only folders and media files (the asker's preference).
    void setListsOnlyMediaFiles(bool only) { m_listsOnlyMediaFiles = only; }

    // --- Reply handling ---------------------------------------------------
    // Feeds one reply as if it had arrived for a request of the given type;
    // what the connection does on completion, and what fuzz targets call.
    void processResponse(const HttpReply& reply, int requestType);
    void checkIfResponseIsValidRemote(const HttpReply& reply);
    // Both return whether the reply was new (the same bytes are not read again).
    bool parseStatusResponse(const QByteArray& body);
    bool parsePlaylistResponse(const QByteArray& body);
    void parseBrowseResponse(const QByteArray& body);

    // --- Commands (each sends a request, making the connection) ------------------
    void updateStatus() { connection().updateStatus(); }
    void updatePlaylist() { connection().updatePlaylist(); }
    void updateBrowseList() { connection().updateBrowseList(); }
    void searchForPlayerLink() { connection().searchForPlayerLink(); }
    // The playlist poll of the screens' timers: on a VLC 3 with a long playlist,
    // at most every stretchedPlaylistSeconds until a hint of change (new current
    // item, length or state, a playlist command, a screen showing the playlist).
    void pollPlaylist() { connection().pollPlaylist(); }
    // A screen that shows the playlist or the folder listing appeared.
    void playlistShown()
    {
        if (m_connection) // a new connection fetches the playlist at once anyway
            m_connection->hintPlaylistChange();
    }

    void pause() { connection().pause(); }
    void pauseIfPlaying() { connection().pauseIfPlaying(); }
    void stop() { connection().stop(); }
    void previous() { connection().previous(); }
    void next() { connection().next(); }
    void repeat() { connection().repeat(); }
    void loop() { connection().loop(); }
    void random() { connection().random(); }
    void fullScreen() { connection().fullScreen(); }
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
    // The rate as a multiplier: exact on VLC 3, on the integer scale before.
    void setRate(double multiplier) { connection().setRate(multiplier); }
    void setAudioDelay(float seconds) { connection().setAudioDelay(seconds); }
    void setSubtitleDelay(double seconds) { connection().setSubtitleDelay(seconds); }
    void enableEqualizer(bool on) { connection().enableEqualizer(on); }
    void setEqualizerBand(int band, double db) { connection().setEqualizerBand(band, db); }
    void setEqualizerPreamp(double db) { connection().setEqualizerPreamp(db); }
    void setEqualizerPreset(int presetId) { connection().setEqualizerPreset(presetId); }
    void sortPlaylist(PlaylistSortKey key, bool reverse) { connection().sortPlaylist(key, reverse); }
    void addSubtitle(const QString& path) { connection().addSubtitle(path); }
    // The equalizer is being turned off and on again to start (see
    // RemoteConnection::enableEqualizer): the statuses meanwhile say off.
    bool equalizerRestarting() const;
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

    void emptyPlaylist() { connection().emptyPlaylist(); }
    void removeFromPlaylist(int itemId) { connection().removeFromPlaylist(itemId); }
    void playFromStart(int itemId) { connection().playFromStart(itemId); }
    void playPause(int itemId) { connection().playPause(itemId); }
    void playLastItemInPlaylist() { connection().playLastItemInPlaylist(); }
    void playFilename(const QString& path) { connection().playFilename(path); }
    void enqueueFilename(const QString& path) { connection().enqueueFilename(path); }

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

signals:
    // A saved field changed, so the saved list must be written again.
    void recordChanged();
    // setIsDefault(true): the saved list makes every other record not default.
    void becameDefault();
    // A probe found something that answers like VLC's interface but cannot be
    // used (it wants a password, refuses this one, has none set, forbids us).
    void foundRemote();
    // A probe found VLC's interface, ready for use.
    void foundValidRemote();
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
