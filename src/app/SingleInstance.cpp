#include "app/SingleInstance.h"

#include "core/HomePaths.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>
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

bool SingleInstance::forwardToRunningInstance(const QStringList& arguments, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << arguments;
    socket.write(message);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return true;
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
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                socket->setProperty("buffer", socket->property("buffer").toByteArray() + socket->readAll());
            });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                QByteArray data = socket->property("buffer").toByteArray() + socket->readAll();
                QDataStream in(&data, QIODevice::ReadOnly);
                QStringList arguments;
                in >> arguments;
                if (in.status() == QDataStream::Ok)
                    emit argumentsReceived(arguments);
            });
        }
    });
    return true;
}
