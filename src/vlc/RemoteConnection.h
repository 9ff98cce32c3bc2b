#pragma once

#include "vlc/HttpReply.h"
#include "vlc/PlaylistSort.h"
#include "vlc/RemoteTypes.h"
#include "vlc/RequestBackoff.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrlQuery>

#include <deque>
#include <functional>
#include <optional>

#include <QNetworkAccessManager>
class AlbumArtFetcher;
class PlayerState;
class RequestChannel;
struct PlayerStatus;
struct RemoteRecord;

// The link to one VLC while it is in use or being probed: the request
// channel over the network access its owner gives (made with the first
// request), the queue of follow-up requests, what the probe learnt, the
// pacing of playlist polls, and the commands, built through the dialect of
// the state it reads. The record and the state belong to the owner, which
// outlives the connection.
class RemoteConnection : public QObject {
    Q_OBJECT
public:
    enum RequestType { OrdinaryRequest = 0, ProbeRequest = 1, BrowseRequest = 2 };
    enum QueueCode {
        QueueStop = 1,
        QueueUpdatePlaylist = 2,
        QueuePlayLastItem = 3,
        // Turning the equalizer on where VLC had no gains yet (see
        // enableEqualizer): a gain for each band from the first, off, on again.
        QueueEqualizerGain = 4,
        QueueEqualizerOff = 5,
        QueueEqualizerOn = 6,
    };
    enum class FilePresence { Present, Absent, Unknown };

    // Caps on a reply's body by its kind: a real status is about 2 KB, a
    // playlist of 100,000 items with long paths fits in 64 MB.
    static constexpr qint64 maxPageBytes = 1024 * 1024;
    static constexpr qint64 maxListBytes = 64LL * 1024 * 1024;
    static constexpr int stretchFromItems = 2000;
    static constexpr double stretchedPlaylistSeconds = 15.0;

    RemoteConnection(const RemoteRecord& record, PlayerState& state, QNetworkAccessManager* network,
                     QObject* parent = nullptr);
    ~RemoteConnection() override;

    void setNetwork(QNetworkAccessManager* network);
    // Another server may answer now: nothing fetched for the last one stays.
    void forgetServer();

    // --- Requests -----------------------------------------------------------
    void sendAsynchronousRequest(const QString& path, const QUrlQuery& query = {});
    void clearOldRequest();
    bool isBusy() const;
    int requestType() const;
    std::optional<double> lastResponse() const { return m_lastResponse; }
    // A reply this many whole seconds old means the connection is lost.
    static constexpr int lostAfterSeconds = 3;
    // The moment the connection counted as lost; none while it is not.
    std::optional<double> lostSince() const;
    void addRequestToQueue(int code) { m_requestQueue.push_back(code); }
    const std::deque<int>& requestQueue() const { return m_requestQueue; }
    void clearQueue() { m_requestQueue.clear(); }
    void processQueue();
    void updateStatus();
    void updatePlaylist();
    void pollPlaylist();
    // Something hints that the playlist changed: the next poll fetches it.
    void hintPlaylistChange() { m_playlistHint = true; }
    void searchForPlayerLink();
    void updateBrowseList();
    bool playlistDirty() const { return m_playlistDirty; }
    void setPlaylistDirty(bool dirty) { m_playlistDirty = dirty; }
    bool statusDirty() const { return m_statusDirty; }
    void setStatusDirty(bool dirty) { m_statusDirty = dirty; }
    RequestChannel& channel();
    bool hasChannel() const { return m_channel != nullptr; }

    // --- What the replies tell of the server --------------------------------
    enum class ProbeOutcome { Nothing, FoundRemote, FoundValidRemote };
    // Reads the answer to a probe into the probe results.
    ProbeOutcome noteProbeReply(const HttpReply& reply);
    // Reads a password refusal (or its absence) from any other reply.
    void noteReplyStatus(const HttpReply& reply);
    // A status came, so VLC has a password set.
    void noteStatusArrived() { m_passwordNotSet = false; }
    // What the reply being handled turned out to be: a status or playlist
    // poll whose replies keep being something else is held back.
    void noteReplyKind(ReplyKind kind, int httpStatus);
    bool remoteFound() const { return m_remoteFound; }
    bool forbidden() const { return m_forbidden; }
    bool passwordRequired() const { return m_passwordRequired; }
    // VLC refused the password the remote has now (not an earlier one, nor
    // a request that carried none).
    bool passwordRefused() const;
    bool passwordNotSet() const { return m_passwordNotSet; }
    bool luaMode() const { return m_luaMode; }
    void setLuaMode(bool lua);
    ConnectionState connectionState() const;

    // --- Album art ----------------------------------------------------------
    // Follows a stored status up with the art it names, if a network is given.
    void noteStatus(const PlayerStatus& status, bool servesArt);
    QByteArray albumArt() const;
    quint64 albumArtGeneration() const;
    AlbumArtFetcher* albumArtFetcher() const { return m_albumArt; }

    // --- Folders --------------------------------------------------------------
    void openDrivesDirectory();
    void directoryIsValid(const QString& folder, std::function<void(bool)> done);
    void filePresence(const QString& path, std::function<void(FilePresence)> done);

    // --- Commands (RemoteConnectionCommands.cpp) ----------------------------------------
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
    // Pauses a player that plays and leaves any other as it is.
    void pauseIfPlaying();
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
    void setRate(double multiplier);
    void setAudioDelay(float seconds);
    // VLC 3's subtitle delay in seconds (nothing for what is no number).
    void setSubtitleDelay(double seconds);
    // VLC's equalizer. Turned on where VLC has no gains yet (none set
    // since it started, and none in its settings), VLC's filter fails to
    // start though its status says it is on, and only turning it off and on
    // again with gains set starts it: its reply tells, and then that
    // follows. VLC 3 puts a band's gain after the gains it has when it has
    // fewer (band 3 of one gain lands in band 1), so every band is set,
    // in order. Gains go within -20 to 20 dB; a band outside 0 to 9, a gain
    // or preset that is no number or id, sends nothing.
    void enableEqualizer(bool on);
    void setEqualizerBand(int band, double db);
    void setEqualizerPreamp(double db);
    void setEqualizerPreset(int presetId);
    // VLC 3 sorts its playlist, forward or in reverse.
    void sortPlaylist(PlaylistSortKey key, bool reverse);
    // A subtitle file on the VLC computer for what plays: VLC wants a
    // path, so a file URL is made one.
    void addSubtitle(const QString& path);
    static QString subtitlePath(const QString& pathOrFileUrl);

signals:
    // A reply came for a request of the given type; the queue is worked on
    // after the receivers have read it.
    void replyArrived(const HttpReply& reply, int requestType);
    // A request ended without a reply, or was never sent.
    void requestConcluded(const RequestResult& result);
    void driveSearchFinished(bool found);
    void albumArtChanged();

private:
    // The polled pages, each with its own backoff.
    enum class Page { Other, Status, Playlist };
    enum class Outcome { Usable, Unusable, Silent };
    void noteOutcome(Page page, Outcome outcome);

    void sendRequest(const QString& path, const QUrlQuery& query, int kind, qint64 maxBytes);
    void onRequestFinished(int kind, const HttpReply& reply);
    void onRequestFailed(int kind, RequestFailure failure);
    void restartEqualizerIfStuck();
    void playlistCommand(const QUrlQuery& query);
    RequestChannel* folderProbe(int deadlineMs);
    void tryDriveFolder(int candidate);

    const RemoteRecord& m_record;
    PlayerState& m_state;
    QPointer<QNetworkAccessManager> m_network;
    RequestChannel* m_channel = nullptr; // child object, made on first use
    AlbumArtFetcher* m_albumArt = nullptr; // child object, made on first use
    bool m_remoteFound = false;
    bool m_forbidden = false;
    bool m_passwordRequired = false;
    QString m_sentPassword;    // carried by the accepted request
    QString m_refusedPassword; // carried by the request VLC last refused
    bool m_passwordNotSet = false;
    bool m_luaMode = false;
    std::optional<double> m_lastResponse;
    std::deque<int> m_requestQueue;
    bool m_playlistDirty = false;
    bool m_statusDirty = false;
    std::optional<double> m_lastPlaylistFetch;
    bool m_playlistHint = true;
    Page m_acceptedPage = Page::Other; // of the accepted request
    // The accepted request turns the equalizer on: its reply says whether
    // VLC's filter can start.
    bool m_acceptedEnablesEqualizer = false;
    int m_nextGainBand = 0; // the band the next queued equalizer gain is for
    Page m_replyPage = Page::Other;    // of the reply being handled
    RequestBackoff m_statusBackoff;
    RequestBackoff m_playlistBackoff;
    bool m_statusUnusable = false; // the status replies keep being unusable
};
