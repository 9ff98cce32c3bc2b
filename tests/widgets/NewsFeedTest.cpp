#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "LaunchedApp.h"
#include "models/NewsModel.h"
#include "net/RssParser.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Common/ExclamationBadge.h"
#include "screens/News/FastFeedCell.h"
#include "screens/News/FeedsViewController.h"
#include "screens/WebView/WebViewController.h"
#include "ui/BarButton.h"
#include "ui/TableView.h"
#include "ui/Toolbar.h"
#include "vlc/VLCController.h"

#include <QFile>
#include <QTimeZone>
#include <QNetworkAccessManager>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QByteArray feed(const QByteArray& items, const QByteArray& declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
{
    return declaration + "\n<rss version=\"2.0\" xmlns:content=\"http://purl.org/rss/1.0/modules/content/\">"
        + "<channel><title>PlayerLink News</title>" + items + "</channel></rss>";
}

QByteArray item(const QByteArray& title, const QByteArray& date, const QByteArray& extra = {})
{
    return "<item>\n  <title>" + title + "</title>\n  <pubDate>" + date + "</pubDate>" + extra + "\n</item>";
}

const QByteArray goodItems
    = item("Gr\xc3\xb6\xc3\x9f" "ere Lautst\xc3\xa4rke &amp; mehr", "Tue, 08 Dec 2026 16:26:53 GMT",
           "<category>Release</category><category>VLC 3</category>"
           "<content:encoded><![CDATA[<p>Die <b>neue</b> Version \xe2\x80\x94 jetzt f\xc3\xbcr VLC 3.</p>]]></content:encoded>")
    + item("A second item whose title is long enough to wrap over more than one line of the list",
           "Mon, 07 Dec 2026 10:00:00 +0100", "<content:encoded><![CDATA[<p>Two</p>]]></content:encoded>")
    + item("Undated", "sometime soon");

// The news site on loopback: the feeds of a list of our own, in an order
// that is not alphabetical.
struct NewsSite {
    FakeHttpServer server;
    QByteArray good = feed(goodItems);
    int goodDelayMs = 0;

    NewsSite()
    {
        server.setHandler([this](const FakeHttpServer::Request& request) {
            if (request.target == "/feeds/zeta.rss" || request.target == "/news/playerlink.rss") {
                FakeHttpServer::Response response = FakeHttpServer::ok(good);
                response.delayMs = goodDelayMs;
                return response;
            }
            FakeHttpServer::Response broken;
            broken.status = 500;
            broken.body = "<html><body>Internal error <b>";
            return broken;
        });
    }
    void configure() const
    {
        UserDefaults::standard().setObject(ServiceHosts::newsSiteKey, QStringLiteral("http://") + server.hostAddress());
        QFile list(HomePaths::bundle() + QStringLiteral("/testFeeds.plist"));
        list.open(QIODevice::WriteOnly);
        list.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
                   "<key>Zeta</key><string>/feeds/zeta.rss</string>"
                   "<key>Alpha</key><string>/feeds/alpha.rss</string></dict></plist>");
    }
};

// The screen over a news model of the test's feed list.
FeedsViewController* makeFeeds(LaunchedApp& run)
{
    auto* news = new NewsModel(run.factory().context(), QStringLiteral("testFeeds.plist"), QStringLiteral("feedTemplate"),
                               QStringLiteral("VLC"), &run.factory());
    return new FeedsViewController(*news, QStringLiteral("PlayerLink"), QStringLiteral("Brindlewood News"));
}

FastFeedCell* cellAt(FeedsViewController* feeds, int section, int row)
{
    return qobject_cast<FastFeedCell*>(feeds->tableView()->cellForRowAtIndexPath(IndexPath(section, row)));
}

bool loaded(FeedsViewController* feeds)
{
    return !feeds->news().isLoading() && feeds->refreshButton()->isEnabled();
}
}

TEST(NewsFeed, SectionsRowsAndTheFailingFeedBoldUntilReadOnTheItemsPage)
{
    ScopedHome home;
    NewsSite site;
    site.goodDelayMs = 400;
    LaunchedApp run([&] { site.configure(); });
    FeedsViewController* feeds = makeFeeds(run);
    run.navigation()->pushViewControllerVisibility(feeds, false, 1);

    // Loading: one "Updating Feed ..." row of height 48 per feed, in the list's order.
    TableView* table = feeds->tableView();
    ASSERT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(feeds->news().feedList()[0].name, QStringLiteral("Zeta"));
    EXPECT_FALSE(feeds->refreshButton()->isEnabled());
    EXPECT_EQ(cellAt(feeds, 0, 0)->mainText(), NewsModel::updatingText);
    EXPECT_EQ(table->rectForRowAtIndexPath(IndexPath(0, 0)).height(), 48);

    ASSERT_TRUE(waitUntil([&] { return loaded(feeds); }));
    ASSERT_EQ(table->numberOfRowsInSection(0), 3);
    ASSERT_EQ(table->numberOfRowsInSection(1), 1);
    const RssItem& first = feeds->news().feed(0)->getItems()[0];
    EXPECT_EQ(first.value("title"), QStringLiteral("Größere Lautstärke & mehr"));
    EXPECT_EQ(first.value("category"), QStringLiteral("Release, VLC 3"));
    EXPECT_EQ(first.value("content:encoded"), QStringLiteral("<p>Die <b>neue</b> Version — jetzt für VLC 3.</p>"));
    EXPECT_EQ(feeds->news().feed(0)->getRoot().value("title"), QStringLiteral("PlayerLink News"));
    FastFeedCell* cell = cellAt(feeds, 0, 0);
    EXPECT_EQ(cell->mainText(), QStringLiteral("Größere Lautstärke & mehr"));
    EXPECT_EQ(cell->subText(), QStringLiteral("Tue, 08 Dec 2026 16:26:53 GMT"));
    EXPECT_EQ(cell->accessoryType(), TableViewCell::AccessoryDisclosureIndicator);
    // Two lines of title make a taller row than one.
    const int oneLine = table->rectForRowAtIndexPath(IndexPath(0, 0)).height();
    EXPECT_EQ(oneLine, 24 + FastFeedCell::titleHeight(cell->mainText(), FastFeedCell::textWidthForRowWidth(table->viewport()->width())));
    EXPECT_GT(table->rectForRowAtIndexPath(IndexPath(0, 1)).height(), oneLine + 10);

    // The feed that answered 500 with garbage.
    FastFeedCell* failed = cellAt(feeds, 1, 0);
    EXPECT_EQ(failed->mainText(), NewsModel::notAvailableText);
    EXPECT_EQ(failed->selectionStyle(), TableViewCell::SelectionStyleNone);
    EXPECT_FALSE(feeds->news().feed(1)->isSuccessful());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRowAtIndexPath(IndexPath(1, 0)).center());
    EXPECT_EQ(run.top(), feeds);

    // Opening an item shows its page and marks it read, the others stay bold.
    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(cellAt(feeds, 0, row)->markedRead());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRowAtIndexPath(IndexPath(0, 0)).center());
    auto* page = qobject_cast<WebViewController*>(run.top());
    ASSERT_TRUE(page);
    EXPECT_NE(page, run.factory().webViewController());
    ASSERT_TRUE(waitUntil([&] { return page->theWebView()->toPlainText().contains(QStringLiteral("jetzt für VLC 3")); }));
    EXPECT_TRUE(page->theWebView()->toPlainText().contains(QStringLiteral("Größere Lautstärke & mehr")));
    EXPECT_TRUE(page->theWebView()->toHtml().contains(QStringLiteral("font-weight:700"))); // <b> is markup, not text
    run.navigation()->popViewControllerAnimated(false);
    EXPECT_TRUE(cellAt(feeds, 0, 0)->markedRead());
    EXPECT_FALSE(cellAt(feeds, 0, 1)->markedRead());

    // Refreshing forgets the marks.
    feeds->refreshButton()->trigger();
    EXPECT_EQ(cellAt(feeds, 0, 0)->mainText(), NewsModel::updatingText);
    ASSERT_TRUE(waitUntil([&] { return loaded(feeds); }));
    EXPECT_FALSE(cellAt(feeds, 0, 0)->markedRead());
}

TEST(NewsFeed, TheFeedIsReadByItsEncodingWithoutExternalEntitiesAndWithinItsSize)
{
    ScopedHome home;
    FakeHttpServer server;
    QNetworkAccessManager network;
    auto load = [&](const FakeHttpServer::Response& response) {
        server.enqueue(response);
        auto parser = std::make_unique<RssParser>(0);
        bool done = false;
        QObject::connect(parser.get(), &RssParser::completed, [&] { done = true; });
        parser->parse(QUrl(QStringLiteral("http://%1/feed").arg(server.hostAddress())), &network);
        EXPECT_TRUE(waitUntil([&] { return done; }, 8000));
        return parser;
    };

    auto latin = load(FakeHttpServer::ok(feed(item("Caf\xe9 cr\xe8me", "Tue, 08 Dec 2026 16:26:53 GMT"),
                                              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>")));
    ASSERT_TRUE(latin->isSuccessful());
    EXPECT_EQ(latin->getItems().value(0).value("title"), QStringLiteral("Café crème"));
    EXPECT_EQ(latin->mostRecentItem(), QDateTime(QDate(2026, 12, 8), QTime(16, 26, 53), Qt::UTC));

    QFile secret(home.path() + QStringLiteral("/secret.txt"));
    secret.open(QIODevice::WriteOnly);
    secret.write("top-secret-words");
    secret.close();
    auto external = load(FakeHttpServer::ok("<?xml version=\"1.0\"?><!DOCTYPE rss [<!ENTITY leak SYSTEM \"file://"
                                            + secret.fileName().toUtf8() + "\">]><rss><channel><item><title>A &leak; B"
                                            "</title></item></channel></rss>"));
    EXPECT_FALSE(external->getItems().value(0).value("title").contains(QStringLiteral("top-secret")));

    FakeHttpServer::Response huge = FakeHttpServer::ok(feed(QByteArray(RssParser::maximumFeedBytes + 10, ' ')));
    auto tooLarge = load(huge);
    EXPECT_FALSE(tooLarge->isSuccessful());
    EXPECT_TRUE(tooLarge->getItems().isEmpty());

    // Nothing listens: the load ends, unsuccessful.
    auto parser = std::make_unique<RssParser>(0);
    bool done = false;
    QObject::connect(parser.get(), &RssParser::completed, [&] { done = true; });
    parser->parse(QUrl(QStringLiteral("http://127.0.0.1:%1/feed").arg(unusedLoopbackPort())), &network);
    ASSERT_TRUE(waitUntil([&] { return done; }));
    EXPECT_FALSE(parser->isSuccessful());
    EXPECT_FALSE(parser->isLoading());
}

TEST(NewsFeed, WithoutANewsSiteThereAreNoFeedsAndNoBadge)
{
    ScopedHome home;
    NewsSite site;
    LaunchedApp run; // the site runs, but nobody told the application
    FeedsViewController* feeds = run.factory().feedsViewController();
    run.navigation()->pushViewControllerVisibility(feeds, false, 1);
    EXPECT_EQ(feeds->tableView()->numberOfSections(), 0);
    EXPECT_TRUE(feeds->emptyLabel()->isVisible());
    EXPECT_EQ(feeds->emptyLabel()->text(), QStringLiteral("No news feeds are configured"));
    spinEventLoop(100);
    EXPECT_TRUE(site.server.requests().empty());
    EXPECT_FALSE(run.factory().newNewsExists());
}

TEST(NewsFeed, TheBadgeShowsNewerNewsUntilItWasSeenAndTheSeenDateOnlyMovesOn)
{
    ScopedHome home;
    NewsSite site;
    const QDateTime newest(QDate(2026, 12, 8), QTime(16, 26, 53), Qt::UTC);
    auto showRemote = [](LaunchedApp& run) {
        auto remote = std::make_shared<VLCController>();
        remote->setHostAddress(QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()));
        MainViewController* screen = run.factory().mainViewController();
        screen->setCurrentRemote(remote);
        run.navigation()->pushViewController(screen, false);
        return screen;
    };
    auto badgeShown = [](MainViewController* screen) {
        return screen->exclamation() && screen->exclamation()->isVisible();
    };
    auto seeTheNews = [](LaunchedApp& run, MainViewController* screen) {
        screen->showNews();
        FeedsViewController* feeds = run.factory().feedsViewController();
        EXPECT_TRUE(waitUntil([&] { return feeds->isVisibleOnStack(); }));
        run.navigation()->popViewControllerAnimated(false);
    };
    {
        LaunchedApp run([&] {
            site.configure();
            UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
        });
        MainViewController* screen = showRemote(run); // the launch has asked for the news already
        ASSERT_TRUE(waitUntil([&] { return badgeShown(screen); }));
        Toolbar* toolbar = run.navigation()->toolbar();
        BarButton* news = nullptr;
        for (BarButton* button : toolbar->buttons())
            if (button->item() == screen->newsButton())
                news = button;
        ASSERT_TRUE(news);
        EXPECT_EQ(screen->exclamation()->parentWidget(), toolbar);
        const QRect corner = screen->exclamation()->geometry();
        EXPECT_EQ(corner.top(), 3);
        EXPECT_GT(corner.right(), news->geometry().right());
        EXPECT_LT(corner.left(), news->geometry().right());

        seeTheNews(run, screen);
        EXPECT_EQ(run.factory().news().mostRecentReadItem(), newest);
        EXPECT_FALSE(badgeShown(screen));
    }

    // Another run, with only older news: no badge, and the seen date stays.
    site.good = feed(item("Old news", "Mon, 01 Jun 2026 09:00:00 GMT"));
    LaunchedApp run([&] { site.configure(); });
    EXPECT_EQ(run.factory().news().mostRecentReadItem(), newest);
    MainViewController* screen = showRemote(run);
    FeedsViewController* feeds = run.factory().feedsViewController();
    ASSERT_TRUE(waitUntil([&] { return loaded(feeds); }));
    EXPECT_FALSE(run.factory().newNewsExists());
    seeTheNews(run, screen);
    EXPECT_EQ(run.factory().news().mostRecentReadItem(), newest);

    // Newer news in the same run brings the badge back.
    site.good = feed(item("Newer news", "Wed, 09 Dec 2026 08:00:00 GMT"));
    feeds->refreshFeeds();
    ASSERT_TRUE(waitUntil([&] { return badgeShown(screen); }));
}
