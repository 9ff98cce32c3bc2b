#include "platform/SavedRemotesFile.h"
#include "platform/PasswordKeyring.h"
#include "TestSupport.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {
// A real Secret Service: gnome-keyring with a fresh login keyring, unlocked
// with a password on its standard input, on this test's own session bus.
// One daemon serves every case: the Secret Service client keeps its session
// with the first daemon for the life of the process. Each case uses a
// service name of its own.
class KeyringOnSessionBus : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            return;
        keyringHome = new QTemporaryDir;
        daemon = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), keyringHome->filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), keyringHome->filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), keyringHome->path());
        daemon->setProcessEnvironment(env);
        daemon->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        daemon->start(QStringLiteral("gnome-keyring-daemon"),
                      { QStringLiteral("--unlock"), QStringLiteral("--components=secrets"), QStringLiteral("--foreground") });
        if (!daemon->waitForStarted())
            return;
        daemon->write("keyring-test-password");
        daemon->closeWriteChannel();
    }

    static void TearDownTestSuite()
    {
        if (daemon && daemon->state() != QProcess::NotRunning) {
            ::kill(pid_t(daemon->processId()), SIGTERM);
            daemon->waitForFinished(5000);
        }
        delete daemon;
        daemon = nullptr;
        delete keyringHome;
        keyringHome = nullptr;
    }

    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus: run under dbus-run-session";
        ASSERT_TRUE(daemon && daemon->state() != QProcess::NotRunning) << "gnome-keyring-daemon is not installed";
        ASSERT_TRUE(waitUntil([] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets"));
        }, 10000));
    }

    QByteArray fileText() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline QTemporaryDir* keyringHome = nullptr;
    static inline QProcess* daemon = nullptr;
    QTemporaryDir home;
    QString path = home.filePath(QStringLiteral("remotes"));
};

std::vector<RemoteRecord> savedRemote(const QString& password)
{
    RemoteRecord record = RemoteRecord::forAddress(QStringLiteral("10.0.0.5:8080"));
    record.nickname = QStringLiteral("Den");
    record.password = password;
    record.isSaved = true; // as loading marks it
    return { record };
}
}

TEST_F(KeyringOnSessionBus, PasswordInTheFileMovesIntoTheKeyringAtTheFirstSave)
{
    // A file of an earlier version, with the password in it.
    ASSERT_TRUE(SavedRemotesFile(path).save(savedRemote(QStringLiteral("s3cret"))));
    ASSERT_TRUE(fileText().contains("s3cret"));

    PasswordKeyring keyring(QStringLiteral("PlayerLink test"));
    std::vector<RemoteRecord> remotes = *SavedRemotesFile(path, &keyring).load();
    ASSERT_EQ(remotes, savedRemote(QStringLiteral("s3cret")));
    int stored = 0;
    QObject::connect(&keyring, &PasswordKeyring::stored, [&] {
        ++stored;
        SavedRemotesFile(path, &keyring).save(remotes);
    });
    ASSERT_TRUE(SavedRemotesFile(path, &keyring).save(remotes));
    // Until the keyring confirms, the file keeps the password.
    EXPECT_TRUE(fileText().contains("s3cret"));
    ASSERT_TRUE(waitUntil([&] { return stored == 1; }, 10000));
    EXPECT_FALSE(fileText().contains("s3cret"));
    EXPECT_TRUE(fileText().contains("passwordInKeyring"));

    // Another run reads it back from the keyring alone.
    PasswordKeyring nextRun(QStringLiteral("PlayerLink test"));
    EXPECT_EQ(*SavedRemotesFile(path, &nextRun).load(), savedRemote(QStringLiteral("s3cret")));

    // A changed password goes the same way, and the file never goes without.
    remotes[0].password = QStringLiteral("changed");
    ASSERT_TRUE(SavedRemotesFile(path, &keyring).save(remotes));
    EXPECT_TRUE(fileText().contains("changed"));
    ASSERT_TRUE(waitUntil([&] { return stored == 2; }, 10000));
    EXPECT_FALSE(fileText().contains("changed"));
    PasswordKeyring thirdRun(QStringLiteral("PlayerLink test"));
    EXPECT_EQ(*SavedRemotesFile(path, &thirdRun).load(), savedRemote(QStringLiteral("changed")));
}

TEST_F(KeyringOnSessionBus, TheEntriesOfADeletedAndAMovedRemoteLeaveTheKeyring)
{
    PasswordKeyring keyring(QStringLiteral("PlayerLink test of stale entries"));
    std::vector<RemoteRecord> remotes;
    for (const char* address : { "10.0.0.5:8080", "10.0.0.6:8080" }) {
        RemoteRecord record = RemoteRecord::forAddress(QString::fromLatin1(address));
        record.password = QStringLiteral("pw of %1").arg(QString::fromLatin1(address));
        record.isSaved = true;
        remotes.push_back(record);
    }
    int stored = 0;
    int removed = 0;
    QObject::connect(&keyring, &PasswordKeyring::stored, [&] { ++stored; });
    QObject::connect(&keyring, &PasswordKeyring::removed, [&] { ++removed; });
    ASSERT_TRUE(SavedRemotesFile(path, &keyring).save(remotes));
    ASSERT_TRUE(waitUntil([&] { return stored == 2; }, 10000));
    ASSERT_TRUE(SavedRemotesFile(path, &keyring).save(remotes));
    ASSERT_FALSE(fileText().contains("pw of"));

    // The first is deleted; the second moves to another address.
    remotes.erase(remotes.begin());
    remotes[0].hostAddress = QStringLiteral("10.0.0.7:8080");
    ASSERT_TRUE(SavedRemotesFile(path, &keyring).save(remotes));
    ASSERT_TRUE(waitUntil([&] { return removed == 2 && stored == 3; }, 10000));

    // What another run finds in the keyring.
    PasswordKeyring nextRun(QStringLiteral("PlayerLink test of stale entries"));
    const std::map<QString, QString> found
        = nextRun.read({ QStringLiteral("10.0.0.5:8080"), QStringLiteral("10.0.0.6:8080"), QStringLiteral("10.0.0.7:8080") });
    EXPECT_EQ(found, (std::map<QString, QString> { { QStringLiteral("10.0.0.7:8080"), QStringLiteral("pw of 10.0.0.6:8080") } }));
}
