#include "platform/DesktopPlatform.h"
#include "platform/SingleInstance.h"
#include "platform/SkinInstallCommand.h"
#include "core/TerminationSignals.h"
#include "core/CommandLineHelp.h"
#include "core/LaunchOptions.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/NewsModel.h"
#include "models/NoInternetNotice.h"
#include "net/Reachability_2.h"
#include "core/TerminalText.h"
#include "app/LaunchLinks.h"
#include "app/AdvancedTour.h"
#include "models/AlertSheets.h"
#include "app/ProgramLaunch.h"
#include "app/ListsTour.h"
#include "app/ReleasePages.h"
#include "models/RemotesScreen.h"
#include "app/RemotesTour.h"
#include "models/SettingsScreen.h"
#include "app/SettingsTour.h"
#include "app/SkinsTour.h"
#include "app/HelpTour.h"
#include "models/NewsScreen.h"
#include "app/NewsSetupTour.h"
#include "app/PictureTour.h"
#include "app/WindowKeys.h"
#include "app/WebPictureProvider.h"
#include "models/WebPictureStore.h"
#include "app/skin/SkinImageProvider.h"
#include "models/skin/SkinImageFolders.h"
#if !defined(Q_OS_ANDROID) && !defined(Q_OS_IOS)
#include "app/DesktopServices.h"
#endif

#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QtQml/qqmlextensionplugin.h>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(PlayerLinkPlugin)

namespace {
const QString program = QStringLiteral("playerlink");

// The remote screen in each of its states.
void addRemoteSteps(PictureTour& tour, QQuickWindow* window)
{
    auto call = [window](const char* method) { QMetaObject::invokeMethod(window, method); };
    tour.addStep(QStringLiteral("remote-playlist"), nullptr, 900);
    tour.addStep(QStringLiteral("remote-picker"), [call] { call("flipPages"); }, 600);
    tour.addStep(QStringLiteral("remote-dvd"), [call] { call("flipPages"); }, 600);
    tour.addStep(QStringLiteral("remote-landscape"), [&tour, window, call] {
        call("flipPages");
        window->resize(tour.landscape());
    }, 900);
    tour.addStep(QStringLiteral("remote-landscape-dvd"), [call] { call("flipPages"); }, 600);
    // Small windows show the whole skin, scaled down.
    tour.addStep(QStringLiteral("remote-landscape-small"), [window, call] {
        call("flipPages");
        window->resize(568, 320);
    }, 600);
    tour.addStep(QStringLiteral("remote-small"), [window] { window->resize(320, 568); }, 900);
    tour.addStep(QStringLiteral("remotes"), [&tour, window, call] {
        window->resize(tour.portrait());
        call("goBack");
    }, 800);
    // The computer's row once the list has asked it: what its VLC plays,
    // with the button that pauses it.
    tour.addStep(QStringLiteral("remotes-now-playing"), nullptr, 3200);
}

}

int main(int argc, char** argv)
{
    // The usage and the version need no window (nor a display).
    if (CommandLineHelp::answer(argc, argv, program))
        return 0;
    // The install, into the same skins folder (handed
    // to a running playerlink, which may be writing there).
    if (SkinInstallCommand::requested(argc, argv))
        return SkinInstallCommand::run(argc, argv);
    QGuiApplication app(argc, argv);
    // SIGTERM and SIGINT quit as closing the window does: the last save runs
    // and the socket goes.
    TerminationSignals terminationSignals;
    QGuiApplication::setApplicationName(QStringLiteral("PlayerLink"));
    QGuiApplication::setApplicationVersion(QStringLiteral(PLAYERLINK_VERSION));
    // The reader's language, when PlayerLink speaks it (English otherwise).
    Localization::installTranslations();
    UserDefaults& defaults = UserDefaults::standard();
    defaults.registerDefaults(PreferenceKeys::registeredDefaults());

    LaunchOptions options;
    options.process(app);
    QString passwordProblem;
    const std::optional<QString> connectPassword = options.password(&passwordProblem);
    if (!connectPassword) {
        std::fprintf(stderr, "playerlink: %s\n", qPrintable(escapedForTerminal(passwordProblem)));
        return 2;
    }

    // A plain later launch hands its skin links to the program already
    // running of the same home and ends.
    SingleInstance instance(SingleInstance::defaultKey());
    if (!options.takesScreenshots() && !options.connects() && instance.forwardToRunningInstance(options.links()))
        return 0;

    // The saved remotes, preferences and skins of the home, as earlier
    // versions left them.
    ProgramLaunch::applicationDidFinishLaunching(defaults);

    // One look on every platform, and the one the pictures are taken with.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE"))
        QQuickStyle::setStyle(QStringLiteral("Basic"));

    // Later launches hand their skin links and installs to this program, as
    // to a running playerlink; one already running of the same home keeps
    // them.
    if (!instance.hasRunningInstance() && instance.listen())
        SkinInstallCommand::serve(instance);

    WindowKeys keys;
    QNetworkAccessManager network;
    AlertSheets alerts;
    AlertPresenter::setCurrent(&alerts);
    DesktopPlatform platform(alerts);
    RemotesScreen remotes(&network, defaults, alerts, platform.services());
    remotes.load();
    if (options.connects())
        remotes.connectTo(options.connectHost(), *connectPassword);
    // The news is asked for at launch, so that the news buttons can show
    // their badge (nothing is asked without a configured news site).
    remotes.news()->model().refresh();
    auto engine = std::make_unique<QQmlApplicationEngine>();
    // The module's qmldir lies at qrc:/PlayerLink.
    engine->addImportPath(QStringLiteral("qrc:/"));
    engine->addImageProvider(QString::fromLatin1(SkinImageFolders::providerId), new SkinImageProvider);
    engine->addImageProvider(QString::fromLatin1(WebPictureStore::providerId), new WebPictureProvider);
    engine->setInitialProperties({
        { QStringLiteral("keys"), QVariant::fromValue(&keys) },
        { QStringLiteral("remotes"), QVariant::fromValue(&remotes) },
        { QStringLiteral("alerts"), QVariant::fromValue(&alerts) },
        { QStringLiteral("skinDirectory"), defaults.stringForKey(PreferenceKeys::skin) },
        { QStringLiteral("openRemote"), options.connects() },
    });
    engine->load(QUrl(QStringLiteral("qrc:/PlayerLink/Main.qml")));
    auto* window = engine->rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(engine->rootObjects().first());
    if (!window)
        return 1;
    keys.install(window);
#if !defined(Q_OS_ANDROID) && !defined(Q_OS_IOS)
    DesktopServices desktop(window, remotes);
#endif
    takeLaunchLinks(options.links(), instance, window, *remotes.skins());
    // As playerlink says at launch; the pictures show the screens, not this
    // machine's network.
    NoInternetNotice noInternet(Reachability_2::sharedReachability(), alerts);
    if (!options.takesScreenshots())
        noInternet.check();

    std::unique_ptr<PictureTour> tour;
    if (options.takesScreenshots()) {
        tour = std::make_unique<PictureTour>(window, options.screenshotsFolder());
        if (options.connects())
            addRemoteSteps(*tour, window);
        else
            tour->addStep(QStringLiteral("remotes"), nullptr, 800);
        addRemotesSteps(*tour, window, remotes);
        addSettingsSteps(*tour, window, remotes);
        if (options.connects())
            addListsSteps(*tour, window, remotes, options.connectHost(), *connectPassword);
        addAdvancedSteps(*tour, window, remotes);
        addSkinsSteps(*tour, window, remotes);
        if (options.connects())
            addRemoteSkinStep(*tour, window, remotes);
        addHelpSteps(*tour, window, remotes);
        addNewsSetupSteps(*tour, window, remotes, options.connects());
        QObject::connect(tour.get(), &PictureTour::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
        QTimer::singleShot(0, tour.get(), &PictureTour::start);
    }
    const int exitCode = app.exec();
    ProgramLaunch::applicationWillTerminate(remotes, defaults);
    // The window and what it drew go before the application: textures of
    // items that went away wait for deferred deletion.
    tour.reset();
    releasePages(window);
    engine.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AlertPresenter::setCurrent(nullptr);
    return exitCode;
}
