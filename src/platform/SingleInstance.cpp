#include "platform/SingleInstance.h"

#include "core/ConsoleLog.h"
#include "core/HomePaths.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QVariant>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A real folder (no symlink) of this user's that no one else may enter.
bool isPrivateFolder(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
        && (st.st_mode & 077) == 0;
}

bool isOwnSocket(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == ::geteuid();
}

// The process on the other end runs as this user.
bool peerIsOwn(qintptr descriptor)
{
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return descriptor >= 0 && ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
        && peer.uid == ::geteuid();
}
}

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent)
{
    const QString folder = runtimeFolder();
    if (!folder.isEmpty())
        m_path = folder + u'/' + key;
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    const QByteArray home = QCryptographicHash::hash(HomePaths::home().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("playerlink-%1").arg(QString::fromLatin1(home.left(12)));
}

QString SingleInstance::runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return QDir::cleanPath(runtime);
    // Made 0700 when missing; one that another user made first is refused.
    const QString own = QDir::tempPath() + QStringLiteral("/playerlink-%1").arg(::geteuid());
    const QByteArray encoded = QFile::encodeName(own);
    ::mkdir(encoded.constData(), 0700);
    struct stat st {};
    if (::lstat(encoded.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid())
        ::chmod(encoded.constData(), 0700);
    if (isPrivateFolder(own))
        return own;
    ConsoleLog::log(logPlatform, QStringLiteral("%@ is not this user's own folder; running without a single-instance socket"), own);
    return QString();
}

bool SingleInstance::connectToOwn(QLocalSocket& socket, int timeoutMs) const
{
    if (m_path.isEmpty() || !QFileInfo::exists(m_path))
        return false;
    if (!isOwnSocket(m_path)) {
        ConsoleLog::log(logPlatform, QStringLiteral("%@ is not this user's socket; not talking to it"), m_path);
        return false;
    }
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    if (!peerIsOwn(socket.socketDescriptor())) {
        ConsoleLog::log(logPlatform, QStringLiteral("%@ is served by another user; not talking to it"), m_path);
        socket.abort();
        return false;
    }
    return true;
}

namespace {
// Each message is a kind and the arguments; a request waits for its answer.
enum MessageKind : quint8 { Arguments = 0, Request = 1 };

QByteArray message(MessageKind kind, const QStringList& arguments)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << quint8(kind) << arguments;
    return bytes;
}
}

bool SingleInstance::forwardToRunningInstance(const QStringList& arguments, int timeoutMs)
{
    QLocalSocket socket;
    if (!connectToOwn(socket, timeoutMs))
        return false;
    socket.write(message(Arguments, arguments));
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

std::optional<QByteArray> SingleInstance::askRunningInstance(const QStringList& arguments, int connectTimeoutMs,
                                                             int answerTimeoutMs)
{
    QLocalSocket socket;
    if (!connectToOwn(socket, connectTimeoutMs))
        return std::nullopt;
    socket.write(message(Request, arguments));
    socket.waitForBytesWritten(connectTimeoutMs);
    QElapsedTimer clock;
    clock.start();
    QByteArray buffer;
    for (;;) {
        buffer += socket.readAll();
        QDataStream in(buffer);
        QByteArray answer;
        in >> answer;
        if (in.status() == QDataStream::Ok)
            return answer;
        const qint64 left = answerTimeoutMs - clock.elapsed();
        if (left <= 0 || socket.state() != QLocalSocket::ConnectedState)
            return std::nullopt;
        socket.waitForReadyRead(int(left));
    }
}

bool SingleInstance::hasRunningInstance(int timeoutMs) const
{
    QLocalSocket socket;
    return connectToOwn(socket, timeoutMs);
}

bool SingleInstance::listen()
{
    if (m_path.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_path)) {
        // A socket left behind by a killed run holds the name: take it
        // over (nothing but this user's lies in this folder).
        QLocalServer::removeServer(m_path);
        if (!m_server->listen(m_path))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
    return true;
}

void SingleInstance::serve(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto take = [this, socket] {
        if (socket->property("served").toBool())
            return;
        const QByteArray data = socket->property("buffer").toByteArray() + socket->readAll();
        socket->setProperty("buffer", data);
        QDataStream in(data);
        quint8 kind = 0;
        QStringList arguments;
        in >> kind >> arguments;
        if (in.status() != QDataStream::Ok)
            return; // more to come
        socket->setProperty("served", true);
        if (kind == Arguments) {
            emit argumentsReceived(arguments);
            return;
        }
        QPointer<QLocalSocket> to(socket);
        auto reply = [to](const QByteArray& answer) {
            if (!to)
                return;
            QByteArray bytes;
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << answer;
            to->write(bytes);
            to->flush();
            to->disconnectFromServer();
        };
        if (m_requestHandler)
            m_requestHandler(arguments, reply);
        else
            socket->disconnectFromServer();
    };
    connect(socket, &QLocalSocket::readyRead, this, take);
    connect(socket, &QLocalSocket::disconnected, this, take);
}
