#pragma once

#include "models/AppContext.h"
#include "vlc/RemoteTypes.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class PlaylistModel;
class VLCController;

// The remote being shown, as every front end binds to it: the player's
// state as properties, each signalled only when its value changed, read
// from the remote's typed state after each reply is stored; the polls that
// keep it fresh while the session is active; and the commands, with the
// rules of the remote screen's buttons (volume steps, skip distance,
// play/pause).
//
// While active, the status is asked for every second and the playlist every
// three (a long playlist on VLC 3 less often, see VLCController::
// pollPlaylist). The elapsed and remaining times move every second while
// playing, from the state's estimate of the elapsed time, whether or not a
// status came in that second.
class RemoteSession : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(QString remoteName READ remoteName NOTIFY remoteNameChanged)
    Q_PROPERTY(bool hasStatus READ hasStatus NOTIFY hasStatusChanged)
    Q_PROPERTY(Playback playback READ playback NOTIFY playbackChanged)
    Q_PROPERTY(bool playing READ isPlaying NOTIFY playingChanged)
    Q_PROPERTY(bool stopped READ isStopped NOTIFY stoppedChanged)
    Q_PROPERTY(int volume READ volume NOTIFY volumeChanged)
    Q_PROPERTY(int maximumVolume READ maximumVolume NOTIFY maximumVolumeChanged)
    Q_PROPERTY(int elapsed READ elapsed NOTIFY elapsedChanged)
    Q_PROPERTY(int remaining READ remaining NOTIFY remainingChanged)
    Q_PROPERTY(int length READ length NOTIFY lengthChanged)
    Q_PROPERTY(double position READ position NOTIFY positionChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QString nowPlaying READ nowPlaying NOTIFY nowPlayingChanged)
    Q_PROPERTY(QString nowPlayingNote READ nowPlayingNote NOTIFY nowPlayingNoteChanged)
    Q_PROPERTY(bool random READ isRandom NOTIFY randomChanged)
    Q_PROPERTY(bool loop READ isLooping NOTIFY loopChanged)
    Q_PROPERTY(bool repeat READ isRepeating NOTIFY repeatChanged)
    Q_PROPERTY(Connection connection READ connection NOTIFY connectionChanged)
    Q_PROPERTY(QString connectionText READ connectionText NOTIFY connectionTextChanged)
    Q_PROPERTY(QByteArray albumArt READ albumArt NOTIFY albumArtChanged)
    Q_PROPERTY(PlaylistModel* playlist READ playlist CONSTANT)
public:
    enum class Playback { Unknown, Playing, Paused, Stopped, Other };
    Q_ENUM(Playback)
    // How the remote answers. A state the connection learns to tell (a
    // server that answers, but not usefully, say) joins here and in
    // connectionOf(), which the compiler keeps complete.
    enum class Connection { Connecting, Connected, Lost, PasswordNeeded, PasswordRefused, PasswordNotSet, UnusableReplies };
    Q_ENUM(Connection)
    // The commands of VLC's hotkeys that the advanced controls and the DVD
    // screen send.
    enum class KeyCommand {
        DvdUp,
        DvdDown,
        DvdLeft,
        DvdRight,
        DvdSelect,
        DvdMenu,
        SubtitleDelayDown,
        SubtitleDelayUp,
        AudioDelayDown,
        AudioDelayUp,
        SpeedSlower,
        SpeedFaster,
        ToggleSubtitles,
        ToggleAudioTrack,
        CropAspectRatio,
        ToggleAspectRatio,
    };
    Q_ENUM(KeyCommand)

    static constexpr int statusIntervalMs = 1000;
    static constexpr int playlistIntervalMs = 3000;
    static constexpr int volumeStep = 10;

    explicit RemoteSession(const AppContext& context, QObject* parent = nullptr);
    ~RemoteSession() override;

    std::shared_ptr<VLCController> remote() const { return m_remote; }
    void setRemote(const std::shared_ptr<VLCController>& remote);
    // Whether the remote's status lists what the advanced screens show
    // (VLC 3, or the Lua interface unlocked), rather than only taking the
    // plain key commands.
    static bool offersAdvancedScreens(const VLCController& remote);

    bool isActive() const { return m_active; }
    // Active: polls (and asks at once, the playlist too); inactive: quiet.
    // The owner sets it as the remote screen comes and goes, and as the
    // application becomes active or resigns.
    void setActive(bool active);
    bool pollsRunning() const { return m_statusTimer.isActive(); }
    // Asks for the status now, as each poll does.
    Q_INVOKABLE void poll();

    QString remoteName() const { return m_values.remoteName; }
    bool hasStatus() const { return m_values.hasStatus; }
    Playback playback() const { return m_values.playback; }
    bool isPlaying() const { return m_values.playing; }
    bool isStopped() const { return m_values.stopped; }
    int volume() const { return m_values.volume; }
    int maximumVolume() const { return m_values.maximumVolume; }
    int elapsed() const { return m_values.elapsed; }
    int remaining() const { return m_values.remaining; }
    int length() const { return m_values.length; }
    // 0 to 1.
    double position() const { return m_values.position; }
    // The playing item's title; empty when nothing is current.
    QString title() const { return m_values.title; }
    // What the title bar says: the title while connected, else the remote's
    // name, with the other one (or why there is no title) below.
    QString nowPlaying() const { return m_values.nowPlaying; }
    QString nowPlayingNote() const { return m_values.nowPlayingNote; }
    bool isRandom() const { return m_values.random; }
    bool isLooping() const { return m_values.loop; }
    bool isRepeating() const { return m_values.repeat; }
    Connection connection() const { return m_values.connection; }
    QString connectionText() const { return m_values.connectionText; }
    QByteArray albumArt() const { return m_values.albumArt; }
    PlaylistModel* playlist() const { return m_playlist; }

    static Connection connectionOf(ConnectionState state);

    // --- Commands -----------------------------------------------------------
    // Pauses what plays, else plays the current item.
    Q_INVOKABLE void playPause();
    Q_INVOKABLE void stop();
    Q_INVOKABLE void previous();
    Q_INVOKABLE void next();
    Q_INVOKABLE void toggleRandom();
    Q_INVOKABLE void toggleLoop();
    Q_INVOKABLE void toggleRepeat();
    // Steps of volumeStep, within 0 and maximumVolume.
    Q_INVOKABLE void volumeUp();
    Q_INVOKABLE void volumeDown();
    Q_INVOKABLE void setVolume(int percent);
    Q_INVOKABLE void seek(int seconds);
    // By the skip distance of the preferences.
    Q_INVOKABLE void skipForward();
    Q_INVOKABLE void skipBack();
    Q_INVOKABLE void fullScreen();
    // Asks for setupNoticeWanted() first where the older interface needs
    // its setup helper for these, then sends the command anyway.
    Q_INVOKABLE void sendKeyCommand(KeyCommand command);
    // The password of VLC's web interface, kept with the remote (a saved
    // one is saved with it); the remote is asked again at once.
    Q_INVOKABLE void supplyPassword(const QString& password);
    // The user does not want to give one now: passwordWanted() stays quiet
    // until the connection changes.
    Q_INVOKABLE void declinePassword();

    // --- Intents ------------------------------------------------------------
    Q_INVOKABLE void openPlaylist();
    Q_INVOKABLE void openBrowser();
    // The menu that suits the remote: VLC 3 and the unlocked Lua interface
    // get the screens of their status, others the plain key commands.
    Q_INVOKABLE void openAdvancedControls();
    // A web search for the playing item's title.
    Q_INVOKABLE void findInMovieDatabase();
    Q_INVOKABLE void findInShop();

signals:
    // Another remote is shown (or none).
    void remoteChanged();
    void activeChanged();
    void remoteNameChanged();
    void hasStatusChanged();
    void playbackChanged();
    void playingChanged();
    void stoppedChanged();
    void volumeChanged();
    void maximumVolumeChanged();
    void elapsedChanged();
    void remainingChanged();
    void lengthChanged();
    void positionChanged();
    void titleChanged();
    void nowPlayingChanged();
    void nowPlayingNoteChanged();
    void randomChanged();
    void loopChanged();
    void repeatChanged();
    void connectionChanged();
    void connectionTextChanged();
    void albumArtChanged();

    // VLC asks for a password (none given, or the given one refused): once
    // per change of the connection, unless the user declined.
    void passwordWanted();
    // VLC runs with no password set, so it lets no one in: once per change.
    void passwordNotSetNoticed();
    // A DVD or advanced command went to the older interface, and the user
    // has not yet been told that it needs the setup helper.
    void setupNoticeWanted();

private:
    struct Values {
        QString remoteName;
        bool hasStatus = false;
        Playback playback = Playback::Unknown;
        bool playing = false;
        bool stopped = true;
        int volume = 0;
        int maximumVolume = 0;
        int elapsed = 0;
        int remaining = 0;
        int length = 0;
        double position = 0;
        QString title;
        QString nowPlaying;
        QString nowPlayingNote;
        bool random = true;
        bool loop = true;
        bool repeat = true;
        Connection connection = Connection::Connecting;
        QString connectionText;
        QByteArray albumArt;
    };
    Values read() const;
    int volumeLimit() const;
    // Reads the remote and signals what changed.
    void refresh();
    // While it plays, the times are read again just after each whole
    // second of the estimate, so that they step by one whatever the polls do.
    void scheduleClockTick();
    void noteConnection(Connection before);
    void openSearch(const QString& base, const QString& path, const QString& key);

    AppContext m_context;
    std::shared_ptr<VLCController> m_remote;
    PlaylistModel* m_playlist; // child
    QTimer m_statusTimer;
    QTimer m_playlistTimer;
    QTimer m_clockTick;
    bool m_active = false;
    Values m_values;
    quint64 m_artGeneration = 0;
    bool m_connectionLogged = false;
    bool m_passwordDeclined = false;
};
