#include "cli/CliCast.h"

#include "cli/ExitCode.h"
#include "core/TerminalText.h"
#include "net/CastServer.h"
#include "vlc/VLCController.h"

#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

CliCast::CliCast(VLCController& remote, const QStringList& files, bool json, QTextStream& out, QObject* parent)
    : QObject(parent)
    , m_remote(remote)
    , m_files(files)
    , m_json(json)
    , m_out(out)
    , m_server(new CastServer(this))
{
    m_pollTimer.setInterval(pollMs);
    connect(&m_pollTimer, &QTimer::timeout, this, &CliCast::poll);
    m_startTimer.setSingleShot(true);
    connect(&m_startTimer, &QTimer::timeout, this, [this] {
        end(ExitCommandFailed, QStringLiteral("VLC did not start playing %1").arg(nameOf(m_urls.value(0))));
    });
    m_settle.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, &CliCast::sendNext);
    connect(&m_remote, &VLCController::requestConcluded, this, &CliCast::concluded);
    connect(m_server, &CastServer::answered, this, &CliCast::fetched);
}

CliCast::~CliCast()
{
    if (m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
}

void CliCast::start()
{
    for (const QString& file : m_files) {
        const QFileInfo info(file);
        if (!info.isFile()) {
            end(ExitCommandFailed, QStringLiteral("no such file here: %1").arg(file));
            return;
        }
        if (QFile probe(file); !probe.open(QIODevice::ReadOnly)) {
            end(ExitCommandFailed, QStringLiteral("cannot read %1").arg(file));
            return;
        }
    }
    // VLC's address as the connection to it resolves it.
    const QString host = QUrl(m_remote.record().baseAddress()).host();
    QHostAddress literal;
    if (literal.setAddress(host)) {
        startServer({ literal });
        return;
    }
    m_lookupId = QHostInfo::lookupHost(host, this, [this, host](const QHostInfo& info) {
        m_lookupId = -1;
        QList<QHostAddress> addresses = info.addresses();
        std::stable_partition(addresses.begin(), addresses.end(), [](const QHostAddress& address) {
            return address.protocol() == QAbstractSocket::IPv4Protocol;
        });
        if (info.error() != QHostInfo::NoError || addresses.isEmpty())
            end(ExitUnreachable, QStringLiteral("could not find the address of %1").arg(host));
        else
            startServer(addresses);
    });
}

void CliCast::stop()
{
    end(ExitOk, {}, QStringLiteral("stopped"));
}

void CliCast::startServer(const QList<QHostAddress>& addresses)
{
    switch (m_server->start(addresses)) {
    case CastServer::StartResult::Started:
        break;
    case CastServer::StartResult::NoRoute:
        end(ExitUnreachable, QStringLiteral("no route from here to %1").arg(addresses.first().toString()));
        return;
    case CastServer::StartResult::CannotListen:
        end(ExitCommandFailed, QStringLiteral("could not open a port to serve from"));
        return;
    }
    QJsonArray names;
    for (const QString& file : m_files) {
        CastServer::AddResult added = CastServer::AddResult::Added;
        const QUrl url = m_server->add(file, &added);
        if (url.isEmpty()) {
            end(ExitCommandFailed, QStringLiteral("cannot read %1").arg(file));
            return;
        }
        m_urls << url;
        m_names.insert(url, QFileInfo(file).fileName());
        m_toSend.push_back(url);
        names << nameOf(url);
    }
    if (m_json) {
        QJsonObject o;
        o.insert(QStringLiteral("serving"), names);
        o.insert(QStringLiteral("address"), m_server->address().toString());
        o.insert(QStringLiteral("port"), int(m_server->port()));
        m_out << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << '\n';
    } else {
        m_out << QStringLiteral("Serving to VLC from %1 port %2 (Ctrl+C stops):\n")
                     .arg(m_server->address().toString())
                     .arg(m_server->port());
        for (const QUrl& url : std::as_const(m_urls))
            m_out << "  " << escapedForTerminal(nameOf(url)) << '\n';
    }
    m_out.flush();
    sendNext();
}

void CliCast::sendNext()
{
    // One command at a time: the remote drops a request when another is sent.
    if (!m_sending.isEmpty() || m_settle.isActive() || m_done)
        return;
    if (m_toSend.empty()) {
        if (!m_polling) {
            m_polling = true;
            m_startTimer.start(startTimeoutMs);
            m_pollTimer.start();
            poll();
        }
        return;
    }
    m_sending = m_toSend.front();
    m_toSend.pop_front();
    m_sendingPlay = m_sending == m_urls.first();
    const QString address = m_sending.toString(QUrl::FullyEncoded);
    if (m_sendingPlay)
        m_remote.playFilename(address);
    else
        m_remote.enqueueFilename(address);
}

void CliCast::poll()
{
    if (m_done || m_remote.isBusy())
        return;
    ++m_ticks;
    m_remote.updateStatus();
}

void CliCast::concluded(const RequestResult& result)
{
    if (m_done)
        return;
    if (!m_sending.isEmpty()) {
        const QUrl url = m_sending;
        m_sending.clear();
        if (!result.reply) {
            end(ExitUnreachable, QStringLiteral("VLC did not answer when given %1").arg(nameOf(url)));
            return;
        }
        m_watch.offer(url);
        // VLC 3.0's web interface can crash when asked for its status while
        // it switches items: the switch gets a moment.
        if (m_sendingPlay)
            m_settle.start(settleMs);
        sendNext();
        return;
    }
    if (!m_polling)
        return;
    if (!result.reply) {
        if (++m_failedPolls >= failedPollsAllowed)
            end(ExitUnreachable, QStringLiteral("lost the connection to VLC"));
        return;
    }
    m_failedPolls = 0;
    if (*result.reply == VLCController::ReplyKind::Status)
        statusRead();
    else if (*result.reply == VLCController::ReplyKind::Playlist)
        playlistRead();
}

void CliCast::fetched(const QUrl& url, int status)
{
    // VLC fetches a file to play it: that tells, however short the file,
    // what a poll might miss.
    if ((status != 200 && status != 206) || m_playing.contains(url) || m_done)
        return;
    m_playing.insert(url);
    m_started = true;
    m_startTimer.stop();
    if (m_json)
        m_out << QString::fromUtf8(QJsonDocument(QJsonObject { { QStringLiteral("playing"), nameOf(url) } })
                                       .toJson(QJsonDocument::Compact))
              << '\n';
    else
        m_out << "VLC is playing " << escapedForTerminal(nameOf(url)) << '\n';
    m_out.flush();
}

void CliCast::statusRead()
{
    const PlayerState& state = m_remote.state();
    const std::optional<qint64> id = state.playerStatus().currentPlaylistId;
    const bool ours = id && !state.isStopped() && m_watch.fileWithId(*id);
    if (ours) {
        m_notOurs = 0;
    } else if (m_started && m_playlistKnown && ++m_notOurs >= 2) {
        // Two statuses in a row, so that the moment between two of ours
        // does not count.
        end(ExitOk, {}, QStringLiteral("played"));
        return;
    }
    // Until the playlist has told which items are ours, it is read after
    // each status; then every third second, to see files leave it.
    if (!m_playlistKnown || m_ticks % 3 == 0)
        m_remote.updatePlaylist();
}

void CliCast::playlistRead()
{
    std::vector<CastPlaylistWatch::Item> items;
    for (const PlaylistItem& item : m_remote.state().playlist().items())
        items.push_back({ item.id, QByteArrayView(item.uri.data(), qsizetype(item.uri.size())) });
    // Read after every file was offered, it knows the items of ours.
    m_playlistKnown = true;
    for (const QUrl& url : m_watch.read(items)) {
        m_server->withdraw(url);
        if (!m_json) {
            m_out << escapedForTerminal(nameOf(url)) << " is not in VLC's playlist: no longer served\n";
            m_out.flush();
        }
    }
    if (m_watch.isEmpty() && m_toSend.empty() && m_sending.isEmpty()) {
        if (m_started)
            end(ExitOk, {}, QStringLiteral("left the playlist"));
        else
            end(ExitCommandFailed, QStringLiteral("VLC did not take the files into its playlist"));
    }
}

void CliCast::end(int exitCode, const QString& message, const QString& note)
{
    if (m_done)
        return;
    m_done = true;
    m_pollTimer.stop();
    m_startTimer.stop();
    m_settle.stop();
    m_server->stop();
    if (!note.isEmpty()) {
        if (m_json)
            m_out << QString::fromUtf8(QJsonDocument(QJsonObject { { QStringLiteral("finished"), note } })
                                           .toJson(QJsonDocument::Compact))
                  << '\n';
        else if (note == u"played")
            m_out << "VLC has played the files: no longer served\n";
        else if (note == u"stopped")
            m_out << "Stopped: no longer served\n";
        else
            m_out << "The files have left VLC's playlist: no longer served\n";
        m_out.flush();
    }
    emit finished(exitCode, message);
}

QString CliCast::nameOf(const QUrl& url) const
{
    return m_names.value(url);
}
