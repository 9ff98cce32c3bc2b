#include "app/AppWindow.h"
#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/SingleInstance.h"
#include "app/SkinInstallCommand.h"
#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/UserDefaults.h"
#include "FakeHttpServer.h"
#include "net/NetworkStateSource.h"
#include "net/Reachability_2.h"
#include "screens/MainView/MainViewController.h"
#include "screens/SkinsView/SkinDownloadProgressView.h"
#include "screens/SkinsView/SkinsViewController.h"
#include "screens/SkinsWebView/SkinsWebViewController.h"
#include "skin/Skin.h"
#include "skin/SkinArchiveInstaller.h"
#include "skin/SkinDownloader.h"
#include "core/SkinFolders.h"
#include "TestSupport.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/BWNavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/Toolbar.h"
#include "ZipBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
const QString glacierSource = QStringLiteral(PLAYERLINK_FIXTURES_DIR "/skins/Glacier");

class Online : public NetworkStateSource {
public:
    std::optional<NetworkState> read() override
    {
        NetworkState state;
        state.interfaces.push_back({ QStringLiteral("eth0"), true, false, { QHostAddress(QStringLiteral("192.168.1.9")) } });
        state.routes.push_back({ QStringLiteral("eth0"), QHostAddress(QStringLiteral("0.0.0.0")), 0, true, 100 });
        return state;
    }
    void startWatching() override { }
};

// A launched application in a fresh home with the skins given installed.
struct Library {
    ScopedHome home;
    Reachability_2 reachability { std::make_unique<Online>() };
    std::unique_ptr<PlayerLinkAppDelegate> app;
    QString skins = SkinFolders::installedSkins();

    // beforeLaunch runs when the skins are installed, just before the launch.
    explicit Library(const QList<QByteArray>& installed = {}, const std::function<void()>& beforeLaunch = {})
    {
        CentralAccessFactory::shutdown();
        PlayerLinkAppDelegate::initialize();
        // The once-only what's-new and setup pages would cover the screens under test.
        UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
        UserDefaults::standard().setBool(PreferenceKeys::haveSeenSetupPage, true);
        for (const QByteArray& name : installed)
            EXPECT_TRUE(SkinArchiveInstaller(skins).installData(ZipBuilder::minimalSkin(name)).ok());
        if (beforeLaunch)
            beforeLaunch();
        app = std::make_unique<PlayerLinkAppDelegate>(&reachability);
        app->applicationDidFinishLaunching();
    }
    ~Library()
    {
        for (AlertView* alert : AlertView::visibleAlerts())
            alert->dismissWithClickedButtonIndex(0, false);
        app.reset();
        CentralAccessFactory::shutdown();
    }
    SkinsViewController* showList()
    {
        SkinsViewController* list = CentralAccessFactory::sharedFactory().skinsViewController();
        app->navController()->pushViewController(list, false);
        return list;
    }
    // The cell the screen makes for a row (the test's to keep).
    static std::unique_ptr<TableViewCell> cell(SkinsViewController* list, int row)
    {
        return std::unique_ptr<TableViewCell>(list->cellForRowAtIndexPath(list->myTableView(), IndexPath(0, row)));
    }
    static QStringList rowTexts(SkinsViewController* list)
    {
        QStringList texts;
        for (int row = 0; row < list->myTableView()->numberOfRowsInSection(0); ++row)
            texts.append(cell(list, row)->textLabel()->text());
        return texts;
    }
    // The row that carries the tick.
    static int tickedRow(SkinsViewController* list)
    {
        int ticked = -1;
        for (int row = 0; row < list->myTableView()->numberOfRowsInSection(0); ++row)
            if (cell(list, row)->accessoryView())
                ticked = ticked == -1 ? row : -2;
        return ticked;
    }
};

QString selectedSkin()
{
    return UserDefaults::standard().stringForKey(PreferenceKeys::skin);
}

// Makes a folder impossible to move or remove, even for root; false where
// the file system has no such flag (or the rights are missing).
bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
}

QByteArray glacierZip(char separator = '/')
{
    return ZipBuilder().addFolder(glacierSource, "Glacier", separator).build();
}

QStringList leftDownloads()
{
    return QDir(HomePaths::tmp()).entryList({ QStringLiteral("skinDownload*") }, QDir::Files | QDir::Hidden);
}
}

TEST(SkinList, ShowsTheShippedSkinFirstTicksTheChosenOneAndChoosesByTap)
{
    Library library({ "Aurora", "Glacier" });
    QDir().mkpath(library.skins + QStringLiteral("/__install-x1/Hidden"));
    QFile loose(library.skins + QStringLiteral("/loose.txt"));
    loose.open(QIODevice::WriteOnly);
    UserDefaults::standard().setObject(PreferenceKeys::skin, QStringLiteral("Documents/Skins/Glacier"));
    MainViewController* remote = CentralAccessFactory::sharedFactory().mainViewController();
    remote->loadViewIfNeeded();
    remote->loadSkin();
    ASSERT_TRUE(remote->currentSkin());

    SkinsViewController* list = library.showList();
    EXPECT_EQ(list->title(), QStringLiteral("Skins"));
    EXPECT_EQ(list->skinList(), (QStringList { "PlayerLink.app/DefaultSkin", "Documents/Skins/Aurora", "Documents/Skins/Glacier" }));
    EXPECT_EQ(Library::rowTexts(list), (QStringList { "DefaultSkin", "Aurora", "Glacier" }));
    EXPECT_EQ(Library::tickedRow(list), 2);
    // The remote screen builds its skin again from the choice made here.
    EXPECT_EQ(remote->currentSkin(), nullptr);

    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(0, 1));
    EXPECT_EQ(selectedSkin(), QStringLiteral("Documents/Skins/Aurora"));
    EXPECT_EQ(Library::tickedRow(list), 1);
    EXPECT_FALSE(list->myTableView()->indexPathForSelectedRow().isValid());
}

TEST(SkinList, EditModeDeletesOnlyDownloadedSkinsAndKeepsTableAndDiskInStep)
{
    Library library({ "Aurora", "Glacier" });
    UserDefaults::standard().setObject(PreferenceKeys::skin, QStringLiteral("Documents/Skins/Glacier"));
    SkinsViewController* list = library.showList();
    TableView* table = list->myTableView();
    list->editButton()->trigger();
    EXPECT_TRUE(table->isEditing());
    EXPECT_EQ(list->navigationItem()->rightBarButtonItem()->title(), QStringLiteral("Done"));
    EXPECT_EQ(list->editingStyleForRowAtIndexPath(table, IndexPath(0, 0)), TableViewCell::EditingStyleNone);
    EXPECT_EQ(list->editingStyleForRowAtIndexPath(table, IndexPath(0, 1)), TableViewCell::EditingStyleDelete);
    EXPECT_EQ(list->editingStyleForRowAtIndexPath(table, IndexPath(0, 2)), TableViewCell::EditingStyleDelete);
    list->deleteRow(0);
    EXPECT_TRUE(QFileInfo::exists(HomePaths::bundle() + QStringLiteral("/DefaultSkin/SkinDefinition.xml")));

    // Deleting the chosen skin chooses the shipped one first.
    list->commitEditingStyle(table, TableViewCell::EditingStyleDelete, IndexPath(0, 2));
    EXPECT_EQ(selectedSkin(), SkinFolders::builtInSkin);
    EXPECT_FALSE(QFileInfo::exists(library.skins + QStringLiteral("/Glacier")));
    EXPECT_EQ(Library::rowTexts(list), (QStringList { "DefaultSkin", "Aurora" }));
    EXPECT_EQ(Library::tickedRow(list), 0);

    // A skin the disk will not give up keeps its row.
    const QString aurora = library.skins + QStringLiteral("/Aurora");
    if (!setImmutable(aurora, true))
        GTEST_SKIP() << "no immutable folders here";
    list->deleteRow(1);
    setImmutable(aurora, false);
    EXPECT_TRUE(QFileInfo::exists(aurora + QStringLiteral("/SkinDefinition.xml")));
    EXPECT_EQ(list->skinList().size(), table->numberOfRowsInSection(0));
    EXPECT_EQ(Library::rowTexts(list), (QStringList { "DefaultSkin", "Aurora" }));
    EXPECT_EQ(QDir(library.skins).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList { "Aurora" });

    list->setEditing(false);
    EXPECT_FALSE(table->isEditing());
}

TEST(SkinList, FollowsTheSkinsFolderWhileShown)
{
    Library library; // no skins folder yet
    SkinsViewController* list = library.showList();
    ASSERT_EQ(Library::rowTexts(list), QStringList { "DefaultSkin" });
    ASSERT_TRUE(SkinArchiveInstaller(library.skins).installData(ZipBuilder::minimalSkin("Aurora")).ok());
    ASSERT_TRUE(waitUntil([&] { return Library::rowTexts(list).size() == 2; }));
    EXPECT_EQ(Library::rowTexts(list), (QStringList { "DefaultSkin", "Aurora" }));
    // Work folders of an install come and go unlisted.
    QDir().mkpath(library.skins + QStringLiteral("/__install-x2/Glacier"));
    ASSERT_TRUE(SkinArchiveInstaller(library.skins).installData(glacierZip()).ok());
    ASSERT_TRUE(waitUntil([&] { return Library::rowTexts(list).size() == 3; }));
    spinEventLoop(100);
    EXPECT_EQ(Library::rowTexts(list), (QStringList { "DefaultSkin", "Aurora", "Glacier" }));
    EXPECT_EQ(list->skinList().size(), list->myTableView()->numberOfRowsInSection(0));
}

TEST(SkinList, OpensFromTheRemoteScreensSheetWithItsDownloadButton)
{
    Library library;
    BWNavigationController* nav = library.app->navController();
    MainViewController* remote = CentralAccessFactory::sharedFactory().mainViewController();
    nav->pushViewController(remote, false);
    remote->actionsSheetDidDismissWithButtonIndex(3);
    auto* list = qobject_cast<SkinsViewController*>(nav->topViewController());
    ASSERT_TRUE(list);
    EXPECT_EQ(list, CentralAccessFactory::sharedFactory().skinsViewController());
    EXPECT_FALSE(nav->isToolbarHidden());
    ASSERT_TRUE(list->seeSkinsButton());
    EXPECT_EQ(list->seeSkinsButton()->title(), QStringLiteral("Download Skins"));
    EXPECT_TRUE(list->toolbarItems().contains(list->seeSkinsButton()));
    nav->popViewControllerAnimated(false);
    EXPECT_EQ(nav->topViewController(), remote);
    EXPECT_FALSE(nav->isToolbarHidden());
}

namespace {
// The skin gallery, served on loopback: a page of skin links and what they
// lead to, good and bad.
struct Gallery {
    FakeHttpServer server;
    QByteArray huge = QByteArray(SkinDownloader::maxBodyBytes + 1, 'x');

    Gallery()
    {
        server.setHandler([this](const FakeHttpServer::Request& request) {
            const QByteArray path = request.target;
            if (path == "/PlayerLink-skins-4")
                return FakeHttpServer::ok(page(), "text/html");
            if (path == "/skins/glacier.zip")
                return FakeHttpServer::ok(glacierZip(), "application/zip");
            if (path == "/skins/glacier-backslash.zip")
                return FakeHttpServer::ok(glacierZip('\\'), "application/zip");
            if (path == "/skins/aurora.zip")
                return FakeHttpServer::ok(ZipBuilder::minimalSkin("Aurora", "new"), "application/zip");
            if (path == "/skins/page.zip")
                return FakeHttpServer::ok("<html><body>Our shop is closed</body></html>", "text/html");
            if (path == "/skins/slow.zip") {
                FakeHttpServer::Response slow = FakeHttpServer::ok(glacierZip(), "application/zip");
                slow.delayMs = SkinDownloader::timeoutMs + 1500;
                return slow;
            }
            if (path == "/skins/huge.zip")
                return FakeHttpServer::ok(huge, "application/zip");
            if (path.startsWith("/hop/")) {
                const int left = path.mid(5).toInt();
                FakeHttpServer::Response hop;
                hop.status = 302;
                hop.body = "redirecting, not a zip";
                hop.addHeader("Location", left > 0 ? "/hop/" + QByteArray::number(left - 1) : "/skins/glacier.zip");
                return hop;
            }
            if (path == "/skins/to-https.zip") {
                FakeHttpServer::Response hop;
                hop.status = 302;
                hop.addHeader("Location", "https://" + server.hostAddress().toUtf8() + "/skins/glacier.zip");
                return hop;
            }
            FakeHttpServer::Response missing;
            missing.status = 404;
            missing.body = "<html><body>404 Not Found</body></html>";
            return missing;
        });
    }

    QByteArray page() const
    {
        QByteArray html = "<html><body><h1>Skins</h1><ul>";
        for (const char* file : { "glacier.zip", "glacier-backslash.zip", "aurora.zip", "page.zip", "missing.zip",
                                  "slow.zip", "huge.zip", "to-https.zip" })
            html += "<li><a href=\"plskins://" + server.hostAddress().toUtf8() + "/skins/" + file + "\">" + file + "</a></li>";
        html += "<li><a href=\"plskins://" + server.hostAddress().toUtf8() + "/hop/4\">five hops</a></li>";
        html += "<li><a href=\"plskins://" + server.hostAddress().toUtf8() + "/hop/5\">six hops</a></li>";
        return html + "</ul></body></html>";
    }

    // The skin links of the gallery page, fetched as a browser would.
    QStringList links()
    {
        QNetworkAccessManager manager;
        QNetworkReply* reply = manager.get(QNetworkRequest(QUrl("http://" + server.hostAddress() + "/PlayerLink-skins-4")));
        waitUntil([reply] { return reply->isFinished(); });
        const QString html = QString::fromUtf8(reply->readAll());
        delete reply;
        QStringList found;
        static const QRegularExpression href(QStringLiteral("href=\"(plskins://[^\"]+)\""));
        for (auto it = href.globalMatch(html); it.hasNext();)
            found.append(it.next().captured(1));
        return found;
    }
};

struct DownloadCase {
    const char* link; // ends the link on the page
    const char* title;
    const char* message;
};
}

TEST(SkinDownload, LinksFromTheGalleryInstallAllOrNothingAndSayHowItWent)
{
    Gallery gallery;
    Library library({ "Aurora" });
    const QStringList links = gallery.links();
    ASSERT_EQ(links.size(), 10);
    const std::vector<DownloadCase> cases {
        { "/skins/glacier.zip", "Success", "Skin downloaded succesfully" },
        { "/skins/glacier-backslash.zip", "Success", "Skin downloaded succesfully" },
        { "/skins/aurora.zip", "Success", "Skin downloaded succesfully" },
        { "/hop/4", "Success", "Skin downloaded succesfully" },
        { "/hop/5", "Couldn't download", "There was a problem downloading the skin." },
        { "/skins/to-https.zip", "Couldn't download", "There was a problem downloading the skin." },
        { "/skins/missing.zip", "Couldn't download", "There was a problem downloading the skin." },
        { "/skins/page.zip", "Couldn't install skin", "The skin was not installed: not a skin archive." },
        { "/skins/huge.zip", "Couldn't install skin", "The skin was not installed: too large." },
        { "/skins/slow.zip", "Couldn't download", "There was a problem downloading the skin." },
    };
    const QStringList glacierFiles = QDir(glacierSource).entryList(QDir::Files, QDir::Name);
    for (const DownloadCase& c : cases) {
        SCOPED_TRACE(c.link);
        QDir(library.skins + QStringLiteral("/Glacier")).removeRecursively();
        const QString link = *std::find_if(links.begin(), links.end(), [&](const QString& l) { return l.endsWith(c.link); });
        library.app->handleOpenURL(link);
        AlertView* question = AlertView::topAlert();
        ASSERT_TRUE(question);
        question->pressButton(1);
        EXPECT_TRUE(library.app->window()->findChild<SkinDownloadProgressView*>());
        ASSERT_TRUE(waitUntil([] { return AlertView::topAlert() && AlertView::topAlert()->title() != "Download Skin ?"; }, 12000));
        AlertView* answer = AlertView::topAlert();
        EXPECT_EQ(answer->title(), QString::fromLatin1(c.title));
        EXPECT_EQ(answer->message(), QString::fromLatin1(c.message));
        EXPECT_EQ(answer->buttonTitles(), QStringList { "Ok" });
        answer->pressButton(0);
        EXPECT_TRUE(waitUntil([&] { return !library.app->window()->findChild<SkinDownloadProgressView*>(); }));
        EXPECT_EQ(leftDownloads(), QStringList());

        const bool glacier = QString::fromLatin1(c.link).contains(QStringLiteral("glacier")) || QString::fromLatin1(c.link) == "/hop/4";
        const QStringList present = QDir(library.skins).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        EXPECT_EQ(present, glacier && c.title == QLatin1String("Success") ? (QStringList { "Aurora", "Glacier" }) : QStringList { "Aurora" });
        if (present.contains(QStringLiteral("Glacier"))) {
            EXPECT_EQ(QDir(library.skins + QStringLiteral("/Glacier")).entryList(QDir::Files, QDir::Name), glacierFiles);
        }
    }
    QFile marker(library.skins + QStringLiteral("/Aurora/marker.txt"));
    ASSERT_TRUE(marker.open(QIODevice::ReadOnly));
    EXPECT_EQ(marker.readAll(), "new");
    // Redirects were followed on one scheme only; nothing went to https.
    EXPECT_TRUE(gallery.server.targets().contains("/hop/0"));
}

TEST(SkinGallery, CompletesTypedAddressesAsABrowserBarWould)
{
    EXPECT_EQ(SkinsWebViewController::completedAddress(QStringLiteral("http://skins.example/x")), QStringLiteral("http://skins.example/x"));
    EXPECT_EQ(SkinsWebViewController::completedAddress(QStringLiteral("https://skins.example")), QStringLiteral("https://skins.example"));
    EXPECT_EQ(SkinsWebViewController::completedAddress(QStringLiteral("www.skins.example")), QStringLiteral("http://www.skins.example"));
    EXPECT_EQ(SkinsWebViewController::completedAddress(QStringLiteral("skins.example/new")), QStringLiteral("http://www.skins.example/new"));
    // Never a "www." before an address, localhost, a port or a name without a dot.
    for (const char* typed : { "127.0.0.1:18900", "192.168.1.20/skins", "[::1]:8080/x", "localhost", "localhost:8080",
                               "gallery.lan:8000/new", "mediabox/skins" })
        EXPECT_EQ(SkinsWebViewController::completedAddress(QString::fromLatin1(typed)),
                  QStringLiteral("http://") + QString::fromLatin1(typed));
    EXPECT_EQ(SkinsWebViewController::completedAddress(QStringLiteral("  ")), QString());
}

TEST(SkinGallery, OpensOnTheBundledPageWithoutASiteAndBrowsesItsLinks)
{
    Gallery gallery;
    Library library;
    SkinsViewController* list = library.showList();
    BWNavigationController* nav = library.app->navController();
    list->seeSkinsButton()->trigger();
    auto* browser = qobject_cast<SkinsWebViewController*>(nav->topViewController());
    ASSERT_TRUE(browser);
    EXPECT_EQ(browser, CentralAccessFactory::sharedFactory().skinsWebViewController());
    WebView* page = browser->theWebView();
    const QUrl bundled = browser->galleryAddress();
    EXPECT_TRUE(bundled.isLocalFile());
    ASSERT_TRUE(waitUntil([&] { return page->url() == bundled && !page->isLoading(); }));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("plskins://")));
    EXPECT_TRUE(browser->addressBar()->text().isEmpty());
    EXPECT_FALSE(browser->backButton()->isEnabled());
    EXPECT_TRUE(browser->reloadButton()->isEnabled());
    EXPECT_FALSE(browser->updating()->isAnimating());
    EXPECT_FALSE(nav->isToolbarHidden());
    EXPECT_TRUE(browser->toolbarItems().contains(browser->forwardButton()));

    emit page->anchorClicked(QUrl(QStringLiteral("skinSample.htm")));
    ASSERT_TRUE(waitUntil([&] { return page->url().fileName() == QStringLiteral("skinSample.htm"); }));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("SkinDefinition")) || page->toPlainText().contains(QStringLiteral("<skin")));
    EXPECT_TRUE(browser->backButton()->isEnabled());
    browser->back();
    ASSERT_TRUE(waitUntil([&] { return page->url() == bundled; }));
    EXPECT_TRUE(browser->forwardButton()->isEnabled());
    EXPECT_TRUE(gallery.server.requests().empty()) << "no site, no network";
}

TEST(SkinGallery, ShowsTheConfiguredSiteAndHandsItsSkinLinksToTheQuestion)
{
    Gallery gallery;
    Library library;
    UserDefaults::standard().setObject(ServiceHosts::skinGalleryKey, QStringLiteral("http://") + gallery.server.hostAddress());
    SkinsViewController* list = library.showList();
    list->seeSkinsButton()->trigger();
    auto* browser = qobject_cast<SkinsWebViewController*>(library.app->navController()->topViewController());
    ASSERT_TRUE(browser);
    WebView* page = browser->theWebView();
    const QString galleryPage = QStringLiteral("http://%1/PlayerLink-skins-4").arg(gallery.server.hostAddress());
    EXPECT_TRUE(browser->updating()->isAnimating());
    EXPECT_FALSE(browser->reloadButton()->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return page->url() == QUrl(galleryPage) && !page->isLoading(); }));
    EXPECT_FALSE(browser->updating()->isAnimating());
    EXPECT_TRUE(browser->reloadButton()->isEnabled());
    EXPECT_EQ(browser->addressBar()->text(), galleryPage);

    // A skin link tapped in the page asks the question a link from outside asks.
    const QString link = gallery.links().first();
    ASSERT_TRUE(link.endsWith(QStringLiteral("/skins/glacier.zip")));
    emit page->anchorClicked(QUrl(link));
    AlertView* question = AlertView::topAlert();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->title(), QStringLiteral("Download Skin ?"));
    EXPECT_EQ(page->url(), QUrl(galleryPage)) << "the page stays";
    question->pressButton(1);
    ASSERT_TRUE(waitUntil([] { return AlertView::topAlert() && AlertView::topAlert()->title() == QStringLiteral("Success"); }, 12000));
    AlertView::topAlert()->pressButton(0);
    EXPECT_TRUE(SkinArchiveInstaller::isLoadableSkin(library.skins + QStringLiteral("/Glacier")));

    // Typed addresses: completed, loaded, and a page that is not there is told.
    browser->addressBar()->setText(QStringLiteral("http://%1/no-such-page").arg(gallery.server.hostAddress()));
    browser->addressEntered();
    ASSERT_TRUE(waitUntil([] { return AlertView::topAlert() != nullptr; }));
    EXPECT_EQ(AlertView::topAlert()->title(), QStringLiteral("Error loading page."));
    EXPECT_EQ(AlertView::topAlert()->message(), QStringLiteral("Sorry, we weren't able to load the requested page.\n\n"
                                                              "http://%1/no-such-page")
                                                    .arg(gallery.server.hostAddress()));
    AlertView::topAlert()->pressButton(0);
    EXPECT_FALSE(browser->updating()->isAnimating());
    EXPECT_EQ(page->url(), QUrl(galleryPage));
    EXPECT_TRUE(gallery.server.targets().contains("/no-such-page"));
}

TEST(SkinList, ASkinThatCannotBeLoadedGivesWayToTheBuiltInOneWithANotice)
{
    Library library({ "Aurora", "Broken" });
    QFile broken(library.skins + QStringLiteral("/Broken/SkinDefinition.xml"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("<?xml version=\"1.0\"?>\n<skin apiVersion=\"4.2\"><Portrait><view x=\"0\"");
    broken.close();
    // A skin reaching out of its folder (put there by hand: no install lets it in).
    QDir().mkpath(library.skins + QStringLiteral("/Climbing"));
    QFile climbing(library.skins + QStringLiteral("/Climbing/SkinDefinition.xml"));
    ASSERT_TRUE(climbing.open(QIODevice::WriteOnly));
    climbing.write(R"(<skin apiVersion="4.2"><Portrait><view><image imgNormal="../Aurora/../../../x.png"/></view></Portrait></skin>)");
    climbing.close();
    MainViewController* remote = CentralAccessFactory::sharedFactory().mainViewController();
    remote->loadViewIfNeeded();

    UserDefaults::standard().setObject(PreferenceKeys::skin, QStringLiteral("Documents/Skins/Aurora"));
    remote->loadSkin();
    EXPECT_EQ(remote->currentSkin()->directory(), QStringLiteral("Documents/Skins/Aurora"));
    EXPECT_FALSE(remote->checkSkinValue());

    for (const char* chosen : { "Documents/Skins/Broken", "Documents/Skins/Gone", "Documents/Skins/Climbing" }) {
        SCOPED_TRACE(chosen);
        UserDefaults::standard().setObject(PreferenceKeys::skin, QString::fromLatin1(chosen));
        remote->loadSkin();
        EXPECT_EQ(remote->currentSkin()->directory(), SkinFolders::builtInSkin);
        EXPECT_TRUE(remote->currentSkin()->isLoaded());
        EXPECT_EQ(selectedSkin(), SkinFolders::builtInSkin);
        ASSERT_TRUE(remote->checkSkinValue());
        AlertView* notice = AlertView::topAlert();
        ASSERT_TRUE(notice);
        EXPECT_TRUE(notice->title().contains(QFileInfo(QString::fromLatin1(chosen)).fileName())) << qPrintable(notice->title());
        notice->pressButton(0);
        EXPECT_FALSE(remote->checkSkinValue()) << "named once";
    }
    EXPECT_TRUE(QFileInfo::exists(library.skins + QStringLiteral("/Broken"))) << "nothing is deleted";
}

namespace {
struct CommandRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs playerlink --install-skin, serving the event loop meanwhile (the
// test may be the running application it asks).
CommandRun runInstallCommand(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PLAYERLINK_HOME"), HomePaths::home());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PLAYERLINK_APP_PATH), arguments);
    EXPECT_TRUE(waitUntil([&] { return process.state() == QProcess::NotRunning; }, 60000));
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
             QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError()) };
}
}

TEST(InstallCommand, InstallsFilesAndLinksWithOneLineAndAnExitStatus)
{
    ScopedHome home;
    Gallery gallery;
    const QString archive = home.path() + QStringLiteral("/glacier.zip");
    const QString hostile = home.path() + QStringLiteral("/slip.zip");
    for (const auto& [path, data] : { std::pair { archive, glacierZip() },
                                      std::pair { hostile, ZipBuilder().add("Glacier/../../../x.txt", "x").build() } }) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(data);
    }
    const QString skins = SkinFolders::installedSkins();

    CommandRun run = runInstallCommand({ QStringLiteral("--install-skin"), archive });
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("Installed skin \"Glacier\"\n"));
    EXPECT_TRUE(SkinArchiveInstaller::isLoadableSkin(skins + QStringLiteral("/Glacier")));

    run = runInstallCommand({ QStringLiteral("--install-skin"), hostile });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Skin not installed: not a skin archive (%1)\n").arg(hostile));
    EXPECT_FALSE(QFileInfo::exists(home.path() + QStringLiteral("/Documents/x.txt")));
    EXPECT_EQ(QDir(skins).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList { "Glacier" });

    run = runInstallCommand({ QStringLiteral("--install-skin"),
                              QStringLiteral("plskins://%1/skins/aurora.zip").arg(gallery.server.hostAddress()) });
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("Installed skin \"Aurora\"\n"));

    EXPECT_EQ(runInstallCommand({ QStringLiteral("--install-skin") }).exitCode, 2);
    // Names from outside reach the terminal escaped, on one line.
    run = runInstallCommand({ QStringLiteral("--install-skin"), home.path() + QStringLiteral("/\x1b]0;owned\x07\nnone.zip") });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("/\\x1b]0;owned\\x07\\nnone.zip)\n"))) << qPrintable(run.err);

    // With PlayerLink running, the running one installs.
    QDir(skins + QStringLiteral("/Glacier")).removeRecursively();
    SingleInstance running(SingleInstance::defaultKey());
    ASSERT_TRUE(running.listen());
    SkinInstallCommand::serve(running);
    ConsoleCapture log;
    run = runInstallCommand({ QStringLiteral("--install-skin"), archive });
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("Installed skin \"Glacier\"\n"));
    EXPECT_TRUE(log.contains(QStringLiteral("installed skin Glacier")));
    run = runInstallCommand({ QStringLiteral("--install-skin"), hostile });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(log.contains(QStringLiteral("skin not installed")));
}

TEST(InstallCommand, LeftoversGoAtStartUpButNeverTheWorkOfAnInstallInAnotherProcess)
{
    // What runs killed mid-install leave, however fresh.
    Library library({}, [] {
        QDir().mkpath(SkinFolders::installedSkins() + QStringLiteral("/__install-Left01/Glacier"));
        QDir().mkpath(HomePaths::tmp());
        QFile(HomePaths::tmp() + QStringLiteral("/skinDownload-Left02")).open(QIODevice::WriteOnly);
    });
    EXPECT_EQ(QDir(library.skins).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(leftDownloads(), QStringList());

    // While this process unpacks one archive, `playerlink --install-skin`
    // installs another: it clears nothing of the install under way.
    const QString aurora = HomePaths::home() + QStringLiteral("/aurora.zip");
    QFile file(aurora);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ZipBuilder::minimalSkin("Aurora"));
    file.close();
    SkinArchiveInstaller installer(library.skins);
    std::optional<CommandRun> beside;
    QStringList workFolders;
    installer.setWriteObserver([&](qint64) {
        if (beside)
            return;
        beside = runInstallCommand({ QStringLiteral("--install-skin"), aurora });
        workFolders = QDir(library.skins).entryList({ QStringLiteral("__install-*") }, QDir::Dirs | QDir::Hidden);
    });
    const SkinInstallResult result = installer.installData(glacierZip());
    ASSERT_TRUE(beside);
    EXPECT_EQ(beside->exitCode, 0) << qPrintable(beside->err);
    EXPECT_EQ(workFolders.size(), 1);
    EXPECT_TRUE(result.ok()) << qPrintable(result.detail);
    EXPECT_EQ(QDir(library.skins).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList { "Aurora", "Glacier" }));
}
