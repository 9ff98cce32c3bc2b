// playerlink's news and setup screens through real mouse and key
// events on its window, against the maker's services served on loopback.
// The news: the remotes list's News button with its badge, the feeds' rows
// in their order, an item opened in the web viewer and read, the refresh,
// and no news site. The setup: the new user's greeting, its texts and help
// link, an address refused, the request with the tick box, the addresses
// typed before, skipping, and the mail program without a service;
// assistive technology finds every control.

#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "bundle/BundleInstaller.h"
#include "core/DeviceIdentifier.h"
#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/UserDefaults.h"
#include "models/NewsModel.h"
#include "models/SetupInstructions.h"
#include "models/HelpScreen.h"
#include "models/NewsScreen.h"
#include "models/WebPageScreen.h"
#include "platform/UrlOpener.h"

#include <QAccessible>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {
bool settled(ProgramWindow& w, int depth)
{
    return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
}

QString barTitle(ProgramWindow& w)
{
    return w.item(QStringLiteral("barTitle"))->property("text").toString();
}

QString textOf(ProgramWindow& w, const QString& name)
{
    QQuickItem* item = w.item(name);
    return item ? item->property("text").toString() : QStringLiteral("<none>");
}

// The visible accessibles of a role: their names, in the window's order.
QStringList named(QAccessibleInterface* node, QAccessible::Role role)
{
    QStringList names;
    if (!node || node->state().invisible)
        return names;
    if (node->role() == role)
        names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i)
        names << named(node->child(i), role);
    return names;
}

QStringList named(ProgramWindow& w, QAccessible::Role role)
{
    return named(QAccessible::queryAccessibleInterface(w.window), role);
}

QQuickItem* settingsRow(ProgramWindow& w, const QString& text)
{
    return ProgramWindow::find(w.item(QStringLiteral("settingsList")), [&](QQuickItem* item) {
        return item->objectName().startsWith(u"setting-")
            && ProgramWindow::find(item, [&](QQuickItem* label) { return label->property("text").toString() == text; });
    });
}

void dismissNotice(ProgramWindow& w)
{
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeOk")) != nullptr; }));
    w.click(w.item(QStringLiteral("noticeOk")));
    ASSERT_TRUE(waitUntil([&] { return !w.alerts.isShowing(); }));
}

QByteArray item(const QByteArray& title, const QByteArray& date, const QByteArray& content)
{
    return "<item><title>" + title + "</title><pubDate>" + date + "</pubDate><content:encoded><![CDATA[" + content
        + "]]></content:encoded></item>";
}

const QByteArray feed = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><rss version=\"2.0\" "
                        "xmlns:content=\"http://purl.org/rss/1.0/modules/content/\"><channel><title>News</title>"
    + item("Louder &amp; clearer", "Tue, 08 Dec 2026 16:26:53 GMT", "<p>The <b>new</b> version is out.</p>")
    + item("Older news", "Mon, 07 Dec 2026 10:00:00 GMT", "<p>Two</p>") + "</channel></rss>";
}

TEST(NewsScreen, TheNewsListsTheFeedsInOrderOpensAnItemAndSaysWhenNoSiteIsConfigured)
{
    FakeHttpServer site;
    site.setHandler([](const FakeHttpServer::Request& request) {
        if (request.target == "/feeds/zeta.rss")
            return FakeHttpServer::ok(feed, "application/rss+xml");
        FakeHttpServer::Response broken;
        broken.status = 500;
        broken.body = "<html><body>Internal error <b>";
        return broken;
    });
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setObject(ServiceHosts::newsSiteKey, QStringLiteral("http://") + site.hostAddress());
    BundleInstaller::install();
    // Two feeds, the second failing, in an order that is not alphabetical.
    QFile list(HomePaths::bundle() + QStringLiteral("/newsFeed.plist"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict>"
               "<key>Zeta</key><string>/feeds/zeta.rss</string>"
               "<key>Alpha</key><string>/feeds/alpha.rss</string></dict></plist>");
    list.close();
    ProgramWindow w(false);
    AlertPresenter::setCurrent(&w.alerts);

    // Loaded at launch, the news puts its badge on the News button.
    w.remotes.news()->model().refresh();
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("newsBadge")) != nullptr; }));
    w.click(w.item(QStringLiteral("newsButton")));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_EQ(barTitle(w), u"Brindlewood News");
    const QStringList rows { QStringLiteral("Louder & clearer"), QStringLiteral("Older news"),
                             QStringLiteral("Feed Not Available.") };
    ASSERT_TRUE(waitUntil([&] { return named(w, QAccessible::ListItem) == rows; }))
        << named(w, QAccessible::ListItem).join(u'|').toStdString();
    EXPECT_FALSE(w.item(QStringLiteral("newsBadge"))); // seen, once shown
    EXPECT_EQ(w.item(QStringLiteral("news-0"))->property("date").toString(), u"Tue, 08 Dec 2026 16:26:53 GMT");
    EXPECT_GE(w.item(QStringLiteral("news-2"))->height(), 48);
    EXPECT_TRUE(named(w, QAccessible::Button).contains(u"Reload the news"));

    // The failed feed's row leads nowhere; an item opens its page and is read.
    w.click(w.item(QStringLiteral("news-2")));
    QTest::qWait(100);
    EXPECT_EQ(w.depth(), 2);
    EXPECT_FALSE(w.item(QStringLiteral("news-0"))->property("read").toBool());
    w.click(w.item(QStringLiteral("news-0")));
    ASSERT_TRUE(settled(w, 3));
    ASSERT_TRUE(waitUntil([&] { return textOf(w, QStringLiteral("webPageText")).contains(u"version is out"); }));
    EXPECT_TRUE(textOf(w, QStringLiteral("webPageText")).contains(u"Louder &amp; clearer"));
    w.click(w.item(QStringLiteral("backButton")));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_TRUE(w.item(QStringLiteral("news-0"))->property("read").toBool());

    // Reloading forgets the read marks; with no news site there are no feeds.
    w.click(w.item(QStringLiteral("newsReload")));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("news-0")) && !w.item(QStringLiteral("news-0"))->property("read").toBool(); }));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("newsReload"))->isEnabled(); }));
    defaults.removeObject(ServiceHosts::newsSiteKey);
    w.click(w.item(QStringLiteral("newsReload")));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("newsEmpty")) != nullptr; }));
    EXPECT_EQ(textOf(w, QStringLiteral("newsEmpty")), u"No news feeds are configured");
    EXPECT_TRUE(named(w, QAccessible::ListItem).isEmpty());
    AlertPresenter::setCurrent(nullptr);
}

TEST(SetupScreen, TheSetupScreenGreetsANewUserRefusesAnAddressSendsTheRequestAndWithoutAServiceOpensAMail)
{
    FakeHttpServer service;
    service.setHandler([](const FakeHttpServer::Request&) { return FakeHttpServer::ok("ok", "text/plain"); });
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setObject(ServiceHosts::setupServiceKey, QStringLiteral("http://") + service.hostAddress());
    // The help pages as the program installs them, read in English.
    BundleInstaller::install();
    defaults.setObject(PreferenceKeys::appleLanguages, QStringList { QStringLiteral("en") });
    QList<QUrl> opened;
    UrlOpener::setHandler([&](const QUrl& url) {
        opened << url;
        return true;
    });
    // A new user is greeted by the setup screen over the remotes list.
    ProgramWindow w(false, [&](RemotesScreen&) { defaults.removeObject(PreferenceKeys::haveSeenSetupPage); });
    AlertPresenter::setCurrent(&w.alerts);
    auto type = [&](const QString& text) {
        w.click(w.item(QStringLiteral("setupEmail")));
        w.item(QStringLiteral("setupEmail"))->setProperty("text", QString());
        for (const QChar c : text)
            QTest::keyClick(w.window, c.toLatin1());
    };
    ASSERT_TRUE(settled(w, 2));
    ASSERT_EQ(barTitle(w), u"Setup");
    EXPECT_EQ(textOf(w, QStringLiteral("setupHeader")), u"Thanks for installing PlayerLink");
    EXPECT_EQ(textOf(w, QStringLiteral("setupMessage")), SetupInstructions::defaultMessage(defaults));
    EXPECT_TRUE(textOf(w, QStringLiteral("setupMessage")).contains(u"we'll send you an email"));
    EXPECT_FALSE(w.item(QStringLiteral("setupFind"))); // nothing typed here before
    for (QAccessible::Role role : { QAccessible::Button, QAccessible::CheckBox, QAccessible::EditableText })
        EXPECT_FALSE(named(w, role).contains(QString())) << "every control has a name, role " << role;
    EXPECT_TRUE(named(w, QAccessible::CheckBox).contains(u"Send me info on updates and new iPhone apps"));
    EXPECT_TRUE(named(w, QAccessible::EditableText).contains(u"Your email address"));
    EXPECT_TRUE(named(w, QAccessible::Button).contains(u"Send"));

    // The message's link leads to the help page, whose setup link comes back.
    QQuickItem* message = w.item(QStringLiteral("setupMessage"));
    std::optional<QPoint> link;
    for (qreal y = 2; y < message->height() && !link; y += 4)
        for (qreal x = 2; x < message->width() && !link; x += 6) {
            QString target;
            QMetaObject::invokeMethod(message, "linkAt", Q_RETURN_ARG(QString, target), Q_ARG(qreal, x), Q_ARG(qreal, y));
            if (target == u"help")
                link = message->mapToScene(QPointF(x, y)).toPoint();
        }
    ASSERT_TRUE(link);
    QTest::mouseClick(w.window, Qt::LeftButton, {}, *link);
    ASSERT_TRUE(settled(w, 3));
    EXPECT_TRUE(waitUntil([&] { return barTitle(w) == u"Help"; })) << barTitle(w).toStdString();
    w.remotes.help()->page()->follow(QStringLiteral("playerlink://bw_setuphelper"));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_EQ(barTitle(w), u"Setup");

    // An address that will not do is refused, and the screen stays.
    type(QStringLiteral("a@b.cd"));
    w.click(w.item(QStringLiteral("setupSend")));
    ASSERT_TRUE(waitUntil([&] { return w.alerts.isShowing(); }));
    EXPECT_EQ(w.alerts.title(), u"Please check your email");
    EXPECT_TRUE(w.alerts.message().startsWith(u"That doesn't look like a valid email address."));
    dismissNotice(w);
    EXPECT_EQ(w.depth(), 2);

    // The request, with the box ticked; the screen goes and the user is told.
    type(QStringLiteral("me@example.com"));
    w.click(w.item(QStringLiteral("setupSubscribe")));
    w.click(w.item(QStringLiteral("setupSend")));
    ASSERT_TRUE(waitUntil([&] { return service.requests().size() == 1; }));
    EXPECT_EQ(QString::fromLatin1(service.targets()[0]),
              QStringLiteral("/setup_request/create?application=playerlink-iphone&udid=")
                  + DeviceIdentifier::uniqueIdentifier(defaults) + QStringLiteral("&email=me%40example.com&subscribe=1"));
    ASSERT_TRUE(settled(w, 1));
    EXPECT_EQ(w.alerts.title(), u"Request Sent");
    EXPECT_TRUE(SetupInstructions::haveSeenSetupPage(defaults));
    dismissNotice(w);

    // From the settings' row: the address typed before is a tap away;
    // skipping asks nobody.
    w.click(w.item(QStringLiteral("settingsButton")));
    ASSERT_TRUE(settled(w, 2));
    QQuickItem* row = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (row = settingsRow(w, QStringLiteral("Setup Instructions"))); }));
    w.click(row);
    ASSERT_TRUE(settled(w, 3));
    ASSERT_EQ(barTitle(w), u"Setup");
    ASSERT_TRUE(w.item(QStringLiteral("setupFind")));
    w.click(w.item(QStringLiteral("setupFind")));
    QQuickItem* choice = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        return (choice = ProgramWindow::find(w.window->contentItem(), [](QQuickItem* item) {
                    return item->isVisible() && item->objectName() == u"setupAddress"
                        && item->property("text").toString() == u"me@example.com";
                }));
    }));
    // Titled as the sheet is.
    QQuickItem* heading = w.item(QStringLiteral("setupAddressesTitle"));
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->property("text").toString(), u"Addresses you typed before");
    w.click(choice);
    EXPECT_TRUE(waitUntil([&] { return textOf(w, QStringLiteral("setupEmail")) == u"me@example.com"; }));
    w.click(w.item(QStringLiteral("setupSkip")));
    ASSERT_TRUE(settled(w, 2));
    QTest::qWait(50);
    EXPECT_EQ(service.requests().size(), size_t(1));

    // Without the service the user's mail program gets the instructions.
    defaults.removeObject(ServiceHosts::setupServiceKey);
    w.click(settingsRow(w, QStringLiteral("Setup Instructions")));
    ASSERT_TRUE(settled(w, 3));
    EXPECT_FALSE(w.item(QStringLiteral("setupSubscribe")));
    type(QStringLiteral("me+vlc@example.com"));
    w.click(w.item(QStringLiteral("setupSend")));
    ASSERT_TRUE(settled(w, 2));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].toString(QUrl::FullyEncoded)
                    .startsWith(u"mailto:me%2Bvlc@example.com?subject=Setting%20up%20VLC%20for%20PlayerLink&body="));
    EXPECT_FALSE(w.alerts.isShowing());
    UrlOpener::setHandler(nullptr);
    AlertPresenter::setCurrent(nullptr);
    defaults.removeObject(PreferenceKeys::appleLanguages);
}
