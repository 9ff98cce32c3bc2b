// playerlink's web pages and skin links without a window: the skin
// links' question and their turns, the gallery's bundled page, the help
// viewer's choice of page for the reader's language and its fallback, its
// links of the program's own scheme, and the page size limit.

#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "ZipBuilder.h"
#include "bundle/BundleInstaller.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/SkinFolders.h"
#include "core/StringHelpers.h"
#include "core/UserDefaults.h"
#include "models/HelpScreen.h"
#include "platform/DesktopPlatform.h"
#include "models/SkinsScreen.h"
#include "models/WebPageScreen.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {
bool installed(const QString& skin)
{
    return QFileInfo(SkinFolders::installedSkins() + u'/' + skin + QStringLiteral("/SkinDefinition.xml")).isFile();
}
}

TEST(SkinsScreen, ALinkThatComesMeanwhileIsAskedAboutInItsTurn)
{
    ScopedHome home;
    FakeHttpServer gallery;
    gallery.setHandler([](const FakeHttpServer::Request& request) {
        return FakeHttpServer::ok(ZipBuilder::minimalSkin(request.target.mid(1).chopped(4)), "application/zip");
    });
    CapturingAlertPresenter alerts;
    SkinsScreen skins(UserDefaults::standard(), alerts);
    auto link = [&](const char* name) { return QStringLiteral("plskins://%1/%2.zip").arg(gallery.hostAddress(), QLatin1String(name)); };

    skins.ask(link("Aurora"));
    skins.ask(link("Glacier")); // while the first is asked about
    EXPECT_TRUE(skins.question().endsWith(link("Aurora")));
    skins.answer(true);
    ASSERT_TRUE(skins.isDownloading());
    skins.ask(link("Dusk")); // while the first downloads
    EXPECT_EQ(skins.question(), QString());
    ASSERT_TRUE(waitUntil([&] { return !skins.isDownloading(); }));
    EXPECT_TRUE(installed(QStringLiteral("Aurora")));
    EXPECT_TRUE(skins.question().endsWith(link("Glacier")));
    skins.answer(false);
    EXPECT_TRUE(skins.question().endsWith(link("Dusk")));
    skins.answer(true);
    ASSERT_TRUE(waitUntil([&] { return !skins.isDownloading(); }));
    EXPECT_TRUE(installed(QStringLiteral("Dusk")));
    EXPECT_FALSE(installed(QStringLiteral("Glacier")));
    EXPECT_EQ(skins.question(), QString());
    EXPECT_EQ(gallery.targets(), (QList<QByteArray> { "/Aurora.zip", "/Dusk.zip" }));
}

TEST(SkinsScreen, WithoutAGallerySiteTheGalleryIsTheBundledPageAndBrowsesItsLinks)
{
    ScopedHome home;
    BundleInstaller::install();
    UserDefaults::standard().setObject(PreferenceKeys::appleLanguages, QStringList { QStringLiteral("en") });
    CapturingAlertPresenter alerts;
    SkinsScreen skins(UserDefaults::standard(), alerts);
    WebPageScreen& page = *skins.gallery();
    skins.openGallery();
    ASSERT_TRUE(waitUntil([&] { return page.title() == u"Skins"; }));
    EXPECT_TRUE(page.url().isLocalFile());
    EXPECT_TRUE(page.text().contains(QStringLiteral("plskins://")));
    EXPECT_FALSE(page.canGoBack());
    page.follow(QStringLiteral("skinSample.htm"));
    ASSERT_TRUE(waitUntil([&] { return page.title() == u"A sample skin"; }));
    EXPECT_TRUE(page.canGoBack());
    page.back();
    EXPECT_TRUE(waitUntil([&] { return page.title() == u"Skins"; }));
    EXPECT_TRUE(page.canGoForward());
    EXPECT_TRUE(alerts.alerts.empty());
}

TEST(WebPageScreen, RefusesPagesOverTheSizeLimit)
{
    FakeHttpServer site;
    site.enqueue(FakeHttpServer::ok(QByteArray(WebPageScreen::maximumPageBytes + 1, 'x'), "text/html"));
    FakeHttpServer::Response unannounced = FakeHttpServer::ok(QByteArray(WebPageScreen::maximumPageBytes + 4096, 'y'), "text/html");
    unannounced.trickleChunk = 256 * 1024; // no length known before the bytes arrive
    unannounced.trickleIntervalMs = 1;
    site.enqueue(unannounced);
    WebPageScreen page;
    QList<WebLoadError> failures;
    QObject::connect(&page, &WebPageScreen::failed, [&](const WebLoadError& error) { failures << error; });
    for (const char* path : { "/big.htm", "/bigger.htm" }) {
        const qsizetype before = failures.size();
        page.load(QUrl(QStringLiteral("http://%1%2").arg(site.hostAddress(), QLatin1String(path))));
        ASSERT_TRUE(waitUntil([&] { return failures.size() == before + 1; }, 10000)) << path;
        EXPECT_EQ(failures.last().kind, WebLoadError::Kind::TooLarge) << path;
    }
    EXPECT_FALSE(page.isLoading());
    EXPECT_EQ(page.text(), QString());
}

namespace {
// The help viewer with the bundle installed, the reader's language, and a
// help site and a translation service on loopback when asked for.
struct Help {
    ScopedHome home;
    FakeHttpServer site;
    FakeHttpServer translator;
    CapturingAlertPresenter alerts;
    DesktopLinkOpener links;
    HelpScreen help { UserDefaults::standard(), alerts, links };

    explicit Help(const QString& language, bool services)
    {
        BundleInstaller::install();
        UserDefaults::standard().setObject(PreferenceKeys::appleLanguages, QStringList { language });
        if (services) {
            UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + site.hostAddress());
            UserDefaults::standard().setObject(ServiceHosts::translationKey, QStringLiteral("http://") + translator.hostAddress());
        }
    }
    WebPageScreen& page() { return *help.page(); }
    bool shows(const QString& title) { return waitUntil([&] { return page().title() == title; }); }
    bool askedNothing() const { return site.requests().empty() && translator.requests().empty(); }
};
}

TEST(HelpScreen, ReadsThePagesInTheReadersLanguageAndFallsBackToTheBundledOnes)
{
    // English: the bundled page, without the network.
    for (const QString& language : { QStringLiteral("en"), QStringLiteral("en_GB") }) {
        Help english(language, true);
        english.help.showHelp(QStringLiteral("help"));
        EXPECT_TRUE(english.shows(QStringLiteral("Help"))) << qPrintable(language);
        EXPECT_TRUE(english.askedNothing()) << qPrintable(language);
    }
    // Without a help site: the bundled page in the reader's language, its
    // links to the pages beside it; English for a language without pages.
    {
        Help german(QStringLiteral("de-DE"), false);
        german.help.showHelp(QStringLiteral("cantSee"));
        ASSERT_TRUE(german.shows(QStringLiteral("Ihr Computer fehlt?")));
        EXPECT_TRUE(german.page().url().path().endsWith(QStringLiteral("/VLC/de/cantSee.htm")));
        german.page().follow(QStringLiteral("help.htm"));
        EXPECT_TRUE(german.shows(QStringLiteral("Hilfe")));
        Help dutch(QStringLiteral("nl_NL"), false);
        dutch.help.showHelp(QStringLiteral("cantSee"));
        EXPECT_TRUE(dutch.shows(QStringLiteral("Can't see your computer?")));
    }
    // Another language with a help site: the page through the translation
    // service, and when that fails the bundled page in that language.
    Help french(QStringLiteral("fr"), true);
    french.translator.enqueue(FakeHttpServer::ok("<html><head><title>Traduit</title></head><body>Bonjour</body></html>", "text/html"));
    french.help.showHelp(QStringLiteral("help"));
    ASSERT_TRUE(french.shows(QStringLiteral("Traduit")));
    const QString page = QStringLiteral("http://%1/MobileHelp/PlayerLink-iphone/help.htm").arg(french.site.hostAddress());
    EXPECT_EQ(french.translator.targets(),
              QList<QByteArray> { "/translate?hl=fr&sl=en&tl=fr&u=" + StringHelpers::fullyEscapedStringForUrl(page).toLatin1() });
    EXPECT_TRUE(french.site.requests().empty()) << "the service fetches the page, not we";
    FakeHttpServer::Response busy;
    busy.status = 503;
    french.translator.enqueue(busy);
    french.help.showHelp(QStringLiteral("help"));
    ASSERT_TRUE(french.shows(QStringLiteral("Aide")));
    EXPECT_TRUE(french.page().url().path().endsWith(QStringLiteral("/VLC/fr/help.htm")));
    EXPECT_TRUE(french.alerts.alerts.empty());
}

TEST(HelpScreen, LinksOfTheProgramsSchemeAskOnlyForKnownActions)
{
    Help english(QStringLiteral("en"), false);
    int setupRequests = 0;
    QObject::connect(&english.help, &HelpScreen::setupWanted, [&] { ++setupRequests; });
    english.help.showHtml(QStringLiteral("<p>Steps</p>"));
    const QUrl shown = english.page().url();
    english.page().follow(QStringLiteral("playerlink://bw_setuphelper"));
    english.page().follow(QStringLiteral("brindlewood://bw_setuphelper"));
    EXPECT_EQ(setupRequests, 2);
    // Any other name (this one an event the program once broadcast by
    // name) is no action: nothing happens, and nothing loads.
    for (const char* link : { "playerlink://BWVlcStatusChanged", "brindlewood://BWVlcStatusChanged",
                              "playerlink://bw_setuphelper/again", "playerlink://" })
        english.page().follow(QString::fromLatin1(link));
    EXPECT_EQ(setupRequests, 2);
    EXPECT_FALSE(english.page().isLoading());
    EXPECT_EQ(english.page().url(), shown);
    EXPECT_TRUE(english.alerts.alerts.empty());
}
