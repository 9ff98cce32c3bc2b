#include "app/RemotesTour.h"

#include "models/RemotesModel.h"
#include "models/RemoteConfigForm.h"
#include "models/RemotesScreen.h"
#include "app/PictureTour.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QQuickWindow>
#include <QTcpServer>
#include <QTcpSocket>

#include <vector>

namespace {
// Answers every request on loopback with one fixed reply.
class CannedReplyServer : public QTcpServer {
public:
    CannedReplyServer(const QByteArray& reply, QObject* parent)
        : QTcpServer(parent)
        , m_reply(reply)
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    if (!socket->readAll().isEmpty()) {
                        socket->write(m_reply);
                        socket->disconnectFromHost();
                    }
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(serverPort()); }

private:
    QByteArray m_reply;
};

QByteArray reply(const QByteArray& status, const QByteArray& headers, const QByteArray& body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

struct Computer {
    const char* name;
    QByteArray reply; // empty: nothing listens
    QString password;
};
}

void addRemotesSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes)
{
    auto toRoot = [window] { QMetaObject::invokeMethod(window, "goBack"); };
    auto kitchen = std::make_shared<std::shared_ptr<VLCController>>();
    auto attic = std::make_shared<std::shared_ptr<VLCController>>();
    tour.addStep(QStringLiteral("remotes-states"), [window, &remotes, toRoot, kitchen, attic] {
        toRoot();
        const QByteArray challenge = reply("401 Unauthorized", "WWW-Authenticate: Basic realm=\"VLC stream\"\r\n",
                                           "<title>Unauthorized</title>");
        const std::vector<Computer> computers {
            { "Living Room", reply("200 OK", {}, "<title>VLC media player - Web Interface</title>"), {} },
            { "Study", challenge, {} },
            { "Kitchen", challenge, QStringLiteral("not it") },
            { "Attic", reply("403 Forbidden", {}, "<title>VLC media player</title>VLC_PASSWORD_NOT_SET"), {} },
            { "Old Laptop", reply("403 Forbidden", {}, "<title>Forbidden</title>"), {} },
            { "Printer", {}, {} },
        };
        for (const Computer& computer : computers) {
            QString address = QStringLiteral("127.0.0.1:9");
            if (!computer.reply.isEmpty())
                address = (new CannedReplyServer(computer.reply, window))->address();
            auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(address), remotes.network());
            remote->setNickname(QString::fromUtf8(computer.name));
            if (!computer.password.isNull())
                remote->setPassword(computer.password);
            remotes.remotes().addFoundRemote(remote);
            if (qstrcmp(computer.name, "Kitchen") == 0)
                *kitchen = remote;
            if (qstrcmp(computer.name, "Attic") == 0)
                *attic = remote;
        }
    }, 1500);
    // The sheet that says why a computer without a password set cannot be used.
    tour.addStep(QStringLiteral("remotes-explain"), [&remotes, attic] {
        remotes.open(remotes.remotes().rowOf(attic->get()));
    }, 900);
    auto closeNotices = [window] {
        for (QObject* notice : window->findChildren<QObject*>(QStringLiteral("notice")))
            if (notice->property("visible").toBool())
                QMetaObject::invokeMethod(notice, "close");
    };
    // The password prompt over the list, for the computer whose VLC refused
    // the password it was given.
    tour.addStep(QStringLiteral("remotes-password"), [&remotes, kitchen, closeNotices] {
        closeNotices();
        remotes.open(remotes.remotes().rowOf(kitchen->get()));
    }, 1500);
    tour.addStep(QStringLiteral("remote-config"), [window, closeNotices] {
        closeNotices();
        QMetaObject::invokeMethod(window, "addComputer");
        const std::pair<const char*, const char*> fields[] = { { "nameField", "Living Room" },
                                                               { "addressField", "192.168.1.20" },
                                                               { "configPasswordField", "secret" } };
        for (const auto& [name, text] : fields)
            if (QObject* field = window->findChild<QObject*>(QString::fromLatin1(name)))
                field->setProperty("text", QString::fromLatin1(text));
    }, 900);
    tour.addStep(QStringLiteral("remote-config-chooser"), [window] {
        if (auto* form = window->findChild<RemoteConfigForm*>())
            form->chooseFound();
    }, 900);
    tour.addStep(QStringLiteral("remotes-edit"), [window, &remotes, toRoot] {
        toRoot();
        RemoteRecord study = RemoteRecord::forAddress(QStringLiteral("127.0.0.1:9"));
        study.nickname = QStringLiteral("Study");
        remotes.saved().add(std::make_shared<VLCController>(study, remotes.network()));
        if (QObject* list = window->findChild<QObject*>(QStringLiteral("remotesPage")))
            list->setProperty("editing", true);
    }, 900);
    tour.addStep(QStringLiteral("remotes-back"), [window, &remotes, toRoot] {
        if (QObject* list = window->findChild<QObject*>(QStringLiteral("remotesPage")))
            list->setProperty("editing", false);
        // The tour leaves the user's saved computers as it found them.
        remotes.saved().removeAt(remotes.saved().size() - 1);
        toRoot();
    }, 800);
}
