#include "vlc/VLCController.h"

#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "vlc/ByteSearch.h"
#include "vlc/VlcErrorPage.h"

#include <QUtf8StringView>

#include <algorithm>

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
    if (m_connection)
        m_connection->clearOldRequest();
    // Before the state it reads goes: nothing it ends may reach a state
    // already destroyed.
    delete m_connection;
    m_connection = nullptr;
}

void VLCController::setNetwork(QNetworkAccessManager* network)
{
    m_network = network;
    if (m_connection)
        m_connection->setNetwork(network);
}

void VLCController::setup()
{
    if (m_connection)
        m_connection->clearQueue();
    m_state.reset(m_record.defaultBrowseDirectory);
}

RemoteConnection& VLCController::connection()
{
    if (!m_connection) {
        m_connection = new RemoteConnection(m_record, m_state, m_network, this);
        connect(m_connection, &RemoteConnection::replyArrived, this, &VLCController::processResponse);
        connect(m_connection, &RemoteConnection::requestConcluded, this, &VLCController::requestConcluded);
        connect(m_connection, &RemoteConnection::driveSearchFinished, this, &VLCController::driveSearchFinished);
        connect(m_connection, &RemoteConnection::albumArtChanged, this, &VLCController::albumArtChanged);
    }
    return *m_connection;
}

void VLCController::setHostAddress(const QString& address)
{
    if (address != m_record.hostAddress) {
        // Another address may be another server: its dialect is learnt anew.
        m_state.forgetServer();
        if (m_connection)
            m_connection->forgetServer();
    }
    setRecordField(m_record.hostAddress, address);
}

void VLCController::setIsDefault(bool isDefault)
{
    setRecordField(m_record.isDefault, isDefault);
    // The saved list hears it and makes every other record not default.
    if (isDefault)
        emit becameDefault();
}

std::optional<double> VLCController::lastResponse() const
{
    return m_connection ? m_connection->lastResponse() : std::nullopt;
}

bool VLCController::equalizerRestarting() const
{
    if (!m_connection)
        return false;
    const std::deque<int>& queue = m_connection->requestQueue();
    return std::find(queue.begin(), queue.end(), RemoteConnection::QueueEqualizerOn) != queue.end();
}

int VLCController::timeElapsedSeconds() const
{
    return m_state.smoothedTimeElapsedSeconds(m_connection ? m_connection->lostSince() : std::nullopt);
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
        emit requestConcluded(result);
        return;
    }

    connection().noteReplyStatus(reply);
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
    connection().noteReplyKind(kind, reply.httpStatus);
    switch (kind) {
    case ReplyKind::Status:
        result.unchanged = !parseStatusResponse(body);
        break;
    case ReplyKind::Playlist:
        result.unchanged = !parsePlaylistResponse(body);
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
        const QString refused = m_state.browseDir();
        m_state.restoreListedDir();
        if (reply.httpStatus != 401 && reply.httpStatus != 403)
            emit browseListRefused(refused);
    }
    if (kind != ReplyKind::Unrecognised)
        m_loggedUnrecognised = false;
    emit requestConcluded(result);
}

void VLCController::logUnrecognised(const QByteArray& body)
{
    // Once per change of state, and never more than a short excerpt (the
    // log escapes what a server sends: its line breaks start no lines).
    if (m_loggedUnrecognised)
        return;
    m_loggedUnrecognised = true;
    constexpr qsizetype excerptBytes = 200;
    QString excerpt = QString::fromUtf8(body.left(excerptBytes));
    if (body.size() > excerptBytes)
        excerpt += QStringLiteral("... (%1 bytes)").arg(body.size());
    ConsoleLog::log(logVlc, QStringLiteral("!!response we didn't understand \n%@"), excerpt);
}

void VLCController::checkIfResponseIsValidRemote(const HttpReply& reply)
{
    switch (connection().noteProbeReply(reply)) {
    case RemoteConnection::ProbeOutcome::FoundRemote:
        emit foundRemote();
        break;
    case RemoteConnection::ProbeOutcome::FoundValidRemote:
        emit foundValidRemote();
        break;
    case RemoteConnection::ProbeOutcome::Nothing:
        break;
    }
}

bool VLCController::parseStatusResponse(const QByteArray& body)
{
    RemoteConnection& link = connection();
    link.noteStatusArrived();
    const PlayerState::StatusOutcome outcome = m_state.storeStatusBody(body, link.luaMode());
    if (outcome.hintsPlaylist)
        link.hintPlaylistChange();
    if (outcome.stored)
        link.noteStatus(m_state.playerStatus(), m_state.apiVersion() >= 3);
    if (outcome.announce)
        emit statusChanged();
    return outcome.stored;
}

bool VLCController::parsePlaylistResponse(const QByteArray& body)
{
    if (!m_state.storePlaylistBody(body, luaMode()))
        return false;
    emit playlistChanged();
    return true;
}

void VLCController::parseBrowseResponse(const QByteArray& body)
{
    m_state.storeBrowseBody(body, luaMode(), m_listsOnlyMediaFiles);
    emit browseListChanged();
}

// --- The connection in words ---------------------------------------------------

QString VLCController::noPasswordHint()
{
    return localizedString("Set one in VLC under Tools › Preferences › Show settings: All › Interface › Main "
                           "interfaces › Lua › Lua HTTP › Password, then restart VLC; or start VLC with "
                           "--http-password.");
}

ConnectionState VLCController::connectionState() const
{
    return m_connection ? m_connection->connectionState() : ConnectionState::Connecting;
}

QString VLCController::status() const
{
    switch (connectionState()) {
    case ConnectionState::Connecting:
        return fmt(localizedString("Trying to connect to %@"), name());
    case ConnectionState::Lost:
        return fmt(localizedString("Lost connection to %@"), name());
    case ConnectionState::PasswordNotSet:
        return fmt(localizedString("VLC on %@ has no password set"), name());
    case ConnectionState::PasswordRefused:
        return fmt(localizedString("Wrong password for %@"), name());
    case ConnectionState::PasswordNeeded:
        return fmt(localizedString("Password needed for %@"), name());
    case ConnectionState::UnusableReplies:
        return fmt(localizedString("No usable answer from %@"), name());
    case ConnectionState::Connected:
        break;
    }
    return fmt(localizedString("Connected to %@"), name());
}
