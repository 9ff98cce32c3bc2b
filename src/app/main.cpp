#include "app/AppWindow.h"
#include "app/CentralAccessFactory.h"
#include "app/HelpPageTour.h"
#include "app/NewsSetupTour.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "app/SingleInstance.h"
#include "screens/MainView/MainViewController.h"
#include "skin/Skin.h"
#include "ui/AlertView.h"
#include "vlc/RequestChannel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PlayerLink"));
    QApplication::setApplicationVersion(QStringLiteral(PLAYERLINK_VERSION));
    PlayerLinkAppDelegate::initialize();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A remote control for the VLC media player."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                   QStringLiteral("Write pictures of the window into FOLDER, then quit."),
                                   QStringLiteral("FOLDER"));
    parser.addOption(screenshots);
    QCommandLineOption connect(QStringLiteral("connect"), QStringLiteral("Open the remote screen for HOST[:PORT]."),
                               QStringLiteral("HOST"));
    parser.addOption(connect);
    QCommandLineOption password(QStringLiteral("password"), QStringLiteral("VLC's web interface password for --connect."),
                                QStringLiteral("PW"));
    parser.addOption(password);
    parser.addPositionalArgument(QStringLiteral("link"), QStringLiteral("A skin link to download."), QStringLiteral("[link]"));
    parser.process(app);
    const QStringList links = parser.positionalArguments();

    // A second launch hands its skin links to the running application.
    SingleInstance instance(SingleInstance::defaultKey());
    if (!parser.isSet(screenshots) && !parser.isSet(connect) && instance.forwardToRunningInstance(links))
        return 0;
    instance.listen();

    int exitCode = 0;
    {
        PlayerLinkAppDelegate delegate;
        QObject::connect(&instance, &SingleInstance::argumentsReceived, &delegate, [&delegate](const QStringList& args) {
            for (const QString& link : args)
                delegate.handleOpenURL(link);
        });
        QObject::connect(&app, &QGuiApplication::applicationStateChanged, &delegate, [&delegate](Qt::ApplicationState state) {
            if (state == Qt::ApplicationActive)
                delegate.applicationDidBecomeActive();
            else
                delegate.applicationWillResignActive();
        });
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &PlayerLinkAppDelegate::applicationWillTerminate);
        delegate.applicationDidFinishLaunching();
        if (parser.isSet(connect))
            delegate.connectTo(parser.value(connect),
                               parser.isSet(password) ? parser.value(password) : qEnvironmentVariable("PLAYERLINK_PASSWORD"));
        for (const QString& link : links)
            delegate.handleOpenURL(link);

        std::unique_ptr<ScreenshotTour> tour;
        if (parser.isSet(screenshots)) {
            tour = std::make_unique<ScreenshotTour>(delegate, parser.value(screenshots));
            if (parser.isSet(connect)) {
                // The remote screen as the user sees it: each page, both
                // orientations, and the "More..." sheet.
                MainViewController* remote = CentralAccessFactory::sharedFactory().mainViewController();
                AppWindow* window = delegate.window();
                auto flip = [remote] { remote->flipTablePicker(); };
                tour->addStep(QStringLiteral("remote-playlist"), nullptr, 3500);
                tour->addStep(QStringLiteral("remote-picker"), flip, 900);
                tour->addStep(QStringLiteral("remote-dvd"), flip, 900);
                tour->addStep(QStringLiteral("remote-landscape"), [window, flip] {
                    flip();
                    window->resize(AppWindow::defaultSize.height(), AppWindow::defaultSize.width());
                }, 2500);
                tour->addStep(QStringLiteral("remote-landscape-dvd"), flip, 900);
                tour->addStep(QStringLiteral("remote-more"), [window, remote] {
                    window->resize(AppWindow::defaultSize);
                    remote->actions();
                }, 1500);
                tour->addStep(QStringLiteral("remotes"), [&delegate] {
                    if (AlertView* sheet = AlertView::topAlert())
                        sheet->pressButton(5);
                    delegate.navController()->popViewControllerAnimated(false);
                }, 800);
            } else {
                tour->addStep(QStringLiteral("remotes"), nullptr, 800);
            }
            addHelpPageSteps(*tour, delegate);
            addNewsAndSetupSteps(*tour, delegate, parser.isSet(connect));
            QTimer::singleShot(0, tour.get(), &ScreenshotTour::start);
        }
        exitCode = app.exec();
        delegate.applicationWillTerminate();
    }
    CentralAccessFactory::shutdown();
    RequestChannel::releaseNetworkManager();
    return exitCode;
}
