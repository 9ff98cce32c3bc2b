// playerlink as it starts and ends: the program marks its launch,
// sweeps half-done skin installs and keeps its files to their owner; SIGTERM
// and SIGINT end it with a last save; the saved-remotes file survives damage
// and failed writes; and the single-instance socket is never another user's.

#include "ForeignServer.h"
#include "TestSupport.h"
#include "platform/DesktopPlatform.h"
#include "platform/SavedRemotesFile.h"
#include "platform/SingleInstance.h"
#include "core/DiagnosticLog.h"
#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/SkinFolders.h"
#include "core/UserDefaults.h"
#include "models/AlertSheets.h"
#include "models/RemotesScreen.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
    | QFile::ExeOther;

// playerlink in the test's home, offscreen.
struct ProgramRun {
    QProcess process;
    explicit ProgramRun(const QStringList& arguments, const QMap<QString, QString>& environment = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PLAYERLINK_HOME"), HomePaths::home());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        for (auto it = environment.begin(); it != environment.end(); ++it)
            env.insert(it.key(), it.value());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PLAYERLINK_PATH), arguments);
        process.waitForStarted();
    }
    ~ProgramRun()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(30000))
            process.kill();
        process.waitForFinished();
    }
    bool running() const { return process.state() == QProcess::Running; }
    // Up once it listens for later launches.
    bool waitUntilUp(const std::function<bool()>& andThen = [] { return true; })
    {
        const QString socket = SingleInstance(SingleInstance::defaultKey()).socketPath();
        return waitUntil([&] { return (QFileInfo::exists(socket) && andThen()) || !running(); }, 60000) && running();
    }
    // Its exit status once it ended on its own (-1 for a death by signal).
    int exitCode()
    {
        if (!process.waitForFinished(60000))
            return -2;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

QJsonArray savedRecords()
{
    QFile file(SavedRemotesFile::defaultPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value("remotes").toArray();
}

// A file written anew (replaced) has another inode.
ino_t inodeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

bool launchedNotExited()
{
    UserDefaults::resetStandard(); // as the program left the file
    UserDefaults::standard().registerDefaults(PreferenceKeys::registeredDefaults());
    return UserDefaults::standard().boolForKey(PreferenceKeys::launchedNotExited);
}

// A folder no file can be made in while this lives: immutable for root,
// whom permissions do not stop, else without write permission.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& path)
        : m_path(path)
        , m_root(::geteuid() == 0)
    {
        if (m_root)
            QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("+i"), path });
        else
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(path + QStringLiteral("/probe"));
        m_holds = !probe.open(QIODevice::WriteOnly);
        if (!m_holds)
            probe.remove();
    }
    ~UnwritableFolder()
    {
        if (m_root)
            QProcess::execute(QStringLiteral("chattr"), { QStringLiteral("-i"), m_path });
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool holds() const { return m_holds; }

private:
    QString m_path;
    bool m_root;
    bool m_holds = false;
};

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

TEST(Program, ALaunchIsMarkedSweepsHalfDoneInstallsAndKeepsItsFilesToTheOwner)
{
    ScopedHome home;
    // What an older version left open, and an install killed half way.
    ASSERT_TRUE(QDir().mkpath(HomePaths::documents()));
    QFile::setPermissions(HomePaths::documents(), QFileDevice::Permissions(0x7755));
    QFile old(SavedRemotesFile::defaultPath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(R"({"format": "PlayerLink saved remotes", "version": 1, "remotes": [{"hostAddress": "10.0.0.2", "password": "pw"}]})");
    old.close();
    QFile::setPermissions(old.fileName(), QFileDevice::Permissions(0x6644));
    const QString leftover = SkinFolders::installedSkins() + QStringLiteral("/__install-Ab12Cd/Half");
    ASSERT_TRUE(QDir().mkpath(leftover));

    ProgramRun program({});
    ASSERT_TRUE(program.waitUntilUp());
    EXPECT_TRUE(launchedNotExited());
    EXPECT_FALSE(QFileInfo::exists(leftover));
    EXPECT_FALSE(QFileInfo(HomePaths::documents()).permissions() & others);
    // Narrowed as it is read, which is after the socket is up.
    EXPECT_TRUE(waitUntil([&] { return !(QFileInfo(old.fileName()).permissions() & others); }, 10000));
    ASSERT_TRUE(QFileInfo::exists(DiagnosticLog::path()));
    EXPECT_FALSE(QFileInfo(DiagnosticLog::path()).permissions() & others);
}

TEST(Program, TermAndInterruptSignalsQuitWithTheLastSaveAndMarkTheLaunchEnded)
{
    for (const int signal : { SIGTERM, SIGINT }) {
        SCOPED_TRACE(signal);
        ScopedHome home;
        // A saved remote whose password the command line changes.
        const QString address = QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort());
        ASSERT_TRUE(QDir().mkpath(HomePaths::documents()));
        ASSERT_TRUE(SavedRemotesFile().save({ RemoteRecord::forAddress(address) }));
        ProgramRun program({ QStringLiteral("--connect"), address },
                                { { QStringLiteral("PLAYERLINK_PASSWORD"), QStringLiteral("changed") } });
        ASSERT_TRUE(program.waitUntilUp([] {
            const QJsonArray saved = savedRecords();
            return !saved.isEmpty() && saved[0].toObject().value("password").toString() == u"changed";
        }));
        const ino_t written = inodeOf(SavedRemotesFile::defaultPath());

        ::kill(pid_t(program.process.processId()), signal);
        EXPECT_EQ(program.exitCode(), 0);
        // Written again at the end, the launch marked as ended, the socket gone.
        EXPECT_NE(inodeOf(SavedRemotesFile::defaultPath()), written);
        EXPECT_EQ(savedRecords()[0].toObject().value("password").toString(), QStringLiteral("changed"));
        EXPECT_FALSE(launchedNotExited());
        EXPECT_FALSE(QFileInfo::exists(SingleInstance(SingleInstance::defaultKey()).socketPath()));
    }
}

namespace {
// The program's remotes over the saved-remotes file of the home.
struct SavedRemotes {
    QNetworkAccessManager network;
    AlertSheets alerts;
    DesktopPlatform platform { alerts };
    RemotesScreen remotes { &network, UserDefaults::standard(), alerts, platform.services() };

    void add(const QString& address)
    {
        remotes.saved().add(std::make_shared<VLCController>(RemoteRecord::forAddress(address), &network));
    }
};
}

TEST(SavedRemotes, ADamagedFileIsKeptAsideAndNeverOverwritten)
{
    ScopedHome home;
    ASSERT_TRUE(QDir().mkpath(HomePaths::documents()));
    QFile file(SavedRemotesFile::defaultPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"format\": \"PlayerLink saved remotes\", \"remotes\": [ {\"hostAddress\": \"10.0");
    file.close();
    SavedRemotes run;
    run.remotes.load();
    EXPECT_TRUE(run.remotes.saved().empty());
    const QStringList pattern { QStringLiteral("BWRemotesFilename.unreadable-*") };
    ASSERT_EQ(QDir(HomePaths::documents()).entryList(pattern).size(), 1);
    run.add(QStringLiteral("10.0.0.9"));
    EXPECT_EQ(savedRecords().size(), 1);
    // What the user had is still there, beside the new file.
    EXPECT_EQ(QDir(HomePaths::documents()).entryList(pattern).size(), 1);
}

TEST(SavedRemotes, AFailedWriteKeepsThePreviousFileAndTheNextChangeWritesEverything)
{
    ScopedHome home;
    SavedRemotes run;
    run.remotes.load();
    run.add(QStringLiteral("10.0.0.2"));
    ASSERT_EQ(savedRecords().size(), 1);
    ConsoleCapture log;
    {
        const UnwritableFolder locked(HomePaths::documents());
        if (!locked.holds())
            GTEST_SKIP() << "no way to make a folder this user cannot write to here";
        run.add(QStringLiteral("10.0.0.3"));
    }
    EXPECT_EQ(savedRecords().size(), 1);
    EXPECT_TRUE(log.contains(QStringLiteral("could not write the saved remotes")));
    run.remotes.saved()[1]->setNickname(QStringLiteral("Loft"));
    EXPECT_EQ(savedRecords().size(), 2);
}

TEST(SingleInstance, ASocketOfAnotherUserIsNeverTakenForTheRunningProgram)
{
    if (!ForeignServer::possible())
        GTEST_SKIP() << "needs root and the user plvlc, to make another user's socket";
    ScopedHome home;
    const ScopedVariable noRuntimeFolder("XDG_RUNTIME_DIR", QByteArray());
    const QString key = SingleInstance::defaultKey();
    const QString squat = QStringLiteral("/tmp/playerlink-squat-%1").arg(QCoreApplication::applicationPid());
    // Where versions before this one put the socket: the shared /tmp, under
    // a name anyone can work out.
    const QByteArray homeHash = QCryptographicHash::hash(HomePaths::home().toUtf8(), QCryptographicHash::Sha1).toHex();
    const QString sharedTmp = QStringLiteral("/tmp/playerlink-%1-%2").arg(::getuid()).arg(QString::fromLatin1(homeHash.left(12)));
    struct Squat {
        const char* where;
        QString socket;
        bool makeFolder;
        QByteArray runtimeFolder;
    };
    const std::vector<Squat> squats {
        { "the shared /tmp", sharedTmp, false, {} },
        { "a runtime folder of another user's", squat + u'/' + key, true, squat.toUtf8() },
    };
    for (const Squat& s : squats) {
        SCOPED_TRACE(s.where);
        ForeignServer squatter(s.socket, s.makeFolder);
        ASSERT_TRUE(squatter.ready());
        const ScopedVariable runtime("XDG_RUNTIME_DIR", s.runtimeFolder);
        SingleInstance later(key);
        EXPECT_NE(later.socketPath(), s.socket);
        EXPECT_FALSE(later.hasRunningInstance());
        EXPECT_FALSE(later.forwardToRunningInstance({ QStringLiteral("plskins://127.0.0.1:1/night.zip") }));
        EXPECT_FALSE(later.askRunningInstance({ QStringLiteral("--install-skin") }, 1000, 1000));
        EXPECT_EQ(squatter.connections(), 0);
        // It listens on a socket of its own, and a later launch finds that one.
        ASSERT_TRUE(later.listen());
        EXPECT_TRUE(SingleInstance(key).hasRunningInstance());
        QDir(squat).removeRecursively();
    }
}
