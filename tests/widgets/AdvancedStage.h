#pragma once

#include "app/AppNavigator.h"
#include "app/BundleInstaller.h"
#include "app/CentralAccessFactory.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "screens/MainView/MainViewController.h"
#include "TestSupport.h"
#include "ui/BWNavigationController.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"
#include "vlc/VLCController.h"

#include <memory>

// The remote screen's remote on a fake VLC 3 that answers with what 3.0.24
// sent for a film with two audio and two subtitle tracks and three chapters,
// and a navigation stack to push the screens under test on.
struct AdvancedStage {
    ScopedHome home;
    FakeHttpServer server;
    CapturingAlertPresenter alerts;
    std::shared_ptr<VLCController> remote = std::make_shared<VLCController>();
    std::unique_ptr<BWNavigationController> nav;

    AdvancedStage()
    {
        server.setHandler([](const FakeHttpServer::Request& r) {
            if (r.target.startsWith("/requests/status.json"))
                return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-status-chapters.json")), "application/json");
            if (r.target.startsWith("/requests/playlist.xml"))
                return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-playlist-chapters.xml")));
            return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-status-chapters.xml")));
        });
        BundleInstaller::install();
        CentralAccessFactory::sharedFactory().setAlertPresenter(alerts);
        // The once-only what's-new page would cover the screens under test.
        UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
        remote->setNetwork(CentralAccessFactory::sharedFactory().network());
        remote->setHostAddress(server.hostAddress());
        feed(fixture(QStringLiteral("vlc3-playlist-chapters.xml")));
        feed(fixture(QStringLiteral("vlc3-status-chapters.xml")));
        CentralAccessFactory::sharedFactory().mainViewController()->setCurrentRemote(remote);
        nav = std::make_unique<BWNavigationController>(new ViewController);
        nav->resize(390, 700);
        nav->show();
        // The screens' intents land on this stack.
        CentralAccessFactory::sharedFactory().navigator().setStack(nav.get());
    }
    ~AdvancedStage()
    {
        nav.reset();
        CentralAccessFactory::shutdown();
    }
    CentralAccessFactory& factory() { return CentralAccessFactory::sharedFactory(); }
    void feed(const QByteArray& body)
    {
        HttpReply reply;
        reply.httpStatus = 200;
        reply.body = body;
        remote->processResponse(reply, VLCController::OrdinaryRequest);
    }
    template <typename Screen>
    Screen* push(Screen* screen)
    {
        nav->pushViewController(screen, false);
        return screen;
    }
    // The commands that reached VLC after the action, in order.
    QList<QByteArray> commands(const std::function<void()>& action, int settleMs = 300)
    {
        waitUntil([&] { return !remote->isBusy(); });
        server.clearRequests();
        action();
        spinEventLoop(settleMs);
        QList<QByteArray> sent;
        for (const QByteArray& target : server.targets())
            if (target.contains("command="))
                sent << target.mid(target.indexOf("command=") + 8);
        return sent;
    }
    static QString text(TableView* table, int section, int row)
    {
        TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(section, row));
        return cell ? cell->textLabel()->text() : QStringLiteral("<no cell>");
    }
    static TableViewCell::AccessoryType accessory(TableView* table, int section, int row)
    {
        TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(section, row));
        return cell ? cell->accessoryType() : TableViewCell::AccessoryDetailDisclosureButton;
    }
};
