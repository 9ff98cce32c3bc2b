#pragma once

#include "platform/MprisArtFile.h"
#include "platform/MprisState.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <memory>

class MprisCommands;
class MprisPlayerAdaptor;
class VLCController;

// Publishes the open remote as an MPRIS 2 player on the session bus, so that
// media keys, the desktop's media widgets and playerctl drive it. It reads
// the remote after every request the remote concludes and announces, with
// PropertiesChanged, only the values that changed. Without a session bus it
// says so once in the log and stays silent.
class MprisService : public QObject {
    Q_OBJECT
public:
    static constexpr const char* serviceName = "org.mpris.MediaPlayer2.playerlink";
    static constexpr const char* objectPath = "/org/mpris/MediaPlayer2";

    // artFolder: where the playing item's art is written for the desktop;
    // empty: the application's cache.
    explicit MprisService(MprisCommands& commands, const QDBusConnection& bus = QDBusConnection::sessionBus(),
                          QObject* parent = nullptr, const QString& artFolder = QString());
    ~MprisService() override;

    // The remote to publish; null withdraws the player from the bus.
    void setRemote(const std::shared_ptr<VLCController>& remote);
    std::shared_ptr<VLCController> remote() const { return m_remote; }
    bool isPublished() const { return m_published; }

    // The last reading, and a fresh position (it moves between readings).
    const MprisState& state() const { return m_state; }
    qlonglong currentPosition() const;
    // Reads the remote again and announces what changed.
    void refresh();

    // What the adaptors ask, in MPRIS terms.
    void play();
    void pause();
    void playPause();
    void stop();
    void next();
    void previous();
    void seekBy(qlonglong offsetMicroseconds);
    void setPosition(const QString& trackId, qlonglong positionMicroseconds);
    void setVolume(double volume);
    void setShuffle(bool shuffle);
    void setLoopStatus(const QString& status);
    void setRate(double rate);
    void openUri(const QString& uri);
    void raise();

    // VLC's own bounds of the rate.
    static constexpr double minimumRate = 0.03125;
    static constexpr double maximumRate = 32.0;

private:
    bool publish();
    void withdraw();
    void seekTo(qlonglong positionMicroseconds);
    // Writes the remote's art for the desktop, or drops it.
    void updateArt();

    MprisCommands& m_commands;
    QDBusConnection m_bus;
    QObject* m_object; // carries the two adaptors; a child
    MprisPlayerAdaptor* m_player;
    std::shared_ptr<VLCController> m_remote;
    MprisState m_state;
    MprisArtFile m_art;
    QString m_artUrl;
    qlonglong m_artItem = -1; // the item the art file shows
    bool m_published = false;
    bool m_toldNoBus = false;
};
