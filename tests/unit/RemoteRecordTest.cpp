#include "MemoryNetwork.h"
#include "TestSupport.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QJsonObject>

#include <gtest/gtest.h>

#include <memory>

namespace {
QString baseFor(const QString& address)
{
    VLCController remote;
    remote.setHostAddress(address);
    return remote.record().baseAddress();
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
    // VLC's page address names its host, never a host called "http".
    EXPECT_EQ(baseFor(QStringLiteral("http://den:9090/")), QStringLiteral("http://den:9090/"));
    EXPECT_EQ(baseFor(QStringLiteral("HTTP://den")), QStringLiteral("http://den:8080/"));
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
    original.setHardwareAddress(QStringLiteral("02:5e:10:00:00:02"));
    original.setTemporaryVolume(80); // never archived
    const QJsonObject archive = original.encodeWithCoder();
    EXPECT_EQ(archive.value("password").toString(), QStringLiteral("s3cret"));
    EXPECT_EQ(archive.keys().size(), 8);

    VLCController restored(archive);
    EXPECT_EQ(restored.record().hostAddress, QStringLiteral("den.local:8081"));
    EXPECT_EQ(restored.record().hostName, QStringLiteral("Den"));
    EXPECT_EQ(restored.record().nickname, QStringLiteral("Den PC"));
    EXPECT_EQ(restored.record().defaultBrowseDirectory, QStringLiteral("/home/me/Films"));
    EXPECT_EQ(restored.state().browseDir(), QStringLiteral("/home/me/Films"));
    EXPECT_TRUE(restored.record().browseAdd);
    EXPECT_TRUE(restored.record().isSaved);
    EXPECT_EQ(restored.record().password, QStringLiteral("s3cret"));
    EXPECT_EQ(restored.record().hardwareAddress, QStringLiteral("02:5e:10:00:00:02"));
    EXPECT_EQ(restored.state().temporaryVolume(), -1);
    EXPECT_EQ(restored.state().idForTrackCaches(), -1);
}

TEST(RemoteRecord, AbsentKeysReadAsNone)
{
    VLCController restored(QJsonObject { { "hostAddress", "10.0.0.5" } });
    EXPECT_TRUE(restored.record().hostName.isNull());
    EXPECT_TRUE(restored.record().password.isNull());
    EXPECT_TRUE(restored.record().password.isEmpty());
    EXPECT_FALSE(restored.record().isDefault);
    EXPECT_EQ(restored.state().browseDir(), QStringLiteral("~"));
    EXPECT_TRUE(restored.record().hardwareAddress.isEmpty());
    // No password or hardware address stored means no key written, so a
    // file from before either reads and writes back the same.
    EXPECT_FALSE(restored.encodeWithCoder().contains("password"));
    EXPECT_FALSE(restored.encodeWithCoder().contains("hardwareAddress"));
}

TEST(SavedRemotes, OnlyOneRemoteIsDefault)
{
    SavedRemoteList list;
    int changes = 0;
    QObject::connect(&list, &SavedRemoteList::changed, [&] { ++changes; });
    auto a = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("a")));
    auto b = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("b")));
    list.add(a);
    list.add(b);
    a->setIsDefault(true);
    EXPECT_TRUE(a->record().isDefault);
    b->setIsDefault(true);
    EXPECT_FALSE(a->record().isDefault);
    EXPECT_FALSE(list.recordAt(0).isDefault);
    EXPECT_TRUE(list.recordAt(1).isDefault);
    // Clearing leaves the others alone.
    b->setIsDefault(false);
    EXPECT_FALSE(a->record().isDefault);
    EXPECT_FALSE(list.recordAt(1).isDefault);
    EXPECT_GE(changes, 5);
    // A remote outside the list is nobody's business.
    VLCController loose(RemoteRecord::forAddress(QStringLiteral("c")));
    a->setIsDefault(true);
    loose.setIsDefault(true);
    EXPECT_TRUE(a->record().isDefault);
}

TEST(SavedRemotes, TheListHoldsRecordsAndMakesRemotesOnlyWhileUsed)
{
    std::vector<RemoteRecord> records;
    for (const char* address : { "a", "b", "c" }) {
        RemoteRecord r = RemoteRecord::forAddress(QString::fromLatin1(address));
        r.isDefault = address[0] != 'b';
        records.push_back(r);
    }
    SavedRemoteList list;
    list.setRecords(records);
    // Stored as default twice: the last one keeps it.
    EXPECT_FALSE(list.recordAt(0).isDefault);
    EXPECT_TRUE(list.recordAt(2).isDefault);
    EXPECT_TRUE(list.recordAt(0).isSaved);

    std::weak_ptr<VLCController> made;
    {
        std::shared_ptr<VLCController> remote = list.remoteAt(1);
        made = remote;
        EXPECT_EQ(list.remoteAt(1), remote); // the same remote while it is held
        remote->setNickname(QStringLiteral("Bee"));
        EXPECT_EQ(list.recordAt(1).nickname, QStringLiteral("Bee"));
        remote->setIsDefault(true);
        EXPECT_FALSE(list.recordAt(2).isDefault);
    }
    EXPECT_TRUE(made.expired()); // nobody uses it: no connection is kept
    EXPECT_EQ(list.remoteAt(1)->record().nickname, QStringLiteral("Bee"));
    EXPECT_TRUE(list.remoteAt(1)->record().isDefault);
    list.removeAt(0);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.records()[0].hostAddress, QStringLiteral("b"));
}

TEST(SavedRemotes, ARemoteMakesItsConnectionOnlyWithItsFirstRequest)
{
    MemoryNetwork network;
    SavedRemoteList list(&network);
    list.setRecords({ RemoteRecord::forAddress(QStringLiteral("den")) });
    std::shared_ptr<VLCController> remote = list.remoteAt(0);
    // What the remotes list and the screens do before anything is sent.
    remote->setNickname(QStringLiteral("Den"));
    remote->setHostAddress(QStringLiteral("den:8081"));
    remote->playlistShown();
    EXPECT_EQ(remote->connectionState(), ConnectionState::Connecting);
    EXPECT_FALSE(remote->isBusy() || remote->passwordRequired() || remote->luaMode());
    EXPECT_TRUE(remote->albumArt().isEmpty());
    EXPECT_EQ(remote->state().volume(), 0);
    EXPECT_FALSE(remote->hasConnection());
    EXPECT_TRUE(remote->findChildren<QObject*>().isEmpty()) << "no channel, no fetcher";

    remote->pause();
    EXPECT_TRUE(remote->hasConnection());
    EXPECT_TRUE(remote->isBusy());
    EXPECT_EQ(network.targets(), QList<QByteArray> { "/requests/status.xml?command=pl_pause" });
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
    EXPECT_FALSE(remote.record().isLuaUnlocked());
    remote.setNickname(QStringLiteral("Study zqv"));
    EXPECT_TRUE(remote.record().isLuaUnlocked());
}
