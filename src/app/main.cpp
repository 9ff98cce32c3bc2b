#include "app/AdvancedScreensTour.h"
#include "app/BrowsePlaylistTour.h"
#include "app/AppWindow.h"
#include "app/CentralAccessFactory.h"
#include "app/HelpPageTour.h"
#include "app/RemotesTour.h"
#include "app/NewsSetupTour.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "app/SingleInstance.h"
#include "app/SkinInstallCommand.h"
#include "app/SkinLibraryTour.h"
#include "app/TerminationSignals.h"
#include "core/CommandLineHelp.h"
#include "core/LaunchOptions.h"
#include "core/Localization.h"
#include "core/TerminalText.h"
#include "screens/MainView/MainViewController.h"
#include "skin/Skin.h"
#include "ui/AlertView.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    // The usage, the version and installing a skin need no window (nor a
    // display).
    if (CommandLineHelp::answer(argc, argv))
        return 0;
    if (SkinInstallCommand::requested(argc, argv))
        return SkinInstallCommand::run(argc, argv);
    QApplication app(argc, argv);
    // SIGTERM and SIGINT quit like the window does: the last save runs.
    TerminationSignals terminationSignals;
    QApplication::setApplicationName(QStringLiteral("PlayerLink"));
    QApplication::setApplicationVersion(QStringLiteral(PLAYERLINK_VERSION));
    // The reader's language, when PlayerLink speaks it (English otherwise).
    Localization::installTranslations();
    PlayerLinkAppDelegate::initialize();

    LaunchOptions options;
    options.process(app);
    const QStringList links = options.links();
    QString passwordProblem;
    const std::optional<QString> connectPassword = options.password(&passwordProblem);
    if (!connectPassword) {
        std::fprintf(stderr, "playerlink: %s\n", qPrintable(escapedForTerminal(passwordProblem)));
        return 2;
    }

    // A second launch brings the running application to the front and hands
    // it its skin links.
    SingleInstance instance(SingleInstance::defaultKey());
    if (!options.takesScreenshots() && !options.connects() && instance.forwardToRunningInstance(links))
        return 0;
    instance.listen();
    SkinInstallCommand::serve(instance);

    int exitCode = 0;
    {
        PlayerLinkAppDelegate delegate;
        QObject::connect(&instance, &SingleInstance::argumentsReceived, &delegate,
                         &PlayerLinkAppDelegate::applicationReopened);
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate, &PlayerLinkAppDelegate::applicationWillTerminate);
        delegate.applicationDidFinishLaunching();
        if (options.connects())
            delegate.connectTo(options.connectHost(), *connectPassword);
        for (const QString& link : links)
            delegate.handleOpenURL(link);

        std::unique_ptr<ScreenshotTour> tour;
        if (options.takesScreenshots()) {
            tour = std::make_unique<ScreenshotTour>(delegate, options.screenshotsFolder());
            if (options.connects()) {
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
                    // Wider first: each shape has its own smallest size.
                    window->resize(AppWindow::defaultSize.height(), AppWindow::defaultSize.height() - 100);
                    window->resize(AppWindow::defaultSize.height(), AppWindow::defaultSize.width());
                }, 2500);
                tour->addStep(QStringLiteral("remote-landscape-dvd"), flip, 900);
                // Small windows show the whole skin, scaled down.
                tour->addStep(QStringLiteral("remote-landscape-small"), [window, flip] {
                    flip();
                    window->resize(568, 320);
                }, 900);
                tour->addStep(QStringLiteral("remote-small"), [window] {
                    window->resize(568, 600);
                    window->resize(320, 568);
                }, 1500);
                BrowsePlaylistTour::addSteps(*tour, delegate);
                tour->addStep(QStringLiteral("remote-more"), [window, remote] {
                    window->resize(AppWindow::defaultSize);
                    remote->actions();
                }, 1500);
                SkinLibraryTour::addSteps(*tour, delegate);
                tour->addStep(QStringLiteral("remotes"), [&delegate] {
                    if (AlertView* sheet = AlertView::topAlert())
                        sheet->pressButton(5);
                    delegate.navController()->popViewControllerAnimated(false);
                }, 800);
                AdvancedScreensTour::addSteps(*tour, delegate);
            } else {
                tour->addStep(QStringLiteral("remotes"), nullptr, 800);
            }
            addHelpPageSteps(*tour, delegate);
            addRemotesSteps(*tour, delegate);
            addNewsAndSetupSteps(*tour, delegate, options.connects());
            QTimer::singleShot(0, tour.get(), &ScreenshotTour::start);
        }
        exitCode = app.exec();
        delegate.applicationWillTerminate();
    }
    CentralAccessFactory::shutdown();
    return exitCode;
}
