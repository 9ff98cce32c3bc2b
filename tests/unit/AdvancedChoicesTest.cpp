// What VLC 3.0.24 reports for a film with two audio and two subtitle tracks
// and three chapters (the fixtures were recorded from it), turned into the
// lists of the advanced-control screens.
#include "MemoryNetwork.h"
#include "TestSupport.h"
#include "vlc/AspectRatioList.h"
#include "vlc/ChapterTitleInfo.h"
#include "vlc/TrackSelection.h"
#include "vlc/VLCController.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {
void feed(VLCController& remote, const QByteArray& body)
{
    HttpReply reply;
    reply.httpStatus = 200;
    reply.body = body;
    remote.processResponse(reply, VLCController::OrdinaryRequest);
}

QByteArray withAspect(const QByteArray& ratio)
{
    QByteArray status = fixture(QStringLiteral("vlc3-status-chapters.xml"));
    return status.replace("<aspectratio>default</aspectratio>", "<aspectratio>" + ratio + "</aspectratio>");
}
}

TEST(ChapterTitleInfo, Vlc3JsonStatusGivesChaptersCountedFromOne)
{
    const auto info = ChapterTitleInfo::fromStatusJson(fixture(QStringLiteral("vlc3-status-chapters.json")));
    ASSERT_TRUE(info);
    ASSERT_EQ(info->chapters.size(), 3u);
    EXPECT_EQ(info->chapters[0].name, QStringLiteral("Chapter 1"));
    EXPECT_EQ(info->chapters[2].name, QStringLiteral("Chapter 3"));
    EXPECT_EQ(info->chapters[1].number, 1) << "the number sent is VLC's own";
    EXPECT_EQ(info->currentChapter, 1);
    ASSERT_EQ(info->titles.size(), 1u);
    EXPECT_EQ(info->titles[0].name, QStringLiteral("Title 1"));
    EXPECT_EQ(info->currentTitle, 0);

    // A file without chapters, nothing playing, and a reply that is no status.
    const auto none = ChapterTitleInfo::fromStatusJson(
        R"({"state":"playing","information":{"titles":[],"title":0,"chapters":[],"chapter":0}})");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->chapters.empty() && none->titles.empty());
    EXPECT_EQ(none->currentChapter, -1);
    const auto stopped = ChapterTitleInfo::fromStatusJson(R"({"state":"stopped","apiversion":3})");
    ASSERT_TRUE(stopped);
    EXPECT_TRUE(stopped->chapters.empty());
    EXPECT_FALSE(ChapterTitleInfo::fromStatusJson("<root><state>playing</state></root>"));
    EXPECT_FALSE(ChapterTitleInfo::fromStatusJson(R"({"information":{"chapters":[0,1]}})"));
}

TEST(AspectRatioList, Vlc3OffersItsFixedSetWithDefaultFirst)
{
    VLCController remote;
    feed(remote, withAspect("default"));
    AspectRatioList list = AspectRatioList::forRemote(remote);
    ASSERT_EQ(list.count(), 9);
    EXPECT_EQ(list.names.first(), QStringLiteral("Default"));
    EXPECT_EQ(list.values.first(), QString()) << "an empty value is VLC's way back to the picture's ratio";
    EXPECT_EQ(list.names.last(), QStringLiteral("239:100"));
    EXPECT_EQ(list.current, 0);

    feed(remote, withAspect("16:10"));
    list = AspectRatioList::forRemote(remote);
    EXPECT_EQ(list.names[list.current], QStringLiteral("16:10"));
    feed(remote, withAspect("7:3"));
    EXPECT_EQ(AspectRatioList::forRemote(remote).current, -1);
    EXPECT_EQ(AspectRatioList::forRemote(VLCController()).count(), 0) << "no status, no server, no list";
}

TEST(AspectRatioList, OlderInterfaceListsItsOwnRatios)
{
    VLCController remote;
    feed(remote, "<root><state>playing</state><aspectRatios><aspectRatio></aspectRatio>"
                 "<aspectRatio current=\"1\">4:3</aspectRatio></aspectRatios></root>");
    const AspectRatioList list = AspectRatioList::forRemote(remote);
    EXPECT_EQ(list.names, QStringList({ QStringLiteral("Default"), QStringLiteral("4:3") }));
    EXPECT_EQ(list.values, list.names) << "the older interface takes the name as shown";
    EXPECT_EQ(list.current, 1);
}

TEST(TrackSelection, MarksTheTrackChosenLastForThePlayingItem)
{
    MemoryNetwork network;
    network.setHandler([](const QNetworkRequest&) { return MemoryNetwork::ok(fixture(QStringLiteral("vlc3-status-chapters.xml"))); });
    VLCController remote { RemoteRecord::forAddress(QStringLiteral("vlc.test:8080")), &network };
    feed(remote, fixture(QStringLiteral("vlc3-playlist-chapters.xml")));
    feed(remote, fixture(QStringLiteral("vlc3-status-chapters.xml")));
    // VLC lists the streams in no fixed order; this recording has French
    // (stream 2) before English (stream 1).
    ASSERT_EQ(int(remote.state().audioTracks().size()), 3);
    EXPECT_EQ(remote.state().audioTracks()[1].value(u"Language"), QStringLiteral("French"));
    EXPECT_EQ(remote.state().subtitleTracks()[2].value(u"Language"), QStringLiteral("German"));
    EXPECT_EQ(TrackSelection::of(remote).inStreamOrder(TrackSelection::Audio), (std::vector<int> { 0, 2, 1 }))
        << "shown in the file's order, None first";

    TrackSelection& tracks = TrackSelection::of(remote);
    EXPECT_EQ(&TrackSelection::of(remote), &tracks);
    EXPECT_EQ(tracks.current(TrackSelection::Audio), -1) << "VLC 3 does not say; nothing before a choice";

    tracks.select(TrackSelection::Audio, 1);
    ASSERT_TRUE(waitUntil([&] { return !network.targets().empty(); }));
    EXPECT_EQ(network.targets().front(), "/requests/status.xml?command=audio_track&val=2");
    EXPECT_EQ(tracks.current(TrackSelection::Audio), 1);
    EXPECT_EQ(tracks.current(TrackSelection::Subtitle), -1) << "each kind on its own";

    network.clearRequests();
    tracks.select(TrackSelection::Subtitle, 3);
    QCoreApplication::processEvents(); // a request would have been asked for at once
    EXPECT_TRUE(network.targets().empty()) << "an index outside the list sends nothing";
    EXPECT_EQ(tracks.current(TrackSelection::Subtitle), -1);

    // Another item plays: its tracks were never chosen.
    QByteArray playlist = fixture(QStringLiteral("vlc3-playlist-chapters.xml"));
    feed(remote, playlist.replace("id=\"2\"", "id=\"7\""));
    EXPECT_EQ(tracks.current(TrackSelection::Audio), -1);
}
