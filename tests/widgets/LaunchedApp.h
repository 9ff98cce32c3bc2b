#pragma once

#include "app/AppWindow.h"
#include "app/BundleInstaller.h"
#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "net/NetworkStateSource.h"
#include "net/Reachability_2.h"
#include "TestSupport.h"
#include "ui/AlertView.h"
#include "ui/BWNavigationController.h"
#include "ui/UrlOpener.h"

#include <QHostAddress>
#include <QList>
#include <QUrl>

#include <functional>
#include <memory>

// A launched application in a fresh home (or the given one), on a network
// that is up, with the URLs it opens recorded instead of opened.
struct LaunchedApp {
    class OnlineNetwork : public NetworkStateSource {
    public:
        std::optional<NetworkState> read() override
        {
            NetworkState state;
            state.interfaces.push_back({ QStringLiteral("lo"), true, true, { QHostAddress::LocalHost } });
            state.interfaces.push_back({ QStringLiteral("eth0"), true, false, { QHostAddress(QStringLiteral("192.168.1.9")) } });
            state.routes.push_back({ QStringLiteral("eth0"), QHostAddress(QStringLiteral("0.0.0.0")), 0, true, 100 });
            return state;
        }
        void startWatching() override { }
    };

    Reachability_2 reachability { std::make_unique<OnlineNetwork>() };
    std::unique_ptr<PlayerLinkAppDelegate> app;
    QList<QUrl> opened;

    // configure runs before the launch (services, preferences).
    explicit LaunchedApp(const std::function<void()>& configure = {})
    {
        CentralAccessFactory::shutdown();
        PlayerLinkAppDelegate::initialize();
        BundleInstaller::install();
        // The setup screen that greets a first start is tested on its own;
        // elsewhere the list is the first screen.
        UserDefaults::standard().setBool(PreferenceKeys::haveSeenSetupPage, true);
        if (configure)
            configure();
        UrlOpener::setHandler([this](const QUrl& url) {
            opened << url;
            return true;
        });
        app = std::make_unique<PlayerLinkAppDelegate>(&reachability);
        app->applicationDidFinishLaunching();
        app->window()->resize(AppWindow::defaultSize);
    }
    ~LaunchedApp()
    {
        for (AlertView* alert : AlertView::visibleAlerts())
            delete alert;
        app.reset();
        CentralAccessFactory::shutdown();
        UrlOpener::setHandler(nullptr);
    }
    BWNavigationController* navigation() const { return app->navController(); }
    ViewController* top() const { return navigation()->topViewController(); }
    CentralAccessFactory& factory() const { return CentralAccessFactory::sharedFactory(); }
};
