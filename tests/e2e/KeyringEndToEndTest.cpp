#include "app/SavedRemotesFile.h"
#include "desktop/PasswordKeyring.h"
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
class KeyringOnSessionBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus: run under dbus-run-session";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), keyringHome.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), keyringHome.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), keyringHome.path());
        daemon.setProcessEnvironment(env);
        daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        daemon.start(QStringLiteral("gnome-keyring-daemon"),
                     { QStringLiteral("--unlock"), QStringLiteral("--components=secrets"), QStringLiteral("--foreground") });
        ASSERT_TRUE(daemon.waitForStarted()) << "gnome-keyring-daemon is not installed";
        daemon.write("keyring-test-password");
        daemon.closeWriteChannel();
        ASSERT_TRUE(waitUntil([] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.secrets"));
        }, 10000));
    }

    void TearDown() override
    {
        if (daemon.state() != QProcess::NotRunning) {
            ::kill(pid_t(daemon.processId()), SIGTERM);
            daemon.waitForFinished(5000);
        }
    }

    QByteArray fileText() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir keyringHome;
    QTemporaryDir home;
    QString path = home.filePath(QStringLiteral("remotes"));
    QProcess daemon;
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
