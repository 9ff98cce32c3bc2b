#include "models/LocalFileCast.h"

#include "core/Localization.h"
#include "models/RemoteSession.h"
#include "net/CastServer.h"
#include "vlc/VLCController.h"

#include <QFileInfo>
#include <QHostInfo>

#include <algorithm>

LocalFileCast::LocalFileCast(RemoteSession& session, QObject* parent)
    : QAbstractListModel(parent)
    , m_session(session)
    , m_server(new CastServer(this))
{
    m_settle.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, &LocalFileCast::sendNext);
    m_playlistPoll.setInterval(playlistPollMs);
    connect(&m_playlistPoll, &QTimer::timeout, this, [this] {
        // The session's own polls read the playlist while they run.
        if (m_remote && !m_session.pollsRunning() && !m_remote->isBusy())
            m_remote->pollPlaylist();
    });
    connect(m_server, &CastServer::listeningChanged, this, &LocalFileCast::setServing);
    connect(&m_session, &RemoteSession::remoteChanged, this, &LocalFileCast::attach);
    attach();
}

LocalFileCast::~LocalFileCast()
{
    if (m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
}

int LocalFileCast::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant LocalFileCast::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const Row& row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case NameRole:
        return row.name;
    case PathRole:
        return row.path;
    case UrlRole:
        return row.url;
    case StateRole:
        return QVariant::fromValue(row.state);
    default:
        return {};
    }
}

QHash<int, QByteArray> LocalFileCast::roleNames() const
{
    return { { NameRole, "name" }, { PathRole, "path" }, { UrlRole, "url" }, { StateRole, "fileState" } };
}

QString LocalFileCast::describe(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return QString();
    case Problem::NoRemote:
        return localizedString("Choose a computer first: the file is played by its VLC.");
    case Problem::NotAFile:
        return localizedString("Only files can be played, not folders, and the file must still be there.");
    case Problem::Unreadable:
        return localizedString("You may not read this file.");
    case Problem::HostNotFound:
        return localizedString("The computer's name could not be found on the network.");
    case Problem::NoRoute:
        return localizedString("This computer has no way to the computer with VLC.");
    case Problem::CannotListen:
        return localizedString("The file could not be offered on the network.");
    case Problem::NotTaken:
        return localizedString("VLC did not take the file into its playlist.");
    case Problem::CommandFailed:
        return localizedString("VLC did not answer.");
    }
    return QString();
}

bool LocalFileCast::holdsLocalFile(const QList<QUrl>& urls)
{
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

QStringList LocalFileCast::fileNames(const QList<QUrl>& urls)
{
    QStringList names;
    for (const QUrl& url : urls)
        if (url.isLocalFile())
            names << QFileInfo(url.toLocalFile()).fileName();
    return names;
}

bool LocalFileCast::isServing() const
{
    return m_serving;
}

void LocalFileCast::play(const QList<QUrl>& files)
{
    hand(files, true);
}

void LocalFileCast::enqueue(const QList<QUrl>& files)
{
    hand(files, false);
}

void LocalFileCast::withdraw(int row)
{
    if (row < 0 || row >= count())
        return;
    const QUrl url = m_rows[size_t(row)].url;
    m_server->withdraw(url);
    m_watch.forget(url);
    removeRow(url);
    stopIfIdle();
}

void LocalFileCast::stopAll()
{
    if (m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
    m_lookupId = -1;
    m_resolving = false;
    m_pending.clear();
    m_sending.clear();
    m_settle.stop();
    m_playlistPoll.stop();
    m_watch.clear();
    m_server->stop();
    if (!m_rows.empty()) {
        beginResetModel();
        m_rows.clear();
        endResetModel();
        emit countChanged();
    }
}

void LocalFileCast::attach()
{
    stopAll();
    if (m_remote)
        m_remote->disconnect(this);
    m_remote = m_session.remote();
    if (!m_remote)
        return;
    connect(m_remote.get(), &VLCController::requestConcluded, this, &LocalFileCast::requestConcluded);
    connect(m_remote.get(), &VLCController::statusChanged, this, &LocalFileCast::refreshStates);
}

void LocalFileCast::hand(const QList<QUrl>& files, bool play)
{
    setProblem(Problem::None);
    if (!m_remote) {
        setProblem(Problem::NoRemote);
        return;
    }
    bool first = play;
    for (const QUrl& file : files) {
        if (!file.isLocalFile()) {
            setProblem(Problem::NotAFile);
            continue;
        }
        m_pending.push_back(Pending { file.toLocalFile(), first });
        first = false;
    }
    proceed();
}

void LocalFileCast::proceed()
{
    if (m_pending.empty() || m_resolving)
        return;
    if (m_server->isListening()) {
        sendNext();
        return;
    }
    // The address VLC is reached at: its host name resolved here, as the
    // connection to it resolves it.
    const QString host = QUrl(m_remote->record().baseAddress()).host();
    QHostAddress literal;
    if (literal.setAddress(host)) {
        startServer({ literal });
        return;
    }
    m_resolving = true;
    m_lookupId = QHostInfo::lookupHost(host, this, [this](const QHostInfo& info) {
        m_resolving = false;
        m_lookupId = -1;
        QList<QHostAddress> addresses = info.addresses();
        // IPv4 first: the connection to VLC tries it first too.
        std::stable_partition(addresses.begin(), addresses.end(), [](const QHostAddress& address) {
            return address.protocol() == QAbstractSocket::IPv4Protocol;
        });
        if (info.error() != QHostInfo::NoError || addresses.isEmpty()) {
            setProblem(Problem::HostNotFound);
            m_pending.clear();
            return;
        }
        startServer(addresses);
    });
}

void LocalFileCast::startServer(const QList<QHostAddress>& addresses)
{
    const CastServer::StartResult result = m_server->start(addresses);
    if (result != CastServer::StartResult::Started) {
        setProblem(result == CastServer::StartResult::NoRoute ? Problem::NoRoute : Problem::CannotListen);
        m_pending.clear();
        return;
    }
    m_playlistPoll.start();
    sendNext();
}

void LocalFileCast::sendNext()
{
    // One command at a time: the remote drops a request when another is sent.
    while (m_sending.isEmpty() && !m_settle.isActive() && !m_pending.empty() && m_remote) {
        const Pending next = m_pending.front();
        m_pending.pop_front();
        CastServer::AddResult added = CastServer::AddResult::Added;
        const QUrl url = m_server->add(next.path, &added);
        if (url.isEmpty()) {
            setProblem(added == CastServer::AddResult::Unreadable ? Problem::Unreadable : Problem::NotAFile);
            continue;
        }
        beginInsertRows({}, count(), count());
        m_rows.push_back(Row { QFileInfo(next.path).fileName(), QFileInfo(next.path).absoluteFilePath(), url,
                               FileState::Sending });
        endInsertRows();
        emit countChanged();
        m_sending = url;
        m_sendingPlay = next.play;
        const QString address = url.toString(QUrl::FullyEncoded);
        if (next.play)
            m_remote->playFilename(address);
        else
            m_remote->enqueueFilename(address);
    }
    stopIfIdle();
}

void LocalFileCast::requestConcluded(const RequestResult& result)
{
    if (!m_sending.isEmpty())
        commandConcluded(result);
    else if (result.reply == VLCController::ReplyKind::Playlist)
        playlistRead();
}

void LocalFileCast::commandConcluded(const RequestResult& result)
{
    const QUrl url = m_sending;
    m_sending.clear();
    const int row = rowOf(url);
    if (row >= 0) {
        if (!result.reply) {
            setProblem(Problem::CommandFailed);
            m_server->withdraw(url);
            removeRow(url);
        } else {
            m_watch.offer(url);
            m_rows[size_t(row)].state = FileState::Offered;
            emit dataChanged(index(row), index(row), { StateRole });
            if (m_sendingPlay)
                m_settle.start(settleMs);
        }
    }
    sendNext();
}

void LocalFileCast::playlistRead()
{
    std::vector<CastPlaylistWatch::Item> items;
    const auto& playlist = m_remote->state().playlist().items();
    items.reserve(playlist.size());
    for (const PlaylistItem& item : playlist)
        items.push_back({ item.id, QByteArrayView(item.uri.data(), qsizetype(item.uri.size())) });
    const QList<QUrl> gone = m_watch.read(items);
    for (const QUrl& url : gone) {
        const int row = rowOf(url);
        if (row >= 0 && m_rows[size_t(row)].state == FileState::Offered)
            setProblem(Problem::NotTaken);
        m_server->withdraw(url);
        removeRow(url);
    }
    refreshStates();
    stopIfIdle();
}

void LocalFileCast::refreshStates()
{
    if (!m_remote)
        return;
    const PlayerState& state = m_remote->state();
    std::optional<QUrl> playing;
    if (const auto id = state.playerStatus().currentPlaylistId; id && !state.isStopped())
        playing = m_watch.fileWithId(*id);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        FileState now = row.state;
        if (row.url == m_sending)
            now = FileState::Sending;
        else if (playing == row.url)
            now = FileState::Playing;
        else if (m_watch.isListed(row.url))
            now = FileState::Listed;
        else
            now = FileState::Offered;
        if (now != row.state) {
            row.state = now;
            emit dataChanged(index(int(i)), index(int(i)), { StateRole });
        }
    }
}

void LocalFileCast::removeRow(const QUrl& url)
{
    const int row = rowOf(url);
    if (row < 0)
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    emit countChanged();
}

void LocalFileCast::stopIfIdle()
{
    if (m_rows.empty() && m_pending.empty() && m_sending.isEmpty() && !m_resolving && m_server->isListening()) {
        m_playlistPoll.stop();
        m_watch.clear();
        m_server->stop();
    }
}

void LocalFileCast::setProblem(Problem problem)
{
    if (m_problem == problem)
        return;
    m_problem = problem;
    emit problemChanged();
}

void LocalFileCast::setServing(bool serving)
{
    if (m_serving == serving)
        return;
    m_serving = serving;
    emit servingChanged();
}

int LocalFileCast::rowOf(const QUrl& url) const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].url == url)
            return int(i);
    return -1;
}
