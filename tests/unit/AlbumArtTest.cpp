#include "MemoryNetwork.h"
#include "TestSupport.h"
#include "vlc/AlbumArtCache.h"
#include "vlc/AlbumArtFetcher.h"
#include "vlc/VLCController.h"

#include <QUrlQuery>

#include <gtest/gtest.h>

#include <map>

namespace {
// A VLC 3 status naming the playing item and, once VLC has it, its art.
QByteArray statusFor(int item, const QString& artworkUrl, int time)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?><root><apiversion>3</apiversion>"
                     "<state>playing</state><time>" + QByteArray::number(time) + "</time><length>60</length>"
                     "<currentplid>" + QByteArray::number(item) + "</currentplid><information><category name=\"meta\">";
    if (!artworkUrl.isEmpty())
        xml += "<info name=\"artwork_url\">" + artworkUrl.toUtf8() + "</info>";
    return xml + "<info name=\"filename\">x.mp3</info></category></information></root>";
}

// VLC as far as art goes: the status the test sets, art by item id.
struct ArtServer {
    MemoryNetwork network;
    QByteArray status;
    std::map<int, QByteArray> art; // item id -> image bytes; absent: 404
    int artRequests = 0;
    bool hangArt = false;

    ArtServer()
    {
        network.setHandler([this](const QNetworkRequest& r) {
            if (r.url().path() == u"/art") {
                ++artRequests;
                MemoryNetwork::Response response;
                response.hang = hangArt;
                const auto it = art.find(QUrlQuery(r.url()).queryItemValue(QStringLiteral("item")).toInt());
                response.status = it == art.end() ? 404 : 200;
                response.body = it == art.end() ? QByteArray("<html>not found</html>") : it->second;
                return response;
            }
            return MemoryNetwork::ok(status);
        });
    }
};

struct Remote {
    ArtServer server;
    VLCController remote { RemoteRecord::forAddress(QStringLiteral("vlc.test:8080")), &server.network };

    // One status poll, and whatever art it sets off, to the end.
    void poll(int item, const QString& artworkUrl, int time)
    {
        server.status = statusFor(item, artworkUrl, time);
        const quint64 before = remote.state().statusGeneration();
        remote.updateStatus();
        ASSERT_TRUE(waitUntil([&] { return remote.state().statusGeneration() != before; }));
        ASSERT_TRUE(waitUntil([&] { return server.network.inFlight() == 0; }));
    }
};
}

TEST(AlbumArtCache, KeepsTheMostRecentlyUsedWithinBothBounds)
{
    AlbumArtCache cache(3, 100);
    cache.insert(1, QStringLiteral("a"), QByteArray(40, 'a'));
    cache.insert(2, QStringLiteral("b"), QByteArray(40, 'b'));
    ASSERT_NE(cache.find(1), nullptr); // 1 is now more recent than 2
    cache.insert(3, QStringLiteral("c"), QByteArray(40, 'c'));
    EXPECT_EQ(cache.find(2), nullptr) << "past the byte bound, the least recently used goes";
    EXPECT_NE(cache.find(1), nullptr);
    EXPECT_LE(cache.bytes(), 100);

    cache.insert(4, QStringLiteral("d"), {});
    cache.insert(5, QStringLiteral("e"), {});
    EXPECT_EQ(cache.size(), 3);
    cache.insert(6, QStringLiteral("f"), QByteArray(101, 'f'));
    EXPECT_EQ(cache.find(6), nullptr) << "art larger than the whole bound is not kept";

    cache.insert(5, QStringLiteral("e2"), QByteArray(10, 'e'));
    ASSERT_NE(cache.find(5), nullptr);
    EXPECT_EQ(cache.find(5)->artworkUrl, QStringLiteral("e2"));
}

TEST(AlbumArt, FetchedOncePerItemWhenTheStatusNamesIt)
{
    Remote r;
    r.server.art[4] = "PNG-four";
    r.server.art[5] = "PNG-five";

    r.poll(4, {}, 1);
    EXPECT_EQ(r.server.artRequests, 0) << "no artwork_url yet: VLC would answer 404";
    EXPECT_TRUE(r.remote.albumArt().isEmpty());

    r.poll(4, QStringLiteral("file:///art/4.png"), 2);
    r.poll(4, QStringLiteral("file:///art/4.png"), 3);
    r.poll(4, QStringLiteral("file:///art/4.png"), 4);
    EXPECT_EQ(r.server.artRequests, 1);
    EXPECT_EQ(r.remote.albumArt(), "PNG-four");

    r.poll(5, QStringLiteral("file:///art/5.png"), 1);
    EXPECT_EQ(r.remote.albumArt(), "PNG-five");
    r.poll(4, QStringLiteral("file:///art/4.png"), 1);
    EXPECT_EQ(r.remote.albumArt(), "PNG-four") << "from the cache";
    EXPECT_EQ(r.server.artRequests, 2);

    r.server.art[4] = "PNG-four-new";
    r.poll(4, QStringLiteral("file:///art/4b.png"), 2);
    EXPECT_EQ(r.remote.albumArt(), "PNG-four-new") << "a new artwork_url is new art";
    EXPECT_EQ(r.server.artRequests, 3);
}

TEST(AlbumArt, AnItemWithoutArtShowsNoneAndIsNotAskedAgain)
{
    Remote r;
    r.server.art[4] = "PNG-four";
    r.poll(4, QStringLiteral("file:///art/4.png"), 1);
    ASSERT_EQ(r.remote.albumArt(), "PNG-four");
    const quint64 generation = r.remote.albumArtGeneration();

    r.poll(9, QStringLiteral("file:///art/9.png"), 1); // VLC answers 404
    r.poll(9, QStringLiteral("file:///art/9.png"), 2);
    EXPECT_TRUE(r.remote.albumArt().isEmpty()) << "the last item's art must not stay up";
    EXPECT_GT(r.remote.albumArtGeneration(), generation);
    EXPECT_EQ(r.server.artRequests, 2);
}

TEST(AlbumArt, AFetchUnderWayNeverHoldsUpTheStatusPolls)
{
    Remote r;
    r.server.hangArt = true;
    r.poll(4, QStringLiteral("file:///art/4.png"), 1);
    ASSERT_EQ(r.server.artRequests, 1);
    EXPECT_FALSE(r.remote.isBusy());
    for (int t = 2; t < 5; ++t)
        r.poll(4, QStringLiteral("file:///art/4.png"), t);
    EXPECT_EQ(r.server.artRequests, 1) << "one fetch at a time for the same art";
    EXPECT_EQ(r.remote.state().smoothedTimeElapsedSeconds(), 4);
}
