#include "app/ApplicationActivity.h"
#include "app/AppWindow.h"
#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/SavedRemotesFile.h"
#include "app/SingleInstance.h"
#include "FakeHttpServer.h"
#include "ForeignServer.h"
#include "GivenNetwork.h"
#include "core/HomePaths.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "KeepPicture.h"
#include "net/Reachability_2.h"
#include "core/SkinFolders.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "TestSupport.h"
#include "ui/AlertView.h"
#include "ui/BWNavigationController.h"
#include "vlc/VLCController.h"
#include "ZipBuilder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocalSocket>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// A fresh home, a fresh shared access point and a launched application.
struct Launch {
    ScopedHome home;
    GivenNetwork* network = new GivenNetwork;
    Reachability_2 reachability { std::unique_ptr<NetworkStateSource>(network) };
    std::unique_ptr<PlayerLinkAppDelegate> app;

    explicit Launch(bool online = true, bool launchNow = true)
    {
        network->setOnline(online);
        CentralAccessFactory::shutdown();
        PlayerLinkAppDelegate::initialize();
        if (launchNow)
            launch();
    }
    void launch()
    {
        app = std::make_unique<PlayerLinkAppDelegate>(&reachability);
        app->applicationDidFinishLaunching();
    }
    // The program goes away without a normal termination.
    void kill()
    {
        app.reset();
        CentralAccessFactory::shutdown();
    }
    ~Launch()
    {
        app.reset();
        CentralAccessFactory::shutdown();
    }
    static QJsonArray savedRecords()
    {
        QFile file(SavedRemotesFile::defaultPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object().value("remotes").toArray();
    }
};

std::shared_ptr<VLCController> remoteAt(const QString& address, const QString& nickname = QString())
{
    auto remote = std::make_shared<VLCController>();
    remote->setHostAddress(address);
    remote->setNickname(nickname);
    return remote;
}
}

TEST(AppShell, FirstLaunchShowsAnEmptyListWithTheDefaults)
{
    Launch run;
    UserDefaults& defaults = UserDefaults::standard();
    EXPECT_EQ(defaults.stringForKey(PreferenceKeys::skin), QStringLiteral("PlayerLink.app/DefaultSkin"));
    EXPECT_TRUE(defaults.boolForKey(PreferenceKeys::launchedNotExited));
    EXPECT_TRUE(CentralAccessFactory::sharedFactory().savedRemotes().empty());
    ASSERT_TRUE(run.app->navController());
    EXPECT_EQ(run.app->navController()->rootViewController(), CentralAccessFactory::sharedFactory().remotesViewController());
    EXPECT_TRUE(run.app->window()->isVisible());
    EXPECT_FALSE(run.app->noInternetAlert());
    // The log file exists once the shared access point does.
    EXPECT_TRUE(QFile::exists(HomePaths::documents() + QStringLiteral("/log.txt")));
    run.app->applicationWillTerminate();
    EXPECT_FALSE(defaults.boolForKey(PreferenceKeys::launchedNotExited));
}

TEST(AppShell, SavedRemotesComeBackAndOnlyTheLastDefaultStays)
{
    Launch first;
    CentralAccessFactory& factory = CentralAccessFactory::sharedFactory();
    auto den = remoteAt(QStringLiteral("10.0.0.2"), QStringLiteral("Den"));
    den->setPassword(QStringLiteral("pw"));
    factory.addSavedRemote(den);
    factory.addSavedRemote(remoteAt(QStringLiteral("10.0.0.3:9090"), QStringLiteral("Attic")));
    first.app->applicationWillTerminate();
    first.kill();

    // Two records stored as default: only the later one is default after loading.
    QJsonArray records = Launch::savedRecords();
    ASSERT_EQ(records.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QJsonObject r = records[i].toObject();
        r.insert("isDefault", true);
        records[i] = r;
    }
    QJsonObject root { { "format", "PlayerLink saved remotes" }, { "version", 1 }, { "remotes", records } };
    QFile file(SavedRemotesFile::defaultPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(root).toJson());
    file.close();

    first.launch();
    SavedRemoteList& loaded = CentralAccessFactory::sharedFactory().savedRemotes();
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->record().nickname, QStringLiteral("Den"));
    EXPECT_EQ(loaded[0]->record().password, QStringLiteral("pw"));
    EXPECT_EQ(loaded[1]->record().hostAddress, QStringLiteral("10.0.0.3:9090"));
    EXPECT_FALSE(loaded[0]->record().isDefault);
    EXPECT_TRUE(loaded[1]->record().isDefault);
    EXPECT_TRUE(loaded[0]->record().isSaved);
}

TEST(AppShell, EveryChangeIsWrittenAtOnceSoAKillLosesNothing)
{
    Launch run;
    CentralAccessFactory& factory = CentralAccessFactory::sharedFactory();
    auto remote = remoteAt(QStringLiteral("10.0.0.7"), QStringLiteral("Kitchen"));
    factory.addSavedRemote(remote);
    EXPECT_EQ(Launch::savedRecords().size(), 1);
    remote->setNickname(QStringLiteral("Kitchen PC"));
    EXPECT_EQ(Launch::savedRecords()[0].toObject().value("nickname").toString(), QStringLiteral("Kitchen PC"));
    remote->setIsDefault(true);
    run.kill(); // no termination: nothing more is written

    run.launch();
    SavedRemoteList& loaded = CentralAccessFactory::sharedFactory().savedRemotes();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0]->record().nickname, QStringLiteral("Kitchen PC"));
    EXPECT_TRUE(loaded[0]->record().isDefault);

    CentralAccessFactory::sharedFactory().removeSavedRemote(loaded[0]);
    EXPECT_EQ(Launch::savedRecords().size(), 0);
}

TEST(AppShell, ADamagedFileIsKeptAsideAndAMissingOneIsNoList)
{
    Launch run(true, false);
    QDir().mkpath(HomePaths::documents());
    QFile file(SavedRemotesFile::defaultPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"PlayerLink saved remotes\", \"remotes\": [ {\"hostAddress\": \"10.0");
    file.close();
    run.launch();
    EXPECT_TRUE(CentralAccessFactory::sharedFactory().savedRemotes().empty());
    // What the user had is still on disk, beside the new file.
    const QStringList aside = QDir(HomePaths::documents()).entryList({ "BWRemotesFilename.unreadable-*" });
    ASSERT_EQ(aside.size(), 1);
    CentralAccessFactory::sharedFactory().addSavedRemote(remoteAt(QStringLiteral("10.0.0.9")));
    EXPECT_EQ(Launch::savedRecords().size(), 1);
    EXPECT_EQ(QDir(HomePaths::documents()).entryList({ "BWRemotesFilename.unreadable-*" }).size(), 1);
}

TEST(AppShell, SavedPasswordsAreReadableByTheOwnerOnly)
{
    // What an older version left: an open folder and a file others could read.
    Launch run(true, false);
    ASSERT_TRUE(QDir().mkpath(HomePaths::documents()));
    QFile::setPermissions(HomePaths::documents(), QFileDevice::Permissions(0x7755));
    QFile old(SavedRemotesFile::defaultPath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(R"({"format": "PlayerLink saved remotes", "version": 1, "remotes": [{"hostAddress": "10.0.0.2", "password": "pw"}]})");
    old.close();
    QFile::setPermissions(old.fileName(), QFileDevice::Permissions(0x6644));
    run.launch();
    ASSERT_EQ(CentralAccessFactory::sharedFactory().savedRemotes().size(), 1u);
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
        | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(HomePaths::documents()).permissions() & others);
    EXPECT_FALSE(QFileInfo(old.fileName()).permissions() & others);
    EXPECT_FALSE(QFileInfo(HomePaths::documents() + QStringLiteral("/log.txt")).permissions() & others);

    // A first launch in a fresh home, and a write.
    run.kill();
    QDir(HomePaths::documents()).removeRecursively();
    run.launch();
    CentralAccessFactory::sharedFactory().addSavedRemote(remoteAt(QStringLiteral("10.0.0.3")));
    ASSERT_EQ(Launch::savedRecords().size(), 1);
    EXPECT_EQ(QFileInfo(HomePaths::documents()).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(QFileInfo(old.fileName()).permissions() & ~(QFile::ReadUser | QFile::WriteUser), QFile::ReadOwner | QFile::WriteOwner);
}

TEST(AppShell, AFailedWriteLeavesThePreviousFile)
{
    Launch run;
    CentralAccessFactory::sharedFactory().addSavedRemote(remoteAt(QStringLiteral("10.0.0.2"), QStringLiteral("Den")));
    ConsoleCapture log;
    QFile::setPermissions(HomePaths::documents(), QFile::ReadOwner | QFile::ExeOwner);
    CentralAccessFactory::sharedFactory().addSavedRemote(remoteAt(QStringLiteral("10.0.0.3"), QStringLiteral("Attic")));
    QFile::setPermissions(HomePaths::documents(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (Launch::savedRecords().size() == 2)
        GTEST_SKIP() << "running with rights that ignore folder permissions (the file helpers test the mechanism)";
    EXPECT_EQ(Launch::savedRecords().size(), 1);
    EXPECT_TRUE(log.contains(QStringLiteral("could not write the saved remotes")));
    // The next change writes everything again.
    CentralAccessFactory::sharedFactory().savedRemotes()[1]->setNickname(QStringLiteral("Loft"));
    EXPECT_EQ(Launch::savedRecords().size(), 2);
}

TEST(AppShell, TheNoNetworkAlertComesAndGoesWithTheNetwork)
{
    Launch offline(false);
    AlertView* alert = offline.app->noInternetAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), QStringLiteral("No Internet..."));
    // Its wrapped message has all the height it needs, even in a narrow window.
    offline.app->window()->resize(280, 400);
    spinEventLoop(50);
    QLabel* message = alert->messageLabel();
    EXPECT_GE(message->height(), message->heightForWidth(message->width()));
    EXPECT_TRUE(alert->panel()->rect().contains(message->geometry()));
    keepPicture(offline.app->window(), QStringLiteral("no-internet-narrow"));
    EXPECT_EQ(AlertView::topAlert(), alert);
    EXPECT_TRUE(offline.reachability.networkStatusNotificationsEnabled());

    // Still offline: the alert stays.
    NotificationCenter::defaultCenter().post(NotificationNames::networkReachabilityChanged);
    EXPECT_TRUE(offline.app->noInternetAlert());
    offline.network->setOnline(true);
    NotificationCenter::defaultCenter().post(NotificationNames::networkReachabilityChanged);
    EXPECT_FALSE(offline.app->noInternetAlert());
    EXPECT_EQ(AlertView::topAlert(), nullptr);
    EXPECT_FALSE(offline.reachability.networkStatusNotificationsEnabled());
}

TEST(AppShell, ASkinLinkAsksBeforeDownloading)
{
    Launch run;
    ConsoleCapture log;
    EXPECT_TRUE(run.app->handleOpenURL(QStringLiteral("plskins://skins.example/night.zip")));
    EXPECT_TRUE(log.contains(QStringLiteral("launched with url: plskins://skins.example/night.zip")));
    AlertView* question = run.app->skinDownloadAlert();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->title(), QStringLiteral("Download Skin ?"));
    EXPECT_EQ(question->message(), QStringLiteral("Do you want to download a skin from:\nplskins://skins.example/night.zip"));
    EXPECT_EQ(question->buttonTitles(), (QStringList { "Cancel", "Download" }));
    // A second link while it runs replaces the first; "Download" fetches it
    // (here from a loopback port where nothing answers).
    const QString day = QStringLiteral("plskins://127.0.0.1:%1/day.zip").arg(unusedLoopbackPort());
    run.app->handleOpenURL(day);
    EXPECT_EQ(run.app->skinUrl(), day);
    AlertView::topAlert()->pressButton(1);
    ASSERT_TRUE(waitUntil([] { return AlertView::topAlert() && AlertView::topAlert()->title() == "Couldn't download"; }));
    AlertView::topAlert()->pressButton(0);
    question->pressButton(0);
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
}

TEST(AppShell, ASecondLaunchBringsTheRunningWindowForwardWithItsLinks)
{
    const QString key = QStringLiteral("playerlink-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance running(key);
    ASSERT_TRUE(running.listen());
    QList<QStringList> received;
    QObject::connect(&running, &SingleInstance::argumentsReceived, [&](const QStringList& args) { received << args; });

    SingleInstance second(key);
    EXPECT_TRUE(second.forwardToRunningInstance({ QStringLiteral("plskins://h/a.zip") }));
    EXPECT_TRUE(second.forwardToRunningInstance({})); // a plain launch is news too
    ASSERT_TRUE(waitUntil([&] { return received.size() == 2; }));
    EXPECT_EQ(received[0], QStringList { QStringLiteral("plskins://h/a.zip") });
    EXPECT_TRUE(received[1].isEmpty());

    SingleInstance nobody(key + QStringLiteral("-none"));
    EXPECT_FALSE(nobody.forwardToRunningInstance({}, 200));

    // The running application: a minimised window comes back, in front.
    Launch run;
    AppWindow* window = run.app->window();
    window->showMinimized();
    EXPECT_FALSE(run.app->activity()->isActive());
    run.app->applicationReopened({});
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(run.app->activity()->isActive());
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty());
    run.app->applicationReopened({ QStringLiteral("plskins://h/b.zip") });
    EXPECT_EQ(run.app->skinUrl(), QStringLiteral("plskins://h/b.zip"));
}

TEST(AppShell, TheWindowIsActiveWhileItCanBeSeenFocusedOrNot)
{
    Launch run;
    QStringList posted;
    auto& center = NotificationCenter::defaultCenter();
    QObject observer;
    center.addObserver(&observer, NotificationNames::applicationWillResignActive, [&](const Notification&) { posted << "resign"; });
    center.addObserver(&observer, NotificationNames::applicationDidBecomeActive, [&](const Notification&) { posted << "active"; });
    ApplicationActivity* activity = run.app->activity();
    ASSERT_TRUE(activity->isActive());
    activity->applicationStateChanged(Qt::ApplicationInactive); // another window has the focus
    EXPECT_TRUE(posted.isEmpty());
    run.app->window()->showMinimized();
    run.app->window()->showNormal();
    activity->setSessionLocked(true);
    activity->setSessionLocked(false);
    EXPECT_EQ(posted, (QStringList { "resign", "active", "resign", "active" }));
}

TEST(AppShell, TheRemoteScreenKeepsTheWindowLargeEnoughForItsWholeSkin)
{
    Launch run;
    AppWindow* window = run.app->window();
    run.app->connectTo(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()), QString());
    auto* remote = CentralAccessFactory::sharedFactory().mainViewController();
    ASSERT_EQ(run.app->navController()->topViewController(), remote);
    // Portrait: seven tenths of the skin, with the bar above and the toolbar below.
    window->resize(320, 700);
    EXPECT_EQ(window->minimumSize(), QSize(273, 471 + 44 + 44).expandedTo(AppWindow::smallestSize));
    // Landscape: the lower bar.
    window->resize(760, 390);
    EXPECT_EQ(window->minimumSize(), QSize(532, 220 + 32 + 44));
    // Back on the list, any small window will do.
    run.app->navController()->popViewControllerAnimated(false);
    EXPECT_EQ(window->minimumSize(), AppWindow::smallestSize);
}

TEST(AppShell, ARemoteFromTheCommandLineIsAskedWithItsPasswordFromTheFirstRequest)
{
    FakeHttpServer server;
    const QByteArray expected = "Basic " + QByteArray(":pw").toBase64();
    server.setHandler([&](const FakeHttpServer::Request& r) {
        if (r.headers.value("authorization") != expected) {
            FakeHttpServer::Response refused;
            refused.status = 401;
            return refused;
        }
        return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
    });
    Launch run;
    run.app->connectTo(server.hostAddress(), QStringLiteral("pw"));
    auto* screen = CentralAccessFactory::sharedFactory().mainViewController();
    ASSERT_TRUE(waitUntil([&] { return screen->currentRemote() && screen->currentRemote()->state().hasStatus(); }));
    spinEventLoop(300);
    for (const FakeHttpServer::Request& r : server.requests())
        EXPECT_EQ(r.headers.value("authorization"), expected) << r.target.toStdString();
    EXPECT_TRUE(AlertView::visibleAlerts().isEmpty()) << "no question for a password that was given";
}

TEST(AppShell, ScreensAreCreatedOnceAndTheWindowKeepsTheLockedShape)
{
    Launch run;
    CentralAccessFactory& factory = CentralAccessFactory::sharedFactory();
    EXPECT_EQ(factory.remotesViewController(), factory.remotesViewController());
    EXPECT_EQ(factory.currentRemote(), nullptr);
    EXPECT_EQ(&factory, &CentralAccessFactory::sharedFactory());

    AppWindow* window = run.app->window();
    window->resize(800, 400);
    EXPECT_EQ(window->windowOrientation(), OrientationLandscapeRight);
    EXPECT_EQ(window->contentOrientation(), OrientationLandscapeRight);
    EXPECT_EQ(run.app->navController()->geometry(), window->rect());
    // Locked to portrait: the stack keeps a portrait shape inside the window.
    UserDefaults::standard().setInteger(PreferenceKeys::lockRotationSpecific, OrientationPortrait);
    window->relayout();
    EXPECT_EQ(window->contentOrientation(), OrientationPortrait);
    const QRect content = run.app->navController()->geometry();
    EXPECT_GT(content.height(), content.width());
    EXPECT_EQ(content.center().x(), window->rect().center().x());
    UserDefaults::standard().setInteger(PreferenceKeys::lockRotationSpecific, 0);
}

namespace {
// The program itself, in the test's home, with the test's environment.
struct AppProcess {
    QProcess process;
    explicit AppProcess(const QStringList& arguments, const QMap<QString, QString>& environment = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PLAYERLINK_HOME"), HomePaths::home());
        for (auto it = environment.begin(); it != environment.end(); ++it)
            env.insert(it.key(), it.value());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PLAYERLINK_APP_PATH), arguments);
        process.waitForStarted();
    }
    ~AppProcess()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
        }
    }
    bool running() const { return process.state() == QProcess::Running; }
    // Ended on its own, with its exit status (-1 for a death by signal).
    int exitCode()
    {
        if (!process.waitForFinished(60000))
            return -2;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

// A file written anew (replaced) has another inode.
ino_t inodeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// Where versions before this one put the socket: the shared /tmp, under a
// name anyone can work out.
QString sharedTmpSocket()
{
    const QByteArray home = QCryptographicHash::hash(HomePaths::home().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("/tmp/playerlink-%1-%2").arg(::getuid()).arg(QString::fromLatin1(home.left(12)));
}

// For the length of a test, the variable is as given (unset when null).
struct ScopedVariable {
    const char* name;
    QByteArray previous;
    bool wasSet;
    ScopedVariable(const char* n, const QByteArray& value)
        : name(n), previous(qgetenv(n)), wasSet(qEnvironmentVariableIsSet(n))
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedVariable() { wasSet ? qputenv(name, previous) : qunsetenv(name); }
};
}

TEST(AppShell, ASocketOfAnotherUserIsNeverTakenForTheRunningApplication)
{
    if (::geteuid() != 0 || !::getpwnam("plvlc"))
        GTEST_SKIP() << "needs root and the user plvlc, to make another user's socket";
    ScopedHome home;
    const ScopedVariable noRuntimeFolder("XDG_RUNTIME_DIR", QByteArray());
    const QString archive = HomePaths::home() + QStringLiteral("/glacier.zip");
    {
        QFile file(archive);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ZipBuilder().addFolder(QStringLiteral(PLAYERLINK_FIXTURES_DIR "/skins/Glacier"), "Glacier").build());
    }
    const QString squat = QStringLiteral("/tmp/playerlink-squat-%1").arg(QCoreApplication::applicationPid());
    struct Squat {
        const char* where;
        QString socket;
        bool makeFolder;
        QMap<QString, QString> environment;
    };
    const std::vector<Squat> squats {
        { "the shared /tmp, first", sharedTmpSocket(), false, {} },
        // A runtime folder that is not the user's: the socket is looked for elsewhere.
        { "a runtime folder of another user's", squat + u'/' + SingleInstance::defaultKey(), true,
          { { QStringLiteral("XDG_RUNTIME_DIR"), squat } } },
    };
    for (const Squat& s : squats) {
        SCOPED_TRACE(s.where);
        QDir(SkinFolders::installedSkins()).removeRecursively();
        ForeignServer squatter(s.socket, s.makeFolder);
        ASSERT_TRUE(squatter.ready());
        AppProcess install({ QStringLiteral("--install-skin"), archive }, s.environment);
        EXPECT_EQ(install.exitCode(), 0);
        EXPECT_EQ(QString::fromUtf8(install.process.readAllStandardOutput()), QStringLiteral("Installed skin \"Glacier\"\n"));
        EXPECT_TRUE(QFileInfo::exists(SkinFolders::installedSkins() + QStringLiteral("/Glacier/SkinDefinition.xml")));
        EXPECT_EQ(squatter.connections(), 0);
        QDir(squat).removeRecursively();
    }

    // A plain launch hands nothing over: it runs, on a socket of its own.
    ForeignServer squatter(sharedTmpSocket(), false);
    ASSERT_TRUE(squatter.ready());
    const QString own = SingleInstance(SingleInstance::defaultKey()).socketPath();
    ASSERT_FALSE(own.isEmpty());
    AppProcess app({ QStringLiteral("plskins://127.0.0.1:1/night.zip") });
    EXPECT_TRUE(waitUntil([&] { return QFileInfo::exists(own) || !app.running(); }, 60000));
    EXPECT_TRUE(app.running());
    EXPECT_EQ(squatter.connections(), 0);
    // What a second launch finds is that one, the user's own.
    QLocalSocket probe;
    probe.connectToServer(own);
    EXPECT_TRUE(probe.waitForConnected(5000));
}

TEST(AppShell, TermAndInterruptSignalsQuitWithTheLastSaveAndTakeTheSocketDown)
{
    for (const int signal : { SIGTERM, SIGINT }) {
        SCOPED_TRACE(signal);
        ScopedHome home;
        const ScopedVariable noRuntimeFolder("XDG_RUNTIME_DIR", QByteArray());
        // A saved remote whose password the session changes.
        const QString address = QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort());
        ASSERT_TRUE(QDir().mkpath(HomePaths::documents()));
        ASSERT_TRUE(SavedRemotesFile().save({ RemoteRecord::forAddress(address) }));
        // In the environment: a command line is every local user's to read.
        AppProcess app({ QStringLiteral("--connect"), address },
                       { { QStringLiteral("PLAYERLINK_PASSWORD"), QStringLiteral("changed") } });
        const QString socket = SingleInstance(SingleInstance::defaultKey()).socketPath();
        ASSERT_TRUE(waitUntil([&] {
            const QJsonArray saved = Launch::savedRecords();
            return (QFileInfo::exists(socket) && !saved.isEmpty()
                    && saved[0].toObject().value("password").toString() == QStringLiteral("changed"))
                || !app.running();
        }, 60000));
        ASSERT_TRUE(app.running());
        const ino_t written = inodeOf(SavedRemotesFile::defaultPath());

        ::kill(pid_t(app.process.processId()), signal);
        EXPECT_EQ(app.exitCode(), 0);
        // Written again at the end, the launch marked as ended, the socket gone.
        EXPECT_NE(inodeOf(SavedRemotesFile::defaultPath()), written);
        EXPECT_EQ(Launch::savedRecords()[0].toObject().value("password").toString(), QStringLiteral("changed"));
        UserDefaults::resetStandard();
        EXPECT_FALSE(UserDefaults::standard().boolForKey(PreferenceKeys::launchedNotExited));
        EXPECT_FALSE(QFileInfo::exists(socket));
    }
}
