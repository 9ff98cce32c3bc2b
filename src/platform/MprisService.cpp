#include "platform/MprisService.h"

#include "core/ConsoleLog.h"
#include "core/HomePaths.h"
#include "platform/MprisCommands.h"
#include "platform/MprisPlayerAdaptor.h"
#include "platform/MprisRootAdaptor.h"
#include "vlc/VLCController.h"

#include <QDBusMessage>

#include <algorithm>
#include <cmath>

namespace {
const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
}

MprisService::MprisService(MprisCommands& commands, const QDBusConnection& bus, QObject* parent,
                           const QString& artFolder)
    : QObject(parent)
    , m_commands(commands)
    , m_bus(bus)
    , m_object(new QObject(this))
    , m_art(artFolder.isEmpty() ? HomePaths::cache() + QStringLiteral("/mpris-art") : artFolder)
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
    m_art.clear();
    m_artUrl.clear();
    m_artItem = -1;
    if (!remote) {
        withdraw();
        m_state = MprisState();
        return;
    }
    connect(remote.get(), &VLCController::requestConcluded, this, &MprisService::refresh);
    connect(remote.get(), &VLCController::albumArtChanged, this, &MprisService::updateArt);
    updateArt();
    publish();
}

bool MprisService::publish()
{
    if (m_published)
        return true;
    if (!m_bus.isConnected()) {
        // One line is enough: the bus does not come back.
        if (!m_toldNoBus)
            ConsoleLog::log(logPlatform, QStringLiteral("media keys: no session bus, PlayerLink is not offered as a media player"));
        m_toldNoBus = true;
        return false;
    }
    if (!m_bus.registerObject(QString::fromLatin1(objectPath), m_object, QDBusConnection::ExportAdaptors)) {
        ConsoleLog::log(logPlatform, QStringLiteral("media keys: could not offer the player on the session bus"));
        return false;
    }
    if (!m_bus.registerService(QString::fromLatin1(serviceName))) {
        ConsoleLog::log(logPlatform, QStringLiteral("media keys: the name %@ is taken on the session bus"),
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

void MprisService::updateArt()
{
    if (!m_remote)
        return;
    const MprisState now = MprisState::of(*m_remote);
    m_artItem = now.trackNumber;
    m_artUrl = m_art.update(now.trackNumber, m_remote->albumArt()).toString();
    refresh();
}

void MprisService::refresh()
{
    MprisState now = m_remote ? MprisState::of(*m_remote) : MprisState();
    // Art fetched for an item that no longer plays is not this item's.
    if (now.trackNumber >= 0 && now.trackNumber == m_artItem)
        now.artUrl = m_artUrl;
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
    if (wantRepeat != m_remote->state().isRepeating())
        m_commands.toggleRepeat();
    if (wantLoop != m_remote->state().isLooping())
        m_commands.toggleLoop();
}

void MprisService::setRate(double rate)
{
    if (!m_remote || !std::isfinite(rate) || rate < 0)
        return;
    // MPRIS asks a player to take a rate of 0 as Pause.
    if (rate == 0) {
        pause();
        return;
    }
    m_commands.setRate(std::clamp(rate, minimumRate, maximumRate));
}

void MprisService::openUri(const QString& uri)
{
    // A file:// address names a file of the computer VLC runs on, as the
    // browser's paths do; nothing else is offered.
    const QUrl url(uri);
    if (!m_remote || !url.isValid() || !url.isLocalFile() || url.toLocalFile().isEmpty())
        return;
    m_commands.playFile(url.toLocalFile());
}

void MprisService::raise()
{
    m_commands.raise();
}
