#include "desktop/MprisService.h"

#include "core/ConsoleLog.h"
#include "desktop/MprisCommands.h"
#include "desktop/MprisPlayerAdaptor.h"
#include "desktop/MprisRootAdaptor.h"
#include "vlc/VLCController.h"

#include <QDBusMessage>

#include <cmath>

namespace {
const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
}

MprisService::MprisService(MprisCommands& commands, const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_commands(commands)
    , m_bus(bus)
    , m_object(new QObject(this))
{
    new MprisRootAdaptor(m_object, *this);
    m_player = new MprisPlayerAdaptor(m_object, *this);
}

MprisService::~MprisService()
{
    withdraw();
}

void MprisService::setRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote == m_remote)
        return;
    if (m_remote)
        disconnect(m_remote.get(), nullptr, this, nullptr);
    m_remote = remote;
    if (!remote) {
        withdraw();
        m_state = MprisState();
        return;
    }
    connect(remote.get(), &VLCController::requestConcluded, this, &MprisService::refresh);
    refresh();
    publish();
}

bool MprisService::publish()
{
    if (m_published)
        return true;
    if (!m_bus.isConnected()) {
        // One line is enough: the bus does not come back.
        if (!m_toldNoBus)
            ConsoleLog::log(QStringLiteral("media keys: no session bus, PlayerLink is not offered as a media player"));
        m_toldNoBus = true;
        return false;
    }
    if (!m_bus.registerObject(QString::fromLatin1(objectPath), m_object, QDBusConnection::ExportAdaptors)) {
        ConsoleLog::log(QStringLiteral("media keys: could not offer the player on the session bus"));
        return false;
    }
    if (!m_bus.registerService(QString::fromLatin1(serviceName))) {
        ConsoleLog::log(QStringLiteral("media keys: the name %@ is taken on the session bus"),
                        QString::fromLatin1(serviceName));
        m_bus.unregisterObject(QString::fromLatin1(objectPath));
        return false;
    }
    m_published = true;
    return true;
}

void MprisService::withdraw()
{
    if (!m_published)
        return;
    m_bus.unregisterService(QString::fromLatin1(serviceName));
    m_bus.unregisterObject(QString::fromLatin1(objectPath));
    m_published = false;
}

qlonglong MprisService::currentPosition() const
{
    return m_remote ? MprisState::of(*m_remote).positionMicroseconds : 0;
}

void MprisService::refresh()
{
    const MprisState now = m_remote ? MprisState::of(*m_remote) : MprisState();
    const QVariantMap changed = MprisState::changes(m_state, now);
    m_state = now;
    if (changed.isEmpty() || !m_published)
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(objectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << playerInterface << changed << QStringList();
    m_bus.send(signal);
}

void MprisService::play()
{
    if (m_remote && m_state.playbackStatus != u"Playing")
        m_commands.playPause();
}

void MprisService::pause()
{
    if (m_remote && m_state.playbackStatus == u"Playing")
        m_commands.playPause();
}

void MprisService::playPause()
{
    if (m_remote)
        m_commands.playPause();
}

void MprisService::stop()
{
    if (m_remote)
        m_commands.stop();
}

void MprisService::next()
{
    if (m_remote)
        m_commands.next();
}

void MprisService::previous()
{
    if (m_remote)
        m_commands.previous();
}

void MprisService::seekBy(qlonglong offsetMicroseconds)
{
    if (!m_remote || !m_state.canSeek)
        return;
    const qlonglong target = std::max<qlonglong>(0, currentPosition() + offsetMicroseconds);
    // Past the end is the next item, as MPRIS has it.
    if (target > m_state.lengthMicroseconds) {
        m_commands.next();
        return;
    }
    seekTo(target);
}

void MprisService::setPosition(const QString& trackId, qlonglong positionMicroseconds)
{
    // A request for an item that is no longer playing is stale.
    if (!m_remote || !m_state.canSeek || trackId != m_state.trackId() || positionMicroseconds < 0
        || positionMicroseconds > m_state.lengthMicroseconds)
        return;
    seekTo(positionMicroseconds);
}

void MprisService::seekTo(qlonglong positionMicroseconds)
{
    m_commands.seek(int(positionMicroseconds / 1'000'000));
    emit m_player->Seeked(positionMicroseconds);
}

void MprisService::setVolume(double volume)
{
    if (!m_remote || !std::isfinite(volume))
        return;
    // VLC itself goes no further than 400 %.
    m_commands.setVolume(int(std::lround(std::clamp(volume, 0.0, 4.0) * 100)));
}

void MprisService::setShuffle(bool shuffle)
{
    if (m_remote && shuffle != m_state.shuffle)
        m_commands.toggleRandom();
}

void MprisService::setLoopStatus(const QString& status)
{
    if (!m_remote || status == m_state.loopStatus)
        return;
    if (status != u"None" && status != u"Track" && status != u"Playlist")
        return;
    // VLC keeps repeat and loop as two switches; set each to what is asked.
    const bool wantRepeat = status == u"Track";
    const bool wantLoop = status == u"Playlist";
    if (wantRepeat != m_remote->isRepeating())
        m_commands.toggleRepeat();
    if (wantLoop != m_remote->isLooping())
        m_commands.toggleLoop();
}

void MprisService::raise()
{
    m_commands.raise();
}
