#include "app/SingleInstance.h"

#include "core/HomePaths.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
#include <QElapsedTimer>
#include <QPointer>
#include <QVariant>

#include <unistd.h>

SingleInstance::SingleInstance(const QString& key, QObject* parent)
    : QObject(parent)
    , m_key(key)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    const QByteArray home = QCryptographicHash::hash(HomePaths::home().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("playerlink-%1-%2").arg(::getuid()).arg(QString::fromLatin1(home.left(12)));
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
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(timeoutMs))
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
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(connectTimeoutMs))
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

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // A server left behind by a crashed run holds the name: take it over.
        QLocalServer::removeServer(m_key);
        if (!m_server->listen(m_key))
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
