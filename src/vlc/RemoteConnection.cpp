#include "vlc/RemoteConnection.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/StringHelpers.h"
#include "vlc/AlbumArtFetcher.h"
#include "vlc/ByteSearch.h"
#include "vlc/EqualizerBands.h"
#include "vlc/FolderListing.h"
#include "vlc/PlayerState.h"
#include "vlc/PlayerStatus.h"
#include "vlc/RemoteRecord.h"
#include "vlc/RequestChannel.h"
#include "vlc/ServerDialect.h"

#include <QTimer>
#include <QUrl>
#include <QUtf8StringView>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {
const std::array<QString, 3> driveFolders { QStringLiteral("c:\\\\.."), QStringLiteral("//Volumes"),
                                            QStringLiteral("//media") };
const QString browsePath = QStringLiteral("/requests/browse.xml");

QUrlQuery folderQuery(const QString& folder)
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("dir"), StringHelpers::fullyEscapedStringForUrl(folder));
    return query;
}
}

RemoteConnection::RemoteConnection(const RemoteRecord& record, PlayerState& state, QNetworkAccessManager* network,
                                   QObject* parent)
    : QObject(parent)
    , m_record(record)
    , m_state(state)
    , m_network(network)
{
}

RemoteConnection::~RemoteConnection()
{
    clearOldRequest();
}

void RemoteConnection::setNetwork(QNetworkAccessManager* network)
{
    m_network = network;
    if (m_channel)
        m_channel->setNetwork(network);
}

void RemoteConnection::forgetServer()
{
    if (m_albumArt)
        m_albumArt->reset();
    m_statusBackoff.reset();
    m_playlistBackoff.reset();
    m_statusUnusable = false;
}

// --- Requests ------------------------------------------------------------------

RequestChannel& RemoteConnection::channel()
{
    if (!m_channel) {
        m_channel = new RequestChannel(m_network, this);
        connect(m_channel, &RequestChannel::finished, this, &RemoteConnection::onRequestFinished);
        connect(m_channel, &RequestChannel::failed, this, &RemoteConnection::onRequestFailed);
    }
    return *m_channel;
}

void RemoteConnection::sendAsynchronousRequest(const QString& path, const QUrlQuery& query)
{
    const qint64 cap = path.endsWith(u"playlist.xml") || path.endsWith(u"browse.xml") ? maxListBytes : maxPageBytes;
    sendRequest(path, query, OrdinaryRequest, cap);
}

void RemoteConnection::sendRequest(const QString& path, const QUrlQuery& query, int kind, qint64 maxBytes)
{
    QUrl url(m_record.baseAddress(), QUrl::StrictMode);
    if (url.isValid()) {
        url.setPath(path);
        url.setQuery(query);
    }
    if (query.hasQueryItem(QStringLiteral("command")))
        ConsoleLog::log(logVlc, QStringLiteral("send async %@"), url.toString(QUrl::FullyEncoded));
    clearOldRequest();
    if (!url.isValid() || url.host().isEmpty()) {
        // Told through the event loop, as every other outcome is.
        QString target = m_record.baseAddress() + path.mid(1);
        if (!query.isEmpty())
            target += u'?' + query.toString(QUrl::FullyEncoded);
        QTimer::singleShot(0, this, [this, target] {
            RequestResult result;
            result.invalidAddress = true;
            result.target = target;
            emit requestConcluded(result);
        });
        return;
    }
    channel().setPassword(m_record.password);
    m_sentPassword = m_record.password;
    m_acceptedEnablesEqualizer = false;
    channel().send(url, kind, maxBytes);
    m_acceptedPage = path == u"/requests/status.xml" ? Page::Status
        : path == u"/requests/playlist.xml"         ? Page::Playlist
                                                    : Page::Other;
}

void RemoteConnection::clearOldRequest()
{
    if (m_channel)
        m_channel->clear();
}

bool RemoteConnection::isBusy() const
{
    return m_channel && m_channel->busy();
}

int RemoteConnection::requestType() const
{
    return isBusy() ? m_channel->acceptedTag() : OrdinaryRequest;
}

void RemoteConnection::processQueue()
{
    if (!m_requestQueue.empty()) {
        const int code = m_requestQueue.front();
        if (code == QueuePlayLastItem && m_playlistDirty) {
            // The last item is the one just added: the stored playlist is
            // from before, so it is fetched first and the code waits.
            updatePlaylist();
            return;
        }
        m_requestQueue.pop_front();
        switch (code) {
        case QueueStop:
            stop();
            break;
        case QueueUpdatePlaylist:
            updatePlaylist();
            break;
        case QueuePlayLastItem:
            playLastItemInPlaylist();
            break;
        case QueueEqualizerGain: {
            const int band = std::min(m_nextGainBand++, EqualizerBands::count - 1);
            const std::optional<PlayerStatus::Equalizer>& equalizer = m_state.playerStatus().equalizer;
            setEqualizerBand(band, equalizer && equalizer->bands[size_t(band)] ? *equalizer->bands[size_t(band)] : 0.0);
            break;
        }
        case QueueEqualizerOff:
            sendAsynchronousRequest(QStringLiteral("/requests/status.xml"),
                                    ServerDialect::command(QStringLiteral("enableeq"), QStringLiteral("0")));
            break;
        case QueueEqualizerOn:
            sendAsynchronousRequest(QStringLiteral("/requests/status.xml"),
                                    ServerDialect::command(QStringLiteral("enableeq"), QStringLiteral("1")));
            break;
        default:
            break;
        }
        return;
    }
    // A poll that came while another request was on its way left its flag:
    // it waits for its page's backoff like any other poll.
    const double now = Clock::current().now();
    if (m_statusDirty && m_statusBackoff.mayAsk(now))
        updateStatus();
    else if (m_playlistDirty && m_playlistBackoff.mayAsk(now))
        updatePlaylist();
}

void RemoteConnection::updateStatus()
{
    if (isBusy() || !m_statusBackoff.mayAsk(Clock::current().now()))
        return;
    m_statusDirty = false;
    sendAsynchronousRequest(QStringLiteral("/requests/status.xml"));
}

void RemoteConnection::updatePlaylist()
{
    if (isBusy()) {
        m_playlistDirty = true;
        return;
    }
    m_playlistDirty = false;
    m_playlistHint = false;
    m_lastPlaylistFetch = Clock::current().now();
    sendAsynchronousRequest(QStringLiteral("/requests/playlist.xml"));
}

void RemoteConnection::pollPlaylist()
{
    if (!m_playlistBackoff.mayAsk(Clock::current().now()))
        return;
    // A long playlist on VLC 3 costs VLC a second of work and the network a
    // megabyte; while nothing hints at a change, fetch it less often.
    const bool longList = m_state.dialect().isModern() && m_state.itemsInPlaylist() > stretchFromItems;
    if (longList && !m_playlistHint && m_lastPlaylistFetch
        && Clock::current().now() - *m_lastPlaylistFetch < stretchedPlaylistSeconds)
        return;
    updatePlaylist();
}

void RemoteConnection::searchForPlayerLink()
{
    sendRequest(QStringLiteral("/"), {}, ProbeRequest, maxPageBytes);
}

void RemoteConnection::updateBrowseList()
{
    const QUrlQuery query = folderQuery(m_state.browseDir());
    QUrl url(m_record.baseAddress());
    url.setPath(browsePath);
    url.setQuery(query);
    ConsoleLog::log(logVlc, QStringLiteral("browse:  %@"), url.toString(QUrl::FullyEncoded));
    // Marked as a folder request, so that an answer without a listing can be
    // told from one that merely is not a status.
    sendRequest(browsePath, query, BrowseRequest, maxListBytes);
}

void RemoteConnection::onRequestFinished(int kind, const HttpReply& reply)
{
    m_lastResponse = Clock::current().now();
    m_replyPage = m_acceptedPage;
    const bool enabledEqualizer = std::exchange(m_acceptedEnablesEqualizer, false);
    QPointer<RemoteConnection> self(this);
    emit replyArrived(reply, kind);
    if (!self)
        return;
    m_replyPage = Page::Other;
    if (enabledEqualizer)
        restartEqualizerIfStuck();
    processQueue();
}

void RemoteConnection::restartEqualizerIfStuck()
{
    // On, and not a gain listed: VLC had none, so its filter did not start.
    const std::optional<PlayerStatus::Equalizer>& equalizer = m_state.playerStatus().equalizer;
    if (!equalizer || !equalizer->enabled
        || std::any_of(equalizer->bands.begin(), equalizer->bands.end(), [](const auto& b) { return b.has_value(); }))
        return;
    m_nextGainBand = 0;
    m_requestQueue.insert(m_requestQueue.end(), EqualizerBands::count, QueueEqualizerGain);
    for (const int code : { QueueEqualizerOff, QueueEqualizerOn })
        m_requestQueue.push_back(code);
}

void RemoteConnection::onRequestFailed(int kind, RequestFailure failure)
{
    // A body past the cap, one that trickles past the deadline, or
    // redirects that lead nowhere: the server answers, uselessly. Silence
    // (refused, unreachable, timed out) costs nothing and holds nothing.
    const bool unusable = failure == RequestFailure::TooLarge || failure == RequestFailure::Deadline
        || failure == RequestFailure::Redirects || failure == RequestFailure::RedirectRefused;
    noteOutcome(m_acceptedPage, unusable ? Outcome::Unusable : Outcome::Silent);
    // The folder shown stays the one browseDir names.
    if (kind == BrowseRequest)
        m_state.restoreListedDir();
    RequestResult result;
    result.failure = failure;
    emit requestConcluded(result);
}

// --- What the replies tell ---------------------------------------------------------

void RemoteConnection::noteReplyStatus(const HttpReply& reply)
{
    m_passwordRequired = reply.httpStatus == 401;
    if (m_passwordRequired)
        m_refusedPassword = m_sentPassword;
    // VLC 3 with no password set refuses every page alike, polls included.
    if (reply.httpStatus == 403 && ByteSearch::containsIgnoringCase(reply.body, "VLC_PASSWORD_NOT_SET"))
        m_passwordNotSet = true;
    else if (reply.httpStatus == 401)
        m_passwordNotSet = false;
}

RemoteConnection::ProbeOutcome RemoteConnection::noteProbeReply(const HttpReply& reply)
{
    const QByteArray& body = reply.body;
    const bool validText = QUtf8StringView(body).isValidUtf8();
    auto contains = [&](QByteArrayView needle) { return validText && ByteSearch::containsIgnoringCase(body, needle); };

    // VLC 3 asks for the password first; its challenge names VLC.
    const bool vlcChallenge = reply.httpStatus == 401
        && (ByteSearch::containsIgnoringCase(reply.wwwAuthenticate, "VLC") || contains("videolan"));
    if (vlcChallenge) {
        m_remoteFound = false;
        m_passwordRequired = true;
        m_refusedPassword = m_sentPassword;
        m_passwordNotSet = false;
        return ProbeOutcome::FoundRemote;
    }
    // VLC 3 without a password configured refuses everyone; its page also
    // says "VLC media player", so it must be told apart first.
    if (contains("VLC_PASSWORD_NOT_SET")) {
        m_remoteFound = false;
        m_passwordRequired = false;
        m_passwordNotSet = true;
        return ProbeOutcome::FoundRemote;
    }
    if (contains("VLC media player")) {
        m_remoteFound = true;
        m_forbidden = false;
        m_passwordRequired = false;
        m_passwordNotSet = false;
        m_luaMode = !contains("in case people had scripts that sent commands");
        // The old interface's page: whatever was learnt before, it is not
        // VLC 3 that answers now.
        if (!m_luaMode)
            m_state.forgetDialect();
        m_state.updateCurrentIndex(m_luaMode);
        return ProbeOutcome::FoundValidRemote;
    }
    m_remoteFound = false;
    if (contains("<title>Forbidden</title>")) {
        m_forbidden = true;
        return ProbeOutcome::FoundRemote;
    }
    return ProbeOutcome::Nothing;
}

void RemoteConnection::noteReplyKind(ReplyKind kind, int httpStatus)
{
    // A refusal is understood (the password states tell it), and small.
    const bool refusal = httpStatus == 401 || httpStatus == 403;
    const bool asked = m_replyPage == Page::Status ? kind == ReplyKind::Status : kind == ReplyKind::Playlist;
    noteOutcome(m_replyPage, refusal || asked ? Outcome::Usable : Outcome::Unusable);
}

void RemoteConnection::noteOutcome(Page page, Outcome outcome)
{
    if (page == Page::Other)
        return;
    RequestBackoff& backoff = page == Page::Status ? m_statusBackoff : m_playlistBackoff;
    if (outcome == Outcome::Usable)
        backoff.noteUsable();
    else if (outcome == Outcome::Unusable)
        backoff.noteUnusable(Clock::current().now());
    if (page == Page::Status)
        m_statusUnusable = outcome == Outcome::Unusable && backoff.holding();
    if (outcome == Outcome::Unusable && backoff.holding())
        ConsoleLog::log(logVlc, QStringLiteral("%@ keeps failing: asked again in %d s at the earliest"),
                        page == Page::Status ? QStringLiteral("status.xml") : QStringLiteral("playlist.xml"),
                        int(backoff.delaySeconds()));
}

void RemoteConnection::setLuaMode(bool lua)
{
    m_luaMode = lua;
    m_state.updateCurrentIndex(lua);
}

std::optional<double> RemoteConnection::lostSince() const
{
    if (!m_lastResponse || Clock::current().now() - *m_lastResponse < lostAfterSeconds)
        return std::nullopt;
    return *m_lastResponse + lostAfterSeconds;
}

ConnectionState RemoteConnection::connectionState() const
{
    // Something answers, but nothing it says is a status: not "connected",
    // however fresh its last reply (and not "lost" while polls are held).
    if (m_statusUnusable)
        return ConnectionState::UnusableReplies;
    if (!m_lastResponse)
        return ConnectionState::Connecting;
    if (lostSince())
        return ConnectionState::Lost;
    // VLC answers, but not to us: say why instead of claiming a connection.
    if (m_passwordNotSet)
        return ConnectionState::PasswordNotSet;
    if (m_passwordRequired) {
        if (m_record.password.isEmpty())
            return ConnectionState::PasswordNeeded;
        // A password given since the refusal is still on its way: not wrong yet.
        return passwordRefused() ? ConnectionState::PasswordRefused : ConnectionState::Connecting;
    }
    return ConnectionState::Connected;
}

bool RemoteConnection::passwordRefused() const
{
    return m_passwordRequired && !m_record.password.isEmpty() && m_refusedPassword == m_record.password;
}

// --- Album art ---------------------------------------------------------------------

void RemoteConnection::noteStatus(const PlayerStatus& status, bool servesArt)
{
    if (m_network && !m_albumArt) {
        m_albumArt = new AlbumArtFetcher(this);
        connect(m_albumArt, &AlbumArtFetcher::artChanged, this, &RemoteConnection::albumArtChanged);
    }
    if (m_albumArt)
        m_albumArt->noteStatus(status, servesArt, QUrl(m_record.baseAddress()), m_network, m_record.password);
}

QByteArray RemoteConnection::albumArt() const
{
    return m_albumArt ? m_albumArt->art() : QByteArray();
}

quint64 RemoteConnection::albumArtGeneration() const
{
    return m_albumArt ? m_albumArt->generation() : 0;
}

// --- Folders -------------------------------------------------------------------------

RequestChannel* RemoteConnection::folderProbe(int deadlineMs)
{
    // A request of its own beside the channel, answered through the event
    // loop so that the interface never waits on it.
    auto* probe = new RequestChannel(m_network, this);
    probe->setPassword(m_record.password);
    probe->setDeadlineMs(deadlineMs);
    return probe;
}

void RemoteConnection::directoryIsValid(const QString& folder, std::function<void(bool)> done)
{
    QUrl url(m_record.baseAddress(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        QTimer::singleShot(0, this, [done] { done(false); });
        return;
    }
    url.setPath(browsePath);
    url.setQuery(folderQuery(folder));
    RequestChannel* probe = folderProbe(RequestChannel::defaultIdleTimeoutMs * 2);
    connect(probe, &RequestChannel::finished, this, [probe, done](int, const HttpReply& reply) {
        probe->deleteLater();
        done(QUtf8StringView(reply.body).isValidUtf8() && ByteSearch::containsIgnoringCase(reply.body, "<element"));
    });
    connect(probe, &RequestChannel::failed, this, [probe, done](int, RequestFailure) {
        probe->deleteLater();
        done(false);
    });
    probe->send(url, OrdinaryRequest, maxListBytes);
}

void RemoteConnection::filePresence(const QString& path, std::function<void(FilePresence)> done)
{
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString name = path.mid(separator + 1);
    QString folder = path.left(separator + 1);
    QUrl url(m_record.baseAddress(), QUrl::StrictMode);
    if (separator < 0 || name.isEmpty() || !url.isValid() || url.host().isEmpty()) {
        QTimer::singleShot(0, this, [done] { done(FilePresence::Unknown); });
        return;
    }
    // "C:\\" and "/" list as they are; other folders without their last separator.
    if (folder.size() > 1 && !folder.endsWith(QStringLiteral(":\\")) && !folder.endsWith(QStringLiteral(":/")))
        folder.chop(1);
    url.setPath(browsePath);
    url.setQuery(folderQuery(folder));
    RequestChannel* probe = folderProbe(RequestChannel::defaultIdleTimeoutMs * 5);
    // Drive letters and names on Windows do not mind the case.
    const Qt::CaseSensitivity cs = folder.size() > 1 && folder[1] == u':' ? Qt::CaseInsensitive : Qt::CaseSensitive;
    connect(probe, &RequestChannel::finished, this, [probe, done, name, cs](int, const HttpReply& reply) {
        probe->deleteLater();
        if (reply.httpStatus != 200 || !QUtf8StringView(reply.body).isValidUtf8()) {
            done(FilePresence::Unknown);
            return;
        }
        // A folder VLC cannot open (VLC's error page) holds nothing.
        for (const BrowseEntry& entry : FolderListing::read(reply.body))
            if (entry.value(u"name").compare(name, cs) == 0) {
                done(FilePresence::Present);
                return;
            }
        done(FilePresence::Absent);
    });
    connect(probe, &RequestChannel::failed, this, [probe, done](int, RequestFailure) {
        probe->deleteLater();
        done(FilePresence::Unknown);
    });
    probe->send(url, OrdinaryRequest, maxListBytes);
}

void RemoteConnection::openDrivesDirectory()
{
    tryDriveFolder(0);
}

void RemoteConnection::tryDriveFolder(int candidate)
{
    const QString folder = driveFolders[size_t(candidate)];
    directoryIsValid(folder, [self = QPointer<RemoteConnection>(this), candidate, folder](bool valid) {
        if (!self)
            return;
        if (valid) {
            self->m_state.setBrowseDir(folder);
            self->updateBrowseList();
            emit self->driveSearchFinished(true);
        } else if (size_t(candidate) + 1 < driveFolders.size()) {
            self->tryDriveFolder(candidate + 1);
        } else {
            emit self->driveSearchFinished(false); // the screen says so, as it sees fit
        }
    });
}
