#include "platform/SavedRemotesFile.h"
#include "platform/PasswordKeyring.h"
#include "TestSupport.h"

#include <QDBusConnection>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
std::vector<RemoteRecord> twoRemotesOfOneAddress()
{
    RemoteRecord first = RemoteRecord::forAddress(QStringLiteral("10.0.0.5:8080"));
    first.password = QStringLiteral("s3cret");
    first.isSaved = true; // as loading marks them
    RemoteRecord second = first;
    second.nickname = QStringLiteral("Other VLC user");
    second.password = QStringLiteral("another");
    return { first, second };
}
}

TEST(SavedPasswords, KeyringEntriesAreNamedByAddressAndCount)
{
    const std::vector<RemoteRecord> remotes = twoRemotesOfOneAddress();
    EXPECT_EQ(SavedRemotesFile::keyringKey(remotes, 0), QStringLiteral("10.0.0.5:8080"));
    EXPECT_EQ(SavedRemotesFile::keyringKey(remotes, 1), QStringLiteral("10.0.0.5:8080#2"));
}

// This program runs with no session bus, so no Secret Service either.
TEST(SavedPasswords, WithoutAKeyringStayInTheOwnersFileAndItSaysSoOnce)
{
    ASSERT_FALSE(QDBusConnection::sessionBus().isConnected());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("remotes"));
    ConsoleCapture log;
    PasswordKeyring keyring(QStringLiteral("PlayerLink test"));
    SavedRemotesFile file(path, &keyring);
    ASSERT_TRUE(file.save(twoRemotesOfOneAddress()));
    ASSERT_TRUE(waitUntil([&] { return !keyring.isAvailable(); }, 10000));
    ASSERT_TRUE(file.save(twoRemotesOfOneAddress()));
    spinEventLoop(300);
    EXPECT_EQ(log.lines.filter(QStringLiteral("passwords: no keyring")).size(), 1);

    QFile saved(path);
    EXPECT_EQ(saved.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther), 0);
    SavedRemotesFile again(path, &keyring);
    const auto loaded = again.load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, twoRemotesOfOneAddress());
    for (const QString& line : log.lines)
        EXPECT_FALSE(line.contains(QStringLiteral("s3cret")));
}
