#pragma once

#include "vlc/AttributeMap.h"
#include "vlc/HttpReply.h"
#include "vlc/TrackRecord.h"
#include "vlc/XmlNode.h"

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

class RequestChannel;
class ServerDialect;
struct Notification;

// One computer running VLC: what the user saved about it, the single request
// channel to it, the last replies, and the player state computed from them.
// Implemented over several files: the record and channel here, the commands
// in VLCControllerInfoActions.cpp, the state in VLCControllerState.cpp and the
// folder listing in VLCControllerBrowseMethods.cpp.
class VLCController : public QObject {
    Q_OBJECT
public:
    enum RequestType { OrdinaryRequest = 0, ProbeRequest = 1 };
    enum QueueCode { QueueStop = 1, QueueUpdatePlaylist = 2, QueuePlayLastItem = 3 };
    enum class ReplyKind { Status, Playlist, Browse, Probe, Unrecognised };
    Q_ENUM(ReplyKind)

    static constexpr int currentItem = 65535;
    static constexpr int noCurrentItem = 65520;

    VLCController();
    // Restores a saved record (the keys of encodeWithCoder).
    explicit VLCController(const QJsonObject& archive);
    ~VLCController() override;

    QJsonObject encodeWithCoder() const;
    void setup();

    // --- The saved record -------------------------------------------------
    // Setters of saved fields tell recordChanged() when the value changes.
    QString hostAddress() const { return m_hostAddress; }
    void setHostAddress(const QString& address) { setRecordField(m_hostAddress, address); }
    QString hostName() const { return m_hostName; }
    void setHostName(const QString& name) { setRecordField(m_hostName, name); }
    QString nickname() const { return m_nickname; }
    void setNickname(const QString& nickname) { setRecordField(m_nickname, nickname); }
    bool isDefault() const { return m_isDefault; }
    void setIsDefault(bool isDefault);
    QString defaultBrowseDirectory() const { return m_defaultBrowseDirectory; }
    void setDefaultBrowseDirectory(const QString& dir) { setRecordField(m_defaultBrowseDirectory, dir); }
    bool browseAdd() const { return m_browseAdd; }
    void setBrowseAdd(bool add) { setRecordField(m_browseAdd, add); }
    // VLC's HTTP password; a null string means none.
    QString password() const { return m_password; }
    void setPassword(const QString& password);
    bool hasPassword() const { return !m_password.isEmpty(); }

    bool discoveredFromBwIdent() const { return m_discoveredFromBwIdent; }
    void setDiscoveredFromBwIdent(bool value) { m_discoveredFromBwIdent = value; }
    bool isSaved() const { return m_isSaved; }
    void setIsSaved(bool saved) { m_isSaved = saved; }

    // --- Values that make the screens feel immediate ----------------------
    int temporaryVolume() const { return m_temporaryVolume; }
    void setTemporaryVolume(int v) { m_temporaryVolume = v; }
    int temporaryPosition() const { return m_temporaryPosition; }
    void setTemporaryPosition(int v) { m_temporaryPosition = v; }
    int temporaryPositionSeconds() const { return m_temporaryPositionSeconds; }
    void setTemporaryPositionSeconds(int v) { m_temporaryPositionSeconds = v; }
    int updatesToIgnore() const { return m_updatesToIgnore; }
    void setUpdatesToIgnore(int n) { m_updatesToIgnore = n; }
    std::optional<double> estimatedStartTime() const { return m_estimatedStartTime; }
    void setEstimatedStartTime(std::optional<double> t) { m_estimatedStartTime = t; }

    // --- Stored replies ---------------------------------------------------
    const XmlNodePtr& statusDict() const { return m_statusDict; }
    const std::vector<AttributeMap>& playlistArray() const { return m_playlistArray; }
    bool hasPlaylist() const { return m_hasPlaylist; }
    // Counts the playlist replies stored, so that a screen can tell whether
    // the playlist it shows is still the latest.
    quint64 playlistGeneration() const { return m_playlistGeneration; }
    const std::vector<AttributeMap>& browseArray() const { return m_browseArray; }
    bool hasBrowseList() const { return m_hasBrowseList; }
    QString browseDir() const { return m_browseDir; }
    void setBrowseDir(const QString& dir) { m_browseDir = dir; }
    int idForTrackCaches() const { return m_idForTrackCaches; }
    const TrackList& videoTracks() const { return m_videoTracks; }
    const TrackList& audioTracks() const { return m_audioTracks; }
    const TrackList& subtitleTracks() const { return m_subtitleTracks; }
    // The apiversion of the last status reply; 0 for the older interface.
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
    void setLuaMode(bool lua) { m_luaMode = lua; }

    // --- The request channel ----------------------------------------------
    QString baseAddress() const;
    void sendAsynchronousRequest(const QString& url);
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
    RequestChannel& channel() { return *m_channel; }

    // --- Reply handling ---------------------------------------------------
    void processResponse(const HttpReply& reply, int requestKind);
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
    void setAudioDelay(float seconds);

    void updateBrowseList();

    // --- Player state -----------------------------------------------------
    int timeElapsedSeconds();
    int smoothedTimeElapsedSeconds();
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

    int itemsInPlaylist() const;
    int currentItemIndex() const;
    int idForIndex(int index) const;
    std::optional<QString> titleForIndex(int index) const;

    void updateTrackInfoIfNeeded();
    int numberOfVideoTracks();
    int numberOfAudioTracks();
    int numberOfSubtitleTracks();
    QString nameForVideoTrack(int index);
    QString nameForAudioTrack(int index);
    QString nameForSubtitleTrack(int index);
    QString detailsForVideoTrack(int index);
    QString detailsForAudioTrack(int index);
    QString detailsForSubtitleTrack(int index);
    int currentVideoTrack();
    int currentAudioTrack();
    int currentSubtitleTrack();

    int numberOfAspects() const;
    QString nameForAspect(int index) const;
    int currentAspect() const;
    int numberOfChapters() const;
    int currentChapter() const;
    QString nameForChapter(int number) const;
    int numberOfTitles() const;
    int currentTitle() const;
    QString nameForTitle(int number) const;
    int speed() const;
    double audioDelay() const;

    QString name() const;
    QString status() const;
    // VLC's version text from the status ("3.0.24 Vetinari"); empty when
    // the server does not say.
    QString serverVersion() const;
    // "playing", "paused", "stopped", or empty before the first status.
    QString playbackState() const;

    // --- Folder listing -----------------------------------------------------
    int browseItemsInList() const;
    std::optional<QString> browseInfo(const QString& attribute, int index) const;
    std::optional<QString> filetypeForIndex(int index) const;
    // Moves the browser to the first drive folder that answers. Returns at
    // once; the folders are tried one after another in the background.
    void openDrivesDirectory();
    // Whether VLC lists the folder; answers through the callback without
    // blocking, after at most the idle time-out.
    void directoryIsValid(const QString& folder, std::function<void(bool)> done);

    static QString fileTypeForExtension(const QString& extension);

signals:
    // A saved field changed, so the saved list must be written again.
    void recordChanged();
    // Beyond the notifications: each completed or failed request, for the
    // command-line tool and tests.
    void replyHandled(VLCController::ReplyKind kind, int httpStatus);
    void requestFailed(RequestFailure failure);

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
    void someRemoteBecameDefault(const Notification& note);
    void onRequestFinished(int kind, const HttpReply& reply);
    void onRequestFailed(int kind, RequestFailure failure);
    void sendRequest(const QString& url, int kind);
    std::optional<QString> statusValue(QStringView key) const;
    bool statusFlag(QStringView key) const;
    const AttributeMap* playlistItem(int index) const;
    int indexOfCurrent(QStringView path) const;
    QString dialectFreeExtension(const AttributeMap& entry) const;
    void tryDriveFolder(int candidate);

    QString m_hostAddress;
    QString m_hostName;
    QString m_nickname;
    QString m_password;
    bool m_isDefault = false;
    QString m_defaultBrowseDirectory;
    bool m_browseAdd = false;
    bool m_discoveredFromBwIdent = false;
    bool m_isSaved = false;

    int m_temporaryVolume = -1;
    int m_temporaryPosition = -1;
    int m_temporaryPositionSeconds = -1;
    int m_updatesToIgnore = 0;
    std::optional<double> m_estimatedStartTime;

    XmlNodePtr m_statusDict;
    std::vector<AttributeMap> m_playlistArray;
    bool m_hasPlaylist = false;
    quint64 m_playlistGeneration = 0;
    QString m_browseDir;
    std::vector<AttributeMap> m_browseArray;
    bool m_hasBrowseList = false;
    int m_idForTrackCaches = -1;
    TrackList m_videoTracks;
    TrackList m_audioTracks;
    TrackList m_subtitleTracks;
    int m_apiVersion = 0;

    RequestChannel* m_channel = nullptr; // child object
    bool m_remoteFound = false;
    bool m_forbidden = false;
    bool m_passwordRequired = false;
    bool m_passwordNotSet = false;
    bool m_luaMode = false;
    std::optional<double> m_lastResponse;
    std::deque<int> m_requestQueue;
    bool m_playlistDirty = false;
    bool m_statusDirty = false;
};
