#pragma once

#include "platform/MprisCommands.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class MprisService;
class RemoteSession;

// The desktop's media keys, its media widgets and playerctl on the remote
// screen's session: while a session is given, its remote is published as
// the MPRIS player (following the session to another remote) and what the
// desktop asks goes through the session's commands, as the skin's buttons
// do; with none, the player is withdrawn from the bus.
class SessionMediaKeys : public QObject, public MprisCommands {
    Q_OBJECT
public:
    // raise: brings the program's window to the front (MPRIS Raise).
    // artFolder: where the playing item's art is written; empty: the cache.
    explicit SessionMediaKeys(std::function<void()> raise, const QDBusConnection& bus = QDBusConnection::sessionBus(),
                              QObject* parent = nullptr, const QString& artFolder = QString());
    ~SessionMediaKeys() override;

    // The session of the remote screen on the stack, or null when there is
    // none; not owned.
    void setSession(RemoteSession* session);
    RemoteSession* session() const;
    MprisService& service() { return *m_service; }

    void playPause() override;
    void stop() override;
    void next() override;
    void previous() override;
    void seek(int seconds) override;
    void setVolume(int percent) override;
    void toggleRandom() override;
    void toggleRepeat() override;
    void toggleLoop() override;
    void setRate(double multiplier) override;
    void playFile(const QString& path) override;
    void raise() override;

private:
    void followRemote();

    std::function<void()> m_raise;
    QPointer<RemoteSession> m_session;
    std::unique_ptr<MprisService> m_service;
};
