#include "vlc/VLCController.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/StringHelpers.h"
#include "core/xml/XmlDocument.h"
#include "vlc/ByteSearch.h"
#include "vlc/AlbumArtFetcher.h"
#include "vlc/RequestChannel.h"
#include "vlc/ServerDialect.h"
#include "vlc/VlcErrorPage.h"

#include <QHashFunctions>
#include <QTimer>
#include <QUrl>
#include <QUtf8StringView>

namespace {
// What a hash of the same bytes is seeded with; any fixed value will do.
constexpr size_t replySeed = 0x5eed;

size_t fingerprint(const QByteArray& body)
{
    return qHashBits(body.constData(), size_t(body.size()), replySeed);
}
}

VLCController::VLCController(const RemoteRecord& record, QNetworkAccessManager* network)
    : m_record(record)
    , m_network(network)
{
    qRegisterMetaType<RequestResult>();
    setup();
}

VLCController::VLCController(const QJsonObject& archive, QNetworkAccessManager* network)
    : VLCController(RemoteRecord::fromArchive(archive), network)
{
}

VLCController::~VLCController()
{
    clearOldRequest();
    NotificationCenter::defaultCenter().removeObserver(this);
}

void VLCController::setNetwork(QNetworkAccessManager* network)
{
    m_network = network;
    if (m_channel)
        m_channel->setNetwork(network);
}

void VLCController::setup()
{
    m_idForTrackCaches = -1;
    m_videoTracks = { TrackRecord {} };
    m_videoTracks[0].insert(QStringLiteral("streamId"), QStringLiteral("-1"));
    m_videoTracks[0].insert(QStringLiteral("description"), localizedString("None"));
    m_audioTracks = { TrackRecord {} };
    m_audioTracks[0].insert(QStringLiteral("streamId"), QStringLiteral("-1"));
    m_audioTracks[0].insert(QStringLiteral("Language"), localizedString("None"));
    m_subtitleTracks = { TrackRecord {} };
    m_subtitleTracks[0].insert(QStringLiteral("streamId"), QStringLiteral("-1"));
    m_subtitleTracks[0].insert(QStringLiteral("Description"), localizedString("None"));
    m_requestQueue.clear();
    m_status = {};
    m_hasStatus = false;
    m_statusHash.reset();
    m_playlist = {};
    m_hasPlaylist = false;
    m_playlistHash.reset();
    m_currentIndex.reset();
    m_browseDir = m_record.defaultBrowseDirectory.isNull() ? QStringLiteral("~") : m_record.defaultBrowseDirectory;
    m_listedDir.reset();
}

void VLCController::setHostAddress(const QString& address)
{
    if (address != m_record.hostAddress) {
        // Another address may be another server: its dialect is learnt anew.
        m_apiVersion = 0;
        m_statusHash.reset();
        m_playlistHash.reset();
        if (m_albumArt)
            m_albumArt->reset();
    }
    setRecordField(m_record.hostAddress, address);
}

void VLCController::setIsDefault(bool isDefault)
{
    setRecordField(m_record.isDefault, isDefault);
    // The saved list hears it and makes every other record not default.
    if (isDefault)
        NotificationCenter::defaultCenter().post(NotificationNames::playerLinkBecameDefault, this);
}

void VLCController::setLuaMode(bool lua)
{
    m_luaMode = lua;
    updateCurrentIndex();
}

const ServerDialect& VLCController::dialect() const
{
    return ServerDialect::forApiVersion(m_apiVersion);
}

// --- Channel ---------------------------------------------------------------

RequestChannel& VLCController::channel()
{
    if (!m_channel) {
        m_channel = new RequestChannel(m_network, this);
        connect(m_channel, &RequestChannel::finished, this, &VLCController::onRequestFinished);
        connect(m_channel, &RequestChannel::failed, this, &VLCController::onRequestFailed);
    }
    return *m_channel;
}

void VLCController::sendAsynchronousRequest(const QString& path, const QUrlQuery& query)
{
    const qint64 cap = path.endsWith(u"playlist.xml") || path.endsWith(u"browse.xml") ? maxListBytes : maxPageBytes;
    sendRequest(path, query, OrdinaryRequest, cap);
}

void VLCController::sendRequest(const QString& path, const QUrlQuery& query, int kind, qint64 maxBytes)
{
    QUrl url(baseAddress(), QUrl::StrictMode);
    if (url.isValid()) {
        url.setPath(path);
        url.setQuery(query);
    }
    if (query.hasQueryItem(QStringLiteral("command")))
        ConsoleLog::log(QStringLiteral("send async %@"), url.toString(QUrl::FullyEncoded));
    clearOldRequest();
    if (!url.isValid() || url.host().isEmpty()) {
        // Told through the event loop, as every other outcome is.
        QString target = baseAddress() + path.mid(1);
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
    channel().send(url, kind, maxBytes);
}

void VLCController::clearOldRequest()
{
    if (m_channel)
        m_channel->clear();
}

bool VLCController::isBusy() const
{
    return m_channel && m_channel->busy();
}

int VLCController::requestType() const
{
    return isBusy() ? m_channel->acceptedTag() : OrdinaryRequest;
}

void VLCController::addRequestToQueue(int code)
{
    m_requestQueue.push_back(code);
}

void VLCController::processQueue()
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
        default:
            break;
        }
        return;
    }
    if (m_statusDirty)
        updateStatus();
    else if (m_playlistDirty)
        updatePlaylist();
}

void VLCController::updateStatus()
{
    if (isBusy())
        return;
    m_statusDirty = false;
    sendAsynchronousRequest(QStringLiteral("/requests/status.xml"));
}

void VLCController::updatePlaylist()
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

void VLCController::pollPlaylist()
{
    // A long playlist on VLC 3 costs VLC a second of work and the network a
    // megabyte; while nothing hints at a change, fetch it less often.
    const bool longList = dialect().isModern() && m_playlist.size() > stretchFromItems;
    if (longList && !m_playlistHint && m_lastPlaylistFetch
        && Clock::current().now() - *m_lastPlaylistFetch < stretchedPlaylistSeconds)
        return;
    updatePlaylist();
}

void VLCController::searchForPlayerLink()
{
    sendRequest(QStringLiteral("/"), {}, ProbeRequest, maxPageBytes);
}

void VLCController::onRequestFinished(int kind, const HttpReply& reply)
{
    m_lastResponse = Clock::current().now();
    processResponse(reply, kind);
    processQueue();
}

void VLCController::onRequestFailed(int kind, RequestFailure failure)
{
    // The folder shown stays the one browseDir names.
    if (kind == BrowseRequest)
        restoreListedDir();
    RequestResult result;
    result.failure = failure;
    conclude(result);
}

void VLCController::conclude(const RequestResult& result)
{
    emit requestConcluded(result);
}

// --- Replies ---------------------------------------------------------------

void VLCController::processResponse(const HttpReply& reply, int requestKind)
{
    RequestResult result;
    result.httpStatus = reply.httpStatus;
    // The kind of reply expected belongs to the request that was sent, so a
    // failed probe can never swallow the next status reply.
    if (requestKind == ProbeRequest) {
        checkIfResponseIsValidRemote(reply);
        result.reply = ReplyKind::Probe;
        conclude(result);
        return;
    }

    m_passwordRequired = reply.httpStatus == 401;
    // VLC 3 with no password set refuses every page alike, polls included.
    if (reply.httpStatus == 403 && ByteSearch::containsIgnoringCase(reply.body, "VLC_PASSWORD_NOT_SET"))
        m_passwordNotSet = true;
    else if (reply.httpStatus == 401)
        m_passwordNotSet = false;
    const QByteArray& body = reply.body;
    ReplyKind kind = ReplyKind::Unrecognised;
    if (QUtf8StringView(body).isValidUtf8()) {
        if (ByteSearch::containsIgnoringCase(body, "<state>"))
            kind = ReplyKind::Status;
        else if (ByteSearch::containsIgnoringCase(body, "<node"))
            kind = ReplyKind::Playlist;
        else if (ByteSearch::containsIgnoringCase(body, "<element"))
            kind = ReplyKind::Browse;
    }
    result.reply = kind;
    switch (kind) {
    case ReplyKind::Status:
        result.unchanged = m_statusHash == fingerprint(body);
        parseStatusResponse(body);
        break;
    case ReplyKind::Playlist:
        result.unchanged = m_playlistHash == fingerprint(body);
        parsePlaylistResponse(body);
        break;
    case ReplyKind::Browse:
        parseBrowseResponse(body);
        break;
    default:
        // A refused password is told by the connection state (once per
        // change), not by the page VLC sends with every refusal.
        if (reply.httpStatus != 401 && reply.httpStatus != 403)
            logUnrecognised(body);
        result.serverMessage = VlcErrorPage::message(body);
        break;
    }
    if (requestKind == BrowseRequest && kind != ReplyKind::Browse) {
        // VLC 3 answers a folder it cannot open with a Lua error page.
        const QString refused = m_browseDir;
        restoreListedDir();
        if (reply.httpStatus != 401 && reply.httpStatus != 403)
            emit browseListRefused(refused);
    }
    if (kind != ReplyKind::Unrecognised)
        m_loggedUnrecognised = false;
    conclude(result);
}

void VLCController::logUnrecognised(const QByteArray& body)
{
    // Once per change of state, and never more than a short excerpt with
    // control characters shown as escapes: a server may send anything.
    if (m_loggedUnrecognised)
        return;
    m_loggedUnrecognised = true;
    constexpr qsizetype excerptBytes = 200;
    QString excerpt;
    for (const QChar c : QString::fromUtf8(body.left(excerptBytes))) {
        if (c.unicode() < 0x20 && c != u'\n')
            excerpt += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else if (c.unicode() == 0x7f || (c.unicode() >= 0x80 && c.unicode() < 0xa0))
            excerpt += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            excerpt += c;
    }
    if (body.size() > excerptBytes)
        excerpt += QStringLiteral("... (%1 bytes)").arg(body.size());
    ConsoleLog::log(QStringLiteral("!!response we didn't understand \n%@"), excerpt);
}

void VLCController::checkIfResponseIsValidRemote(const HttpReply& reply)
{
    const QByteArray& body = reply.body;
    const bool validText = QUtf8StringView(body).isValidUtf8();
    auto contains = [&](QByteArrayView needle) { return validText && ByteSearch::containsIgnoringCase(body, needle); };
    auto& center = NotificationCenter::defaultCenter();

    // VLC 3 asks for the password first; its challenge names VLC.
    const bool vlcChallenge = reply.httpStatus == 401
        && (ByteSearch::containsIgnoringCase(reply.wwwAuthenticate, "VLC") || contains("videolan"));
    if (vlcChallenge) {
        m_remoteFound = false;
        m_passwordRequired = true;
        m_passwordNotSet = false;
        center.post(NotificationNames::vlcFoundRemote, this);
        return;
    }
    // VLC 3 without a password configured refuses everyone; its page also
    // says "VLC media player", so it must be told apart first.
    if (contains("VLC_PASSWORD_NOT_SET")) {
        m_remoteFound = false;
        m_passwordRequired = false;
        m_passwordNotSet = true;
        center.post(NotificationNames::vlcFoundRemote, this);
        return;
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
            m_apiVersion = 0;
        updateCurrentIndex();
        center.post(NotificationNames::vlcFoundValidRemote, this);
        return;
    }
    m_remoteFound = false;
    if (contains("<title>Forbidden</title>")) {
        m_forbidden = true;
        center.post(NotificationNames::vlcFoundRemote, this);
    }
}

void VLCController::parseStatusResponse(const QByteArray& body)
{
    m_passwordNotSet = false;
    const size_t hash = fingerprint(body);
    if (m_statusHash == hash) {
        // The same bytes again: nothing to read, nothing to announce, unless
        // the values shown while a command was on its way are now dropped.
        if (dropTemporaryValues()) {
            updateEstimate();
            NotificationCenter::defaultCenter().post(NotificationNames::vlcStatusChanged, this);
        }
        return;
    }
    XmlDocument document;
    document.load(body, XmlDocument::Input::WholeDocument);
    PlayerStatus status = PlayerStatus::read(document);
    m_statusHash = hash;
    storeStatus(std::move(status));
}

void VLCController::storeStatus(PlayerStatus status)
{
    // The dialect sticks: a reply cut short or a Lua error page must not
    // send VLC 3 the older interface's requests.
    if (status.apiVersion >= 3 || status.complete || m_apiVersion < 3)
        m_apiVersion = status.apiVersion;
    // What hints that the playlist changed, so that a stretched playlist
    // poll fetches at once.
    if (!m_hasStatus || status.currentPlaylistId != m_status.currentPlaylistId || status.length != m_status.length
        || status.state != m_status.state)
        m_playlistHint = true;
    m_status = std::move(status);
    m_hasStatus = true;
    ++m_statusGeneration;
    m_positionPercent = dialect().positionPercent(m_status);
    m_speed = dialect().speed(m_status);
    m_audioDelay = dialect().audioDelay(m_status);
    dropTemporaryValues();
    updateEstimate();
    updateCurrentIndex();
    if (m_network && !m_albumArt) {
        m_albumArt = new AlbumArtFetcher(this);
        connect(m_albumArt, &AlbumArtFetcher::artChanged, this, &VLCController::albumArtChanged);
    }
    if (m_albumArt)
        m_albumArt->noteStatus(m_status, m_apiVersion >= 3, QUrl(baseAddress()), m_network, m_record.password);
    NotificationCenter::defaultCenter().post(NotificationNames::vlcStatusChanged, this);
}

QByteArray VLCController::albumArt() const
{
    return m_albumArt ? m_albumArt->art() : QByteArray();
}

quint64 VLCController::albumArtGeneration() const
{
    return m_albumArt ? m_albumArt->generation() : 0;
}

bool VLCController::dropTemporaryValues()
{
    if (m_updatesToIgnore > 0) {
        --m_updatesToIgnore;
        return false;
    }
    const bool had = m_temporaryVolume != -1 || m_temporaryPosition != -1 || m_temporaryPositionSeconds != -1;
    m_temporaryVolume = -1;
    m_temporaryPosition = -1;
    m_temporaryPositionSeconds = -1;
    return had;
}

void VLCController::parsePlaylistResponse(const QByteArray& body)
{
    const size_t hash = fingerprint(body);
    if (m_playlistHash == hash)
        return; // the same playlist: the table neither rebuilds nor repaints
    m_playlist = Playlist::read(body, dialect().isModern());
    m_playlistHash = hash;
    m_hasPlaylist = true;
    ++m_playlistGeneration;
    updateCurrentIndex();
    NotificationCenter::defaultCenter().post(NotificationNames::vlcPlayListChanged, this);
}
