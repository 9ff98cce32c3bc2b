#include "platform/SessionMediaKeys.h"

#include "platform/MprisService.h"
#include "models/RemoteSession.h"
#include "vlc/VLCController.h"

SessionMediaKeys::SessionMediaKeys(std::function<void()> raise, const QDBusConnection& bus, QObject* parent,
                                   const QString& artFolder)
    : QObject(parent)
    , m_raise(std::move(raise))
    , m_service(std::make_unique<MprisService>(*this, bus, nullptr, artFolder))
{
}

SessionMediaKeys::~SessionMediaKeys() = default;

void SessionMediaKeys::setSession(RemoteSession* session)
{
    if (session == m_session)
        return;
    if (m_session)
        disconnect(m_session, nullptr, this, nullptr);
    m_session = session;
    if (session) {
        connect(session, &RemoteSession::remoteChanged, this, &SessionMediaKeys::followRemote);
        // A session that goes takes the player with it.
        connect(session, &QObject::destroyed, this, [this] { m_service->setRemote(nullptr); });
    }
    followRemote();
}

RemoteSession* SessionMediaKeys::session() const
{
    return m_session;
}

void SessionMediaKeys::followRemote()
{
    m_service->setRemote(m_session ? m_session->remote() : nullptr);
}

void SessionMediaKeys::playPause()
{
    if (m_session)
        m_session->playPause();
}

void SessionMediaKeys::stop()
{
    if (m_session)
        m_session->stop();
}

void SessionMediaKeys::next()
{
    if (m_session)
        m_session->next();
}

void SessionMediaKeys::previous()
{
    if (m_session)
        m_session->previous();
}

void SessionMediaKeys::seek(int seconds)
{
    if (m_session)
        m_session->seek(seconds);
}

void SessionMediaKeys::setVolume(int percent)
{
    if (m_session)
        m_session->setVolume(percent);
}

void SessionMediaKeys::toggleRandom()
{
    if (m_session)
        m_session->toggleRandom();
}

void SessionMediaKeys::toggleRepeat()
{
    if (m_session)
        m_session->toggleRepeat();
}

void SessionMediaKeys::toggleLoop()
{
    if (m_session)
        m_session->toggleLoop();
}

void SessionMediaKeys::setRate(double multiplier)
{
    if (m_session && m_session->remote())
        m_session->remote()->setRate(multiplier);
}

void SessionMediaKeys::playFile(const QString& path)
{
    if (m_session && m_session->remote())
        m_session->remote()->playFilename(path);
}

void SessionMediaKeys::raise()
{
    if (m_raise)
        m_raise();
}
