#include "app/RemotesTour.h"

#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "screens/RemoteConfig/RemoteConfigViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "ui/AlertView.h"
#include "ui/BWNavigationController.h"
#include "vlc/VLCController.h"

#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>

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

void addRemotesSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app)
{
    auto list = [] { return CentralAccessFactory::sharedFactory().remotesViewController(); };
    auto toRoot = [&app] {
        for (AlertView* alert : AlertView::visibleAlerts())
            alert->dismissWithClickedButtonIndex(0, false);
        app.navController()->popToRootViewControllerAnimated(false);
    };
    tour.addStep(QStringLiteral("remotes-states"), [&app, list, toRoot] {
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
                address = (new CannedReplyServer(computer.reply, &app))->address();
            auto remote = std::make_shared<VLCController>(RemoteRecord::forAddress(address),
                                                          CentralAccessFactory::sharedFactory().network());
            remote->setNickname(QString::fromUtf8(computer.name));
            if (!computer.password.isNull())
                remote->setPassword(computer.password);
            list()->addFoundRemote(remote);
        }
    }, 1500);
    tour.addStep(QStringLiteral("remotes-explain"), [list] {
        list()->didSelectRowAtIndexPath(list()->myTableView(), IndexPath(1, 3));
    }, 900);
    tour.addStep(QStringLiteral("remotes-password"), [list, toRoot] {
        toRoot();
        list()->didSelectRowAtIndexPath(list()->myTableView(), IndexPath(1, 2));
    }, 900);
    tour.addStep(QStringLiteral("remote-config"), [list, toRoot] {
        toRoot();
        list()->didSelectRowAtIndexPath(list()->myTableView(), IndexPath(0, list()->myTableView()->numberOfRowsInSection(0) - 1));
        RemoteConfigViewController* config = CentralAccessFactory::sharedFactory().remoteConfigViewController();
        config->nicknameField()->setText(QStringLiteral("Living Room"));
        config->hostIpField()->setText(QStringLiteral("192.168.1.20"));
        config->passwordField()->setText(QStringLiteral("secret"));
    }, 900);
    tour.addStep(QStringLiteral("remote-config-chooser"), [] {
        RemoteConfigViewController* config = CentralAccessFactory::sharedFactory().remoteConfigViewController();
        config->didSelectRowAtIndexPath(config->myTableView(), IndexPath(1, 2));
    }, 900);
    tour.addStep(QStringLiteral("remotes-back"), toRoot, 600);
}
