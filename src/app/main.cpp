#include "CentralAccessFactory.h"
#include "PlayerLinkAppDelegate.h"
#include "RequestChannel.h"
#include "ScreenshotTour.h"
#include "SingleInstance.h"

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
    parser.addPositionalArgument(QStringLiteral("link"), QStringLiteral("A skin link to download."), QStringLiteral("[link]"));
    parser.process(app);
    const QStringList links = parser.positionalArguments();

    // A second launch hands its skin links to the running application.
    SingleInstance instance(SingleInstance::defaultKey());
    if (!parser.isSet(screenshots) && instance.forwardToRunningInstance(links))
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
        for (const QString& link : links)
            delegate.handleOpenURL(link);

        std::unique_ptr<ScreenshotTour> tour;
        if (parser.isSet(screenshots)) {
            tour = std::make_unique<ScreenshotTour>(delegate, parser.value(screenshots));
            tour->addStep(QStringLiteral("remotes"), nullptr, 800);
            QTimer::singleShot(0, tour.get(), &ScreenshotTour::start);
        }
        exitCode = app.exec();
        delegate.applicationWillTerminate();
    }
    CentralAccessFactory::shutdown();
    RequestChannel::releaseNetworkManager();
    return exitCode;
}
