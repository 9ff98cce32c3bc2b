#include "vlc/VLCController.h"

#include "core/AlertPresenter.h"
#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/StringHelpers.h"
#include "vlc/ByteSearch.h"
#include "vlc/RequestChannel.h"
#include "vlc/ServerDialect.h"
#include "vlc/XMLParser.h"
#include "vlc/XMLPlaylistParser.h"

#include <QUrl>
#include <QUtf8StringView>

namespace ArchiveKeys {
const QString hostAddress = QStringLiteral("hostAddress");
const QString hostName = QStringLiteral("hostName");
const QString nickname = QStringLiteral("nickname");
const QString defaultBrowseDirectory = QStringLiteral("defaultBrowseDirectory");
const QString isDefault = QStringLiteral("isDefault");
const QString browseAdd = QStringLiteral("browseAdd");
const QString password = QStringLiteral("password");
}

namespace {
QString optionalString(const QJsonObject& archive, const QString& key)
{
    const QJsonValue value = archive.value(key);
    return value.isString() ? value.toString() : QString();
}
}

VLCController::VLCController()
    : m_channel(new RequestChannel(this))
{
    connect(m_channel, &RequestChannel::finished, this, &VLCController::onRequestFinished);
    connect(m_channel, &RequestChannel::failed, this, &VLCController::onRequestFailed);
    setup();
}

VLCController::VLCController(const QJsonObject& archive)
    : m_channel(new RequestChannel(this))
{
    connect(m_channel, &RequestChannel::finished, this, &VLCController::onRequestFinished);
    connect(m_channel, &RequestChannel::failed, this, &VLCController::onRequestFailed);
    m_hostAddress = optionalString(archive, ArchiveKeys::hostAddress);
    m_hostName = optionalString(archive, ArchiveKeys::hostName);
    m_nickname = optionalString(archive, ArchiveKeys::nickname);
    // Posted before this record observes the notification itself, so when
    // several records were stored as default the last one decoded keeps it.
    setIsDefault(archive.value(ArchiveKeys::isDefault).toBool());
    m_browseAdd = archive.value(ArchiveKeys::browseAdd).toBool();
    m_defaultBrowseDirectory = optionalString(archive, ArchiveKeys::defaultBrowseDirectory);
    m_password = optionalString(archive, ArchiveKeys::password);
    m_isSaved = true;
    setup();
}

VLCController::~VLCController()
{
    clearOldRequest();
    NotificationCenter::defaultCenter().removeObserver(this);
}

QJsonObject VLCController::encodeWithCoder() const
{
    QJsonObject archive;
    auto putString = [&archive](const QString& key, const QString& value) {
        if (!value.isNull())
            archive.insert(key, value);
    };
    putString(ArchiveKeys::hostAddress, m_hostAddress);
    putString(ArchiveKeys::hostName, m_hostName);
    putString(ArchiveKeys::nickname, m_nickname);
    putString(ArchiveKeys::defaultBrowseDirectory, m_defaultBrowseDirectory);
    archive.insert(ArchiveKeys::isDefault, m_isDefault);
    archive.insert(ArchiveKeys::browseAdd, m_browseAdd);
    if (!m_password.isEmpty())
        archive.insert(ArchiveKeys::password, m_password);
    return archive;
}

void VLCController::setup()
{
    m_idForTrackCaches = -1;
    m_requestQueue.clear();
    m_statusDict.reset();
    m_playlistArray.clear();
    m_hasPlaylist = false;
    m_browseDir = m_defaultBrowseDirectory.isNull() ? QStringLiteral("~") : m_defaultBrowseDirectory;
    auto& center = NotificationCenter::defaultCenter();
    center.removeObserver(this, NotificationNames::playerLinkBecameDefault);
    center.addObserver(this, NotificationNames::playerLinkBecameDefault,
                       [this](const Notification& note) { someRemoteBecameDefault(note); });
}

void VLCController::setPassword(const QString& password)
{
    setRecordField(m_password, password);
}

void VLCController::setIsDefault(bool isDefault)
{
    setRecordField(m_isDefault, isDefault);
    if (isDefault)
        NotificationCenter::defaultCenter().post(NotificationNames::playerLinkBecameDefault, this);
}

void VLCController::someRemoteBecameDefault(const Notification& note)
{
    if (note.object != this)
        setRecordField(m_isDefault, false);
}

const ServerDialect& VLCController::dialect() const
{
    return ServerDialect::forApiVersion(m_apiVersion);
}

// --- Channel ---------------------------------------------------------------

QString VLCController::baseAddress() const
{
    // A colon after the last closing bracket (or anywhere, without brackets)
    // means the address already names its port.
    bool hasPort = false;
    for (const QChar c : m_hostAddress) {
        if (c == u']')
            hasPort = false;
        else if (c == u':')
            hasPort = true;
    }
    if (hasPort)
        return QStringLiteral("http://%1/").arg(m_hostAddress);
    return QStringLiteral("http://%1:8080/").arg(m_hostAddress);
}

void VLCController::sendAsynchronousRequest(const QString& url)
{
    sendRequest(url, OrdinaryRequest);
}

void VLCController::sendRequest(const QString& url, int kind)
{
    if (StringHelpers::hasSubstring(url, QStringLiteral("command"), SearchOptions::CaseInsensitive))
        ConsoleLog::log(QStringLiteral("send async %@"), url);
    clearOldRequest();

    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty()) {
        AlertPresenter::show(localizedString("Error..."),
                             fmt(localizedString("there was an internal error trying to access %@\n\nSorry."), url),
                             { localizedString("Ok") });
        return;
    }
    m_channel->setPassword(m_password);
    m_channel->send(parsed, kind);
}

void VLCController::clearOldRequest()
{
    if (m_channel)
        m_channel->clear();
}

bool VLCController::isBusy() const
{
    return m_channel->busy();
}

int VLCController::requestType() const
{
    return m_channel->busy() ? m_channel->acceptedTag() : OrdinaryRequest;
}

void VLCController::addRequestToQueue(int code)
{
    m_requestQueue.push_back(code);
}

void VLCController::processQueue()
{
    if (!m_requestQueue.empty()) {
        const int code = m_requestQueue.front();
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
    sendAsynchronousRequest(baseAddress() + QStringLiteral("requests/status.xml"));
}

void VLCController::updatePlaylist()
{
    if (isBusy()) {
        m_playlistDirty = true;
        return;
    }
    m_playlistDirty = false;
    sendAsynchronousRequest(baseAddress() + QStringLiteral("requests/playlist.xml"));
}

void VLCController::searchForPlayerLink()
{
    sendRequest(baseAddress(), ProbeRequest);
}

void VLCController::onRequestFinished(int kind, const HttpReply& reply)
{
    m_lastResponse = Clock::current().now();
    processResponse(reply, kind);
    processQueue();
}

void VLCController::onRequestFailed(int, RequestFailure failure)
{
    emit requestFailed(failure);
}

// --- Replies ---------------------------------------------------------------

void VLCController::processResponse(const HttpReply& reply, int requestKind)
{
    // The kind of reply expected belongs to the request that was sent, so a
    // failed probe can never swallow the next status reply.
    if (requestKind == ProbeRequest) {
        checkIfResponseIsValidRemote(reply);
        emit replyHandled(ReplyKind::Probe, reply.httpStatus);
        return;
    }

    m_passwordRequired = reply.httpStatus == 401;
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
    switch (kind) {
    case ReplyKind::Status:
        parseStatusResponse(body);
        break;
    case ReplyKind::Playlist:
        parsePlaylistResponse(body);
        break;
    case ReplyKind::Browse:
        parseBrowseResponse(body);
        break;
    default:
        // A refused password is told by the connection state (once per
        // change), not by the page VLC sends with every refusal.
        if (reply.httpStatus != 401 && reply.httpStatus != 403)
            ConsoleLog::log(QStringLiteral("!!response we didn't understand \n%@"), QString::fromUtf8(body));
        break;
    }
    emit replyHandled(kind, reply.httpStatus);
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
    XMLParser parser;
    parser.parseData(body);
    m_statusDict = parser.dictAtPath(u"root");
    m_apiVersion = int(StringHelpers::intValue(m_statusDict->XMLObjectForKey(u"apiversion").value_or(QString())));
    m_passwordNotSet = false;
    if (m_updatesToIgnore <= 0) {
        m_temporaryVolume = -1;
        m_temporaryPosition = -1;
        m_temporaryPositionSeconds = -1;
    } else {
        --m_updatesToIgnore;
    }
    NotificationCenter::defaultCenter().post(NotificationNames::vlcStatusChanged, this);
}

void VLCController::parsePlaylistResponse(const QByteArray& body)
{
    XMLPlaylistParser parser;
    parser.setInterestingKeys({ QStringLiteral("leaf") });
    // VLC 3 lists its media library beside the playlist; only the playlist
    // (the first branch) is what plays.
    parser.setFirstBranchOnly(dialect().isModern());
    parser.parseData(body);
    m_playlistArray = parser.takeItems();
    m_hasPlaylist = true;
    ++m_playlistGeneration;
    NotificationCenter::defaultCenter().post(NotificationNames::vlcPlayListChanged, this);
}
