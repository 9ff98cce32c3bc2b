#include "app/BundleInstaller.h"
#include "core/Clock.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/StringHelpers.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "FakeHttpServer.h"
#include "screens/WebView/WebViewController.h"
#include "TestSupport.h"
#include "ui/UrlOpener.h"

#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {
// The viewer on screen with the bundle installed, a help site and a
// translation service on loopback, and the reader's language.
struct Viewer {
    ScopedHome home;
    FakeHttpServer site;
    FakeHttpServer translator;
    CapturingAlertPresenter alerts;
    QList<QUrl> opened;
    Navigator navigator;
    WebViewController controller { AppContext { nullptr, UserDefaults::standard(), alerts, Clock::current(), navigator } };

    explicit Viewer(const QString& language, bool configureServices = true)
    {
        BundleInstaller::install();
        UserDefaults::standard().setObject(PreferenceKeys::appleLanguages, QStringList { language });
        if (configureServices) {
            UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + site.hostAddress());
            UserDefaults::standard().setObject(ServiceHosts::translationKey, QStringLiteral("http://") + translator.hostAddress());
        }
        UrlOpener::setHandler([this](const QUrl& url) {
            opened << url;
            return true;
        });
        controller.resize(390, 700);
        controller.show();
        appear();
    }
    ~Viewer() { UrlOpener::setHandler(nullptr); }

    void appear()
    {
        controller.beginAppearance(true, false);
        controller.endAppearance();
    }
    void disappear()
    {
        controller.beginAppearance(false, false);
        controller.endAppearance();
    }
    WebView* view() const { return controller.theWebView(); }
    bool shows(const QString& text) const { return view() && view()->toPlainText().contains(text); }
    bool showsTitle(const QString& title) const { return view() && view()->documentTitle() == title; }
    void click(const QString& linkText)
    {
        ASSERT_TRUE(waitUntil([&] { return view()->isVisible(); }));
        QTextCursor cursor = view()->document()->find(linkText);
        ASSERT_FALSE(cursor.isNull()) << qPrintable(linkText);
        cursor.setPosition(cursor.selectionStart() + 1);
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->cursorRect(cursor).center());
    }
};

const QString helpPath = QStringLiteral("/MobileHelp/PlayerLink-iphone/help.htm");
}

TEST(WebViewController, ShowsTheBundledPageWithoutNetworkForEnglishOrWithoutAHelpSite)
{
    for (const QString& language : { QStringLiteral("en"), QStringLiteral("en_GB"), QStringLiteral("en-US") }) {
        Viewer v(language);
        v.controller.loadHelpPage(QStringLiteral("help"));
        ASSERT_TRUE(waitUntil([&] { return v.showsTitle(QStringLiteral("Help")); })) << qPrintable(language);
        EXPECT_TRUE(v.shows(QStringLiteral("Switch on VLC's web interface")));
        spinEventLoop(50);
        EXPECT_TRUE(v.site.requests().empty() && v.translator.requests().empty()) << qPrintable(language);
    }
}

TEST(WebViewController, ShowsTheBundledPageInTheReadersLanguageWithoutAHelpSite)
{
    // German as the desktop names it, and no help site (as shipped).
    Viewer german(QStringLiteral("de-DE"), false);
    german.controller.loadHelpPage(QStringLiteral("cantSee"));
    ASSERT_TRUE(waitUntil([&] { return german.showsTitle(QStringLiteral("Ihr Computer fehlt?")); }));
    EXPECT_TRUE(german.view()->url().path().endsWith(QStringLiteral("/VLC/de/cantSee.htm")));
    // Its links lead to the German pages beside it.
    german.click(QStringLiteral("Erste Schritte"));
    ASSERT_TRUE(waitUntil([&] { return german.showsTitle(QStringLiteral("Hilfe")); }));
    EXPECT_TRUE(german.shows(QStringLiteral("Die Weboberfläche von VLC einschalten")));
    spinEventLoop(50);
    EXPECT_TRUE(german.site.requests().empty() && german.translator.requests().empty());
    EXPECT_TRUE(german.alerts.alerts.empty());

    // A language without bundled pages reads the English ones.
    Viewer dutch(QStringLiteral("nl_NL"), false);
    dutch.controller.loadHelpPage(QStringLiteral("cantSee"));
    EXPECT_TRUE(waitUntil([&] { return dutch.showsTitle(QStringLiteral("Can't see your computer?")); }));
}

TEST(WebViewController, TranslatesForOtherLanguagesAndFallsBackToTheBundledPage)
{
    Viewer v(QStringLiteral("fr"));
    v.translator.enqueue(FakeHttpServer::ok("<html><head><title>Traduit</title></head><body>Bonjour</body></html>", "text/html"));
    v.controller.loadHelpPage(QStringLiteral("help"));
    ASSERT_TRUE(waitUntil([&] { return v.shows(QStringLiteral("Bonjour")); }));
    const QString page = QStringLiteral("http://") + v.site.hostAddress() + helpPath;
    ASSERT_EQ(v.translator.targets().size(), 1);
    EXPECT_EQ(QString::fromLatin1(v.translator.targets()[0]),
              QStringLiteral("/translate?hl=fr&sl=en&tl=fr&u=") + StringHelpers::fullyEscapedStringForUrl(page));
    EXPECT_TRUE(v.site.requests().empty()); // the service fetches the page, not we

    // The service fails: the French page from the bundle, no alert.
    FakeHttpServer::Response busy;
    busy.status = 503;
    v.translator.enqueue(busy);
    v.controller.loadHelpPage(QStringLiteral("help"));
    ASSERT_TRUE(waitUntil([&] { return v.showsTitle(QStringLiteral("Aide")); }));
    EXPECT_TRUE(v.view()->url().path().endsWith(QStringLiteral("/VLC/fr/help.htm"))) << qPrintable(v.view()->url().toString());
    EXPECT_TRUE(v.alerts.alerts.empty());
}

TEST(WebViewController, LinksOfTheApplicationSchemePostOnlyPageActions)
{
    Viewer v(QStringLiteral("en"));
    QObject observer;
    int setupRequests = 0;
    int statusPosts = 0;
    NotificationCenter::defaultCenter().addObserver(&observer, NotificationNames::setupHelper, [&](const Notification&) { ++setupRequests; });
    NotificationCenter::defaultCenter().addObserver(&observer, NotificationNames::vlcStatusChanged, [&](const Notification&) { ++statusPosts; });
    v.controller.loadHTMLString(QStringLiteral("<p><a href=\"playerlink://bw_setuphelper\">Send me the steps</a></p>"
                                               "<p><a href=\"brindlewood://bw_setuphelper\">Steps, older link</a></p>"
                                               "<p><a href=\"playerlink://BWVlcStatusChanged\">Fake a status</a></p>"
                                               "<p><a href=\"brindlewood://BWVlcStatusChanged\">Fake it old</a></p>"));
    const QUrl shown = v.view()->url();
    v.click(QStringLiteral("Send me the steps"));
    EXPECT_EQ(setupRequests, 1);
    v.click(QStringLiteral("Steps, older link"));
    EXPECT_EQ(setupRequests, 2);
    v.click(QStringLiteral("Fake a status"));
    v.click(QStringLiteral("Fake it old"));
    EXPECT_EQ(statusPosts, 0);
    spinEventLoop(50);
    EXPECT_EQ(v.view()->url(), shown);
    EXPECT_TRUE(v.alerts.alerts.empty());
    EXPECT_TRUE(v.shows(QStringLiteral("Send me the steps")));
    EXPECT_FALSE(v.view()->isLoading());
}

TEST(WebViewController, MailAndSoftwareCentreLinksOpenOutside)
{
    Viewer v(QStringLiteral("en"));
    v.controller.loadHTMLString(QStringLiteral("<p><a href=\"mailto:help@localhost?subject=VLC\">Write to us</a></p>"
                                               "<p><a href=\"appstream://org.videolan.VLC\">Install VLC</a></p>"));
    v.click(QStringLiteral("Write to us"));
    v.click(QStringLiteral("Install VLC"));
    EXPECT_EQ(v.opened, (QList<QUrl> { QUrl(QStringLiteral("mailto:help@localhost?subject=VLC")),
                                       QUrl(QStringLiteral("appstream://org.videolan.VLC")) }));
    EXPECT_FALSE(v.view()->isLoading());
    EXPECT_TRUE(v.shows(QStringLiteral("Write to us")));
}

TEST(WebViewController, AlertsWhenAPageWithoutAWorkingFallbackFails)
{
    Viewer v(QStringLiteral("en"));
    const QString unreachable = QStringLiteral("http://127.0.0.1:%1/updates#news").arg(unusedLoopbackPort());
    v.controller.loadUrlString(unreachable);
    ASSERT_TRUE(waitUntil([&] { return !v.alerts.alerts.empty(); }));
    EXPECT_EQ(v.alerts.alerts[0].title, QStringLiteral("Error loading page."));
    EXPECT_EQ(v.alerts.alerts[0].message, QStringLiteral("Sorry, we weren't able to load the requested page."));
    EXPECT_EQ(v.alerts.alerts[0].buttons, QStringList { QStringLiteral("Ok") });

    // A fallback that is not in the bundle is tried once, then the alert.
    UserDefaults::standard().setObject(PreferenceKeys::appleLanguages, QStringList { QStringLiteral("fr") });
    UserDefaults::standard().removeObject(ServiceHosts::translationKey);
    UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://127.0.0.1:%1").arg(unusedLoopbackPort()));
    v.controller.loadHelpPage(QStringLiteral("noSuchPage"));
    ASSERT_TRUE(waitUntil([&] { return v.alerts.alerts.size() == 2; }));
    spinEventLoop(100);
    EXPECT_EQ(v.alerts.alerts.size(), 2u);
}

TEST(WebViewController, LoadsWaitUntilTheScreenCanShowThem)
{
    ScopedHome home;
    BundleInstaller::install();
    FakeHttpServer site;
    site.setHandler([](const FakeHttpServer::Request&) { return FakeHttpServer::ok("<p>News page</p>", "text/html"); });
    CapturingAlertPresenter alerts;
    Navigator navigator;
    WebViewController controller { AppContext { nullptr, UserDefaults::standard(), alerts, Clock::current(), navigator } };
    const QString page = QStringLiteral("http://%1/updates").arg(site.hostAddress());
    controller.loadUrlString(page);
    spinEventLoop(100);
    EXPECT_TRUE(site.requests().empty());
    EXPECT_EQ(controller.urlToLoad(), QUrl(page));

    controller.beginAppearance(true, false); // loads the view and shows it
    controller.endAppearance();
    ASSERT_TRUE(waitUntil([&] { return controller.theWebView()->toPlainText().contains(QStringLiteral("News page")); }));
    EXPECT_FALSE(controller.urlToLoad().has_value());

    // Gone from the screen: the next page waits for the next visit.
    controller.beginAppearance(false, false);
    controller.endAppearance();
    controller.loadBundledPage(QStringLiteral("credit"));
    spinEventLoop(100);
    EXPECT_TRUE(controller.theWebView()->toPlainText().contains(QStringLiteral("News page")));
    controller.beginAppearance(true, false);
    controller.endAppearance();
    EXPECT_TRUE(waitUntil([&] { return controller.theWebView()->documentTitle() == QStringLiteral("Credits"); }));
}
