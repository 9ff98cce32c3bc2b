#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "TestSupport.h"
#include "vlc/VLCController.h"

#include <QJsonObject>

#include <gtest/gtest.h>

#include <memory>

namespace {
QString baseFor(const QString& address)
{
    VLCController remote;
    remote.setHostAddress(address);
    return remote.baseAddress();
}
}

TEST(RemoteRecord, BaseAddressAddsPort8080OnlyWhenNoneIsGiven)
{
    EXPECT_EQ(baseFor(QStringLiteral("livingroom")), QStringLiteral("http://livingroom:8080/"));
    EXPECT_EQ(baseFor(QStringLiteral("192.168.1.20")), QStringLiteral("http://192.168.1.20:8080/"));
    EXPECT_EQ(baseFor(QStringLiteral("192.168.1.20:8081")), QStringLiteral("http://192.168.1.20:8081/"));
    EXPECT_EQ(baseFor(QStringLiteral("[fe80::1]")), QStringLiteral("http://[fe80::1]:8080/"));
    EXPECT_EQ(baseFor(QStringLiteral("[fe80::1]:9000")), QStringLiteral("http://[fe80::1]:9000/"));
    // Unbracketed IPv6 is taken as carrying a port.
    EXPECT_EQ(baseFor(QStringLiteral("fe80::1")), QStringLiteral("http://fe80::1/"));
}

TEST(RemoteRecord, ArchiveRoundTripKeepsTheSavedFieldsOnly)
{
    VLCController original;
    original.setHostAddress(QStringLiteral("den.local:8081"));
    original.setHostName(QStringLiteral("Den"));
    original.setNickname(QStringLiteral("Den PC"));
    original.setDefaultBrowseDirectory(QStringLiteral("/home/me/Films"));
    original.setBrowseAdd(true);
    original.setPassword(QStringLiteral("s3cret"));
    original.setTemporaryVolume(80); // never archived
    const QJsonObject archive = original.encodeWithCoder();
    EXPECT_EQ(archive.value("password").toString(), QStringLiteral("s3cret"));
    EXPECT_EQ(archive.keys().size(), 7);

    VLCController restored(archive);
    EXPECT_EQ(restored.hostAddress(), QStringLiteral("den.local:8081"));
    EXPECT_EQ(restored.hostName(), QStringLiteral("Den"));
    EXPECT_EQ(restored.nickname(), QStringLiteral("Den PC"));
    EXPECT_EQ(restored.defaultBrowseDirectory(), QStringLiteral("/home/me/Films"));
    EXPECT_EQ(restored.browseDir(), QStringLiteral("/home/me/Films"));
    EXPECT_TRUE(restored.browseAdd());
    EXPECT_TRUE(restored.isSaved());
    EXPECT_EQ(restored.password(), QStringLiteral("s3cret"));
    EXPECT_EQ(restored.temporaryVolume(), -1);
    EXPECT_EQ(restored.idForTrackCaches(), -1);
}

TEST(RemoteRecord, AbsentKeysReadAsNone)
{
    VLCController restored(QJsonObject { { "hostAddress", "10.0.0.5" } });
    EXPECT_TRUE(restored.hostName().isNull());
    EXPECT_TRUE(restored.password().isNull());
    EXPECT_FALSE(restored.hasPassword());
    EXPECT_FALSE(restored.isDefault());
    EXPECT_EQ(restored.browseDir(), QStringLiteral("~"));
    // No password stored means no key written.
    EXPECT_FALSE(restored.encodeWithCoder().contains("password"));
}

TEST(RemoteRecord, OnlyOneRemoteIsDefault)
{
    VLCController a, b;
    a.setIsDefault(true);
    EXPECT_TRUE(a.isDefault());
    b.setIsDefault(true);
    EXPECT_FALSE(a.isDefault());
    EXPECT_TRUE(b.isDefault());
    // Clearing posts nothing and leaves the others alone.
    b.setIsDefault(false);
    EXPECT_FALSE(a.isDefault());
}

TEST(RemoteRecord, DecodingSeveralDefaultsLeavesTheLastOne)
{
    std::vector<std::unique_ptr<VLCController>> list;
    list.push_back(std::make_unique<VLCController>(QJsonObject { { "hostAddress", "a" }, { "isDefault", true } }));
    list.push_back(std::make_unique<VLCController>(QJsonObject { { "hostAddress", "b" }, { "isDefault", false } }));
    list.push_back(std::make_unique<VLCController>(QJsonObject { { "hostAddress", "c" }, { "isDefault", true } }));
    EXPECT_FALSE(list[0]->isDefault());
    EXPECT_FALSE(list[1]->isDefault());
    EXPECT_TRUE(list[2]->isDefault());
}

TEST(RemoteRecord, NameFallsBackFromNicknameToHostNameToAddress)
{
    VLCController remote;
    remote.setHostAddress(QStringLiteral("10.0.0.5"));
    EXPECT_EQ(remote.name(), QStringLiteral("10.0.0.5"));
    remote.setHostName(QStringLiteral("study"));
    EXPECT_EQ(remote.name(), QStringLiteral("study"));
    remote.setNickname(QStringLiteral(""));
    EXPECT_EQ(remote.name(), QStringLiteral("study"));
    remote.setNickname(QStringLiteral("Study PC"));
    EXPECT_EQ(remote.name(), QStringLiteral("Study PC"));
    EXPECT_FALSE(remote.isLuaUnlocked());
    remote.setNickname(QStringLiteral("Study zqv"));
    EXPECT_TRUE(remote.isLuaUnlocked());
}

TEST(RemoteRecord, ADestroyedRemoteStopsObserving)
{
    auto remote = std::make_unique<VLCController>();
    EXPECT_GE(NotificationCenter::defaultCenter().observerCount(NotificationNames::playerLinkBecameDefault), 1);
    const int before = NotificationCenter::defaultCenter().observerCount(NotificationNames::playerLinkBecameDefault);
    remote.reset();
    EXPECT_EQ(NotificationCenter::defaultCenter().observerCount(NotificationNames::playerLinkBecameDefault), before - 1);
    VLCController other;
    other.setIsDefault(true); // must not reach the destroyed remote
    EXPECT_TRUE(other.isDefault());
}
