#include "MemoryNetwork.h"
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
    ASSERT_EQ(int(remote.state().browseArray().size()), 6);
    // By name: .., Holiday Film.MKV, Kids, mix.m3u, news.ts, readme.txt.
    EXPECT_EQ(remote.filetypeForIndex(0), QStringLiteral("directory"));
    EXPECT_EQ(remote.filetypeForIndex(1), QStringLiteral("video"));   // MKV, any case
    EXPECT_EQ(remote.filetypeForIndex(5), QStringLiteral("unknown"));
    EXPECT_EQ(remote.filetypeForIndex(4), QStringLiteral("music"));   // ts is checked as music first
    EXPECT_EQ(remote.filetypeForIndex(3), QStringLiteral("playlist"));
    EXPECT_EQ(remote.filetypeForIndex(6), std::nullopt);
    EXPECT_EQ(remote.state().browseInfo(QStringLiteral("size"), 1), QStringLiteral("1048576"));
    EXPECT_EQ(remote.state().browseInfo(QStringLiteral("size"), 9), std::nullopt);
    EXPECT_EQ(PlayerState::fileTypeForExtension(QStringLiteral("rm")), QStringLiteral("music"));
}

TEST(FolderListing, Vlc3ListingsAreTypedFromThePath)
{
    VLCController remote;
    feed(remote, fixture(QStringLiteral("vlc3-browse.xml")));
    ASSERT_EQ(int(remote.state().browseArray().size()), 5);
    EXPECT_EQ(remote.state().browseInfo(QStringLiteral("name"), 0), QStringLiteral(".."));
    EXPECT_EQ(remote.filetypeForIndex(0), QStringLiteral("directory")); // type "dir"
    EXPECT_EQ(remote.filetypeForIndex(1), QStringLiteral("music"));     // no extension attribute
    EXPECT_EQ(remote.filetypeForIndex(4), QStringLiteral("unknown"));
    remote.connection().setLuaMode(true);
    EXPECT_EQ(remote.filetypeForIndex(2), QStringLiteral("music"));
}

TEST(FolderListing, OnlyMediaFilesWhenAskedFor)
{
    VLCController remote;
    remote.setListsOnlyMediaFiles(true);
    feed(remote, fixture(QStringLiteral("legacy-browse.xml")));
    ASSERT_EQ(int(remote.state().browseArray().size()), 5); // readme.txt gone
    for (int i = 0; i < int(remote.state().browseArray().size()); ++i)
        EXPECT_NE(remote.filetypeForIndex(i), QStringLiteral("unknown"));
}

TEST(FolderListing, DriveSearchTriesEachFolderWithoutBlocking)
{
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest& r) {
        if (r.url().query(QUrl::FullyEncoded).contains(QStringLiteral("Volumes")))
            return MemoryNetwork::ok(fixture(QStringLiteral("vlc3-browse.xml")));
        return MemoryNetwork::ok("<root></root>");
    });
    VLCController remote(RemoteRecord::forAddress(QStringLiteral("den")), &network);
    std::optional<bool> found;
    QObject::connect(&remote, &VLCController::driveSearchFinished, [&](bool f) { found = f; });
    remote.openDrivesDirectory();
    ASSERT_TRUE(waitUntil([&] { return remote.state().hasBrowseList(); }));
    EXPECT_EQ(found, true);
    EXPECT_EQ(remote.state().browseDir(), QStringLiteral("//Volumes"));
    const QList<QByteArray> targets = network.targets();
    ASSERT_EQ(targets.size(), 3);
    EXPECT_EQ(targets[0], QByteArray("/requests/browse.xml?dir=c%3A%5C%5C.."));
    EXPECT_EQ(targets[1], QByteArray("/requests/browse.xml?dir=%2F%2FVolumes"));
    EXPECT_EQ(targets[2], QByteArray("/requests/browse.xml?dir=%2F%2FVolumes")); // the listing itself
}

TEST(FolderListing, NoDriveFolderAnsweringIsAnOutcomeNotAnAlert)
{
    CapturingAlertPresenter alerts;
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest&) {
        MemoryNetwork::Response r;
        r.status = 404;
        r.body = "no";
        return r;
    });
    VLCController remote(RemoteRecord::forAddress(QStringLiteral("den")), &network);
    remote.setBrowseDir(QStringLiteral("/films"));
    std::optional<bool> found;
    QObject::connect(&remote, &VLCController::driveSearchFinished, [&](bool f) { found = f; });
    remote.openDrivesDirectory();
    ASSERT_TRUE(waitUntil([&] { return found.has_value(); }));
    EXPECT_FALSE(*found);
    EXPECT_TRUE(alerts.alerts.empty());
    EXPECT_EQ(remote.state().browseDir(), QStringLiteral("/films"));
    EXPECT_EQ(network.requests().size(), 3u);
}

TEST(FolderListing, DirectoryCheckOnADeadHostAnswersFalse)
{
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest&) { return MemoryNetwork::refused(); });
    VLCController remote(RemoteRecord::forAddress(QStringLiteral("den")), &network);
    std::optional<bool> answer;
    remote.directoryIsValid(QStringLiteral("/"), [&](bool valid) { answer = valid; });
    EXPECT_FALSE(answer.has_value());
    ASSERT_TRUE(waitUntil([&] { return answer.has_value(); }, 5000));
    EXPECT_FALSE(*answer);
}

TEST(FolderListing, TheParentEntryGoesFirstAndTheNamesFollowAsPeopleReadThem)
{
    // VLC 3 sorts by bytes: names beginning with a space, '#', '(' come
    // before "..", and every capital before every small letter.
    VLCController remote;
    feed(remote, "<root><element type='dir' path='/m/ x' name=' x'/><element type='dir' path='/m/(Live)' name='(Live)'/>"
                 "<element type='dir' path='/m/..' name='..' uri='file:///'/><element type='file' path='/m/Zebra.wav' "
                 "name='Zebra.wav'/><element type='file' path='/m/Track 10.wav' name='Track 10.wav'/>"
                 "<element type='file' path='/m/a.wav' name='a.wav'/><element type='file' path='/m/Éclair.wav' "
                 "name='Éclair.wav'/><element type='file' path='/m/Track 9.wav' name='Track 9.wav'/></root>");
    ASSERT_EQ(int(remote.state().browseArray().size()), 8);
    EXPECT_EQ(remote.state().browseInfo(QStringLiteral("path"), 0), QStringLiteral("/m/.."));
    QStringList names;
    for (int i = 1; i < 8; ++i)
        names << remote.state().browseInfo(QStringLiteral("name"), i).value_or(QString());
    EXPECT_EQ(names, (QStringList { " x", "(Live)", "a.wav", "Éclair.wav", "Track 9.wav", "Track 10.wav", "Zebra.wav" }));
}

TEST(FolderListing, AFolderVlcCannotOpenLeavesTheBrowserWhereItWas)
{
    VLCController remote;
    remote.setBrowseDir(QStringLiteral("/m"));
    feed(remote, fixture(QStringLiteral("vlc3-browse.xml")));
    const int entries = int(remote.state().browseArray().size());
    QStringList refused;
    QObject::connect(&remote, &VLCController::browseListRefused, [&](const QString& f) { refused << f; });

    remote.setBrowseDir(QStringLiteral("/m/locked"));
    HttpReply reply;
    reply.httpStatus = 200;
    reply.body = "<html><head><title>Error loading /requests/browse.xml</title></head><body>cannot open directory"
                 "</body></html>";
    remote.processResponse(reply, VLCController::BrowseRequest);
    EXPECT_EQ(refused, QStringList { QStringLiteral("/m/locked") });
    EXPECT_EQ(remote.state().browseDir(), QStringLiteral("/m"));
    EXPECT_EQ(int(remote.state().browseArray().size()), entries);

    // A refused password is not a folder that cannot be opened.
    remote.setBrowseDir(QStringLiteral("/m/other"));
    reply.httpStatus = 401;
    remote.processResponse(reply, VLCController::BrowseRequest);
    EXPECT_EQ(refused.size(), 1);
    EXPECT_EQ(remote.state().browseDir(), QStringLiteral("/m"));
}
