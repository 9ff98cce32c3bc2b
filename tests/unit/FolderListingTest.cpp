#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "vlc/VLCController.h"

#include <gtest/gtest.h>

namespace {
void feed(VLCController& remote, const QByteArray& body)
{
    HttpReply reply;
    reply.httpStatus = 200;
    reply.body = body;
    remote.processResponse(reply, VLCController::OrdinaryRequest);
}
}

TEST(FolderListing, FileTypesFromTheExtensionAttribute)
{
    VLCController remote;
    feed(remote, fixture(QStringLiteral("legacy-browse.xml")));
    ASSERT_EQ(remote.browseItemsInList(), 6);
    EXPECT_EQ(remote.filetypeForIndex(0), QStringLiteral("directory"));
    EXPECT_EQ(remote.filetypeForIndex(2), QStringLiteral("video"));   // MKV, any case
    EXPECT_EQ(remote.filetypeForIndex(3), QStringLiteral("unknown"));
    EXPECT_EQ(remote.filetypeForIndex(4), QStringLiteral("music"));   // ts is checked as music first
    EXPECT_EQ(remote.filetypeForIndex(5), QStringLiteral("playlist"));
    EXPECT_EQ(remote.filetypeForIndex(6), std::nullopt);
    EXPECT_EQ(remote.browseInfo(QStringLiteral("size"), 2), QStringLiteral("1048576"));
    EXPECT_EQ(remote.browseInfo(QStringLiteral("size"), 9), std::nullopt);
    EXPECT_EQ(VLCController::fileTypeForExtension(QStringLiteral("rm")), QStringLiteral("music"));
}

TEST(FolderListing, Vlc3ListingsAreTypedFromThePath)
{
    VLCController remote;
    feed(remote, fixture(QStringLiteral("vlc3-browse.xml")));
    ASSERT_EQ(remote.browseItemsInList(), 5);
    EXPECT_EQ(remote.browseInfo(QStringLiteral("name"), 0), QStringLiteral(".."));
    EXPECT_EQ(remote.filetypeForIndex(0), QStringLiteral("directory")); // type "dir"
    EXPECT_EQ(remote.filetypeForIndex(1), QStringLiteral("music"));     // no extension attribute
    EXPECT_EQ(remote.filetypeForIndex(4), QStringLiteral("unknown"));
    remote.setLuaMode(true);
    EXPECT_EQ(remote.filetypeForIndex(3), QStringLiteral("music"));
}

TEST(FolderListing, OnlyMediaFilesWhenAskedFor)
{
    ScopedHome home;
    UserDefaults::standard().setBool(PreferenceKeys::onlyShowMediaFiles, true);
    VLCController remote;
    feed(remote, fixture(QStringLiteral("legacy-browse.xml")));
    ASSERT_EQ(remote.browseItemsInList(), 5); // readme.txt gone
    for (int i = 0; i < remote.browseItemsInList(); ++i)
        EXPECT_NE(remote.filetypeForIndex(i), QStringLiteral("unknown"));
}

TEST(FolderListing, DriveSearchTriesEachFolderWithoutBlocking)
{
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request& r) {
        if (r.target.contains("Volumes"))
            return FakeHttpServer::ok(fixture(QStringLiteral("vlc3-browse.xml")));
        FakeHttpServer::Response none = FakeHttpServer::ok("<root></root>");
        return none;
    });
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    remote.openDrivesDirectory();
    // Nothing was asked yet: the search runs through the event loop.
    EXPECT_TRUE(server.requests().empty());
    ASSERT_TRUE(waitUntil([&] { return remote.hasBrowseList(); }));
    EXPECT_EQ(remote.browseDir(), QStringLiteral("//Volumes"));
    const QList<QByteArray> targets = server.targets();
    ASSERT_EQ(targets.size(), 3);
    EXPECT_EQ(targets[0], QByteArray("/requests/browse.xml?dir=c%3A%5C%5C.."));
    EXPECT_EQ(targets[1], QByteArray("/requests/browse.xml?dir=%2F%2FVolumes"));
    EXPECT_EQ(targets[2], QByteArray("/requests/browse.xml?dir=%2F%2FVolumes")); // the listing itself
}

TEST(FolderListing, NoDriveFolderAnswersGivesTheNoLuckAlert)
{
    CapturingAlertPresenter alerts;
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request&) {
        FakeHttpServer::Response r;
        r.status = 404;
        r.body = "no";
        return r;
    });
    VLCController remote;
    remote.setHostAddress(server.hostAddress());
    remote.setBrowseDir(QStringLiteral("/films"));
    remote.openDrivesDirectory();
    ASSERT_TRUE(waitUntil([&] { return !alerts.alerts.empty(); }));
    EXPECT_EQ(alerts.alerts[0].title, QStringLiteral("No Luck..."));
    EXPECT_TRUE(alerts.alerts[0].message.startsWith(QStringLiteral("Normally, your drives are listed")));
    EXPECT_EQ(alerts.alerts[0].buttons, QStringList { QStringLiteral("Ok") });
    EXPECT_EQ(remote.browseDir(), QStringLiteral("/films"));
    EXPECT_EQ(server.requests().size(), 3u);
}

TEST(FolderListing, DirectoryCheckOnADeadHostAnswersFalse)
{
    VLCController remote;
    remote.setHostAddress(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()));
    std::optional<bool> answer;
    remote.directoryIsValid(QStringLiteral("/"), [&](bool valid) { answer = valid; });
    EXPECT_FALSE(answer.has_value());
    ASSERT_TRUE(waitUntil([&] { return answer.has_value(); }, 5000));
    EXPECT_FALSE(*answer);
}
