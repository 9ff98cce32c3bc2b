// playerlink's screens of web pages through real mouse events on its
// window. The skins: from the settings to the skin list, to the gallery
// served on loopback, a skin link's question and download, choosing the new
// skin and deleting it; assistive technology finds the rows with their
// state. The help viewer: the settings' help rows, a page's links, and a
// help site that fails; a page's pictures.

#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "ZipBuilder.h"
#include "bundle/BundleInstaller.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/SkinFolders.h"
#include "core/UserDefaults.h"

#include <QAccessible>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
bool settled(ProgramWindow& w, int depth)
{
    return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
}

QQuickItem* rowWithText(ProgramWindow& w, const QString& list, const QString& text)
{
    return ProgramWindow::find(w.item(list), [&](QQuickItem* item) {
        return item->isVisible() && item->property("text").toString() == text;
    });
}

// Where the page's text has a link to target, in window coordinates; the
// page scrolls to bring it into view.
std::optional<QPoint> linkPoint(ProgramWindow& w, const QString& target)
{
    QQuickItem* text = w.item(QStringLiteral("webPageText"));
    QQuickItem* flick = text ? text->parentItem()->parentItem() : nullptr;
    if (!flick)
        return std::nullopt;
    for (qreal top = 0; top < text->height(); top += flick->height() / 2) {
        flick->setProperty("contentY", top);
        for (qreal y = top; y < qMin(text->height(), top + flick->height()); y += 3)
            for (qreal x = 0; x < text->width(); x += 6) {
                QString link;
                QMetaObject::invokeMethod(text, "linkAt", Q_RETURN_ARG(QString, link), Q_ARG(qreal, x), Q_ARG(qreal, y));
                if (link == target)
                    return text->mapToScene(QPointF(x, y)).toPoint();
            }
    }
    return std::nullopt;
}

// The skins list, through the settings' row of the skin in use (the shipped one).
bool openSkinsList(ProgramWindow& w)
{
    w.click(w.item(QStringLiteral("settingsButton")));
    if (!settled(w, 2))
        return false;
    const QString shipped = QFileInfo(SkinFolders::builtInSkin).fileName();
    QQuickItem* skinRow = nullptr;
    if (!waitUntil([&] { return (skinRow = rowWithText(w, QStringLiteral("settingsList"), "Skin: " + shipped)); }))
        return false;
    w.click(skinRow);
    return settled(w, 3);
}

// The text at the top of the page's view.
QString textAtTop(ProgramWindow& w)
{
    QQuickItem* text = w.item(QStringLiteral("webPageText"));
    const qreal top = text->parentItem()->parentItem()->property("contentY").toReal();
    int at = -1;
    QString shown;
    QMetaObject::invokeMethod(text, "positionAt", Q_RETURN_ARG(int, at), Q_ARG(qreal, 0), Q_ARG(qreal, top + 16));
    QMetaObject::invokeMethod(text, "getText", Q_RETURN_ARG(QString, shown), Q_ARG(int, at), Q_ARG(int, at + 40));
    return shown.trimmed();
}

// Lines of the link colour, as long as a short word or longer, that run
// under no link: an underline drawn astray.
int strayLines(ProgramWindow& w)
{
    const QImage picture = w.window->grabWindow();
    QQuickItem* text = w.item(QStringLiteral("webPageText"));
    int stray = 0;
    for (int y = 4; y < picture.height(); ++y)
        for (int x = 0, run = 0; x <= picture.width(); ++x) {
            const QColor colour = x < picture.width() ? picture.pixelColor(x, y) : QColor(Qt::white);
            if (colour.blue() > colour.red() + 60) {
                ++run;
                continue;
            }
            QString link;
            const QPointF above = text->mapFromScene(QPointF(x - run / 2, y - 4));
            if (run >= 40)
                QMetaObject::invokeMethod(text, "linkAt", Q_RETURN_ARG(QString, link), Q_ARG(qreal, above.x()), Q_ARG(qreal, above.y()));
            stray += run >= 40 && link.isEmpty();
            run = 0;
        }
    return stray;
}

// The settings row showing this text, scrolled into view.
QQuickItem* settingsRow(ProgramWindow& w, const QString& text)
{
    QQuickItem* list = w.item(QStringLiteral("settingsList"));
    for (int i = 0; list && i < 40; ++i) {
        QQuickItem* row = ProgramWindow::find(list, [&](QQuickItem* item) {
            return item->objectName().startsWith(u"setting-")
                && ProgramWindow::find(item, [&](QQuickItem* label) { return label->property("text").toString() == text; });
        });
        if (row && row->mapToScene(QPointF(0, row->height())).y() <= w.window->height())
            return row;
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, i), Q_ARG(int, 0));
        QTest::qWait(10);
    }
    return nullptr;
}

QString barTitle(ProgramWindow& w)
{
    return w.item(QStringLiteral("barTitle"))->property("text").toString();
}

// The accessible rows of the window's lists: name, and whether it is checked.
QStringList accessibleRows(QQuickWindow* window)
{
    QStringList rows;
    std::vector<QAccessibleInterface*> pending { QAccessible::queryAccessibleInterface(window) };
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        if (!node || node->state().invisible)
            continue;
        if (node->role() == QAccessible::ListItem)
            rows << node->text(QAccessible::Name) + (node->state().checked ? QStringLiteral(" [x]") : QString());
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
    }
    rows.sort();
    return rows;
}
}

TEST(SkinsScreen, ASkinFromTheGalleryIsDownloadedChosenAndDeleted)
{
    FakeHttpServer gallery;
    const QString skinLink = QStringLiteral("plskins://%1/skins/aurora.zip").arg(gallery.hostAddress());
    gallery.setHandler([&](const FakeHttpServer::Request& request) {
        if (request.target == "/skins/aurora.zip")
            return FakeHttpServer::ok(ZipBuilder::minimalSkin("Aurora", "new"), "application/zip");
        return FakeHttpServer::ok(QStringLiteral("<html><head><title>Skins to try</title></head><body>"
                                                 "<p><a href=\"file:///etc/hostname\">A file here</a></p>"
                                                 "<p><a href=\"%1\">Aurora</a></p></body></html>")
                                      .arg(skinLink)
                                      .toUtf8(),
                                  "text/html");
    });
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setObject(ServiceHosts::skinGalleryKey, QStringLiteral("http://") + gallery.hostAddress());
    defaults.setObject(PreferenceKeys::skin, SkinFolders::builtInSkin);
    ProgramWindow w(false);
    AlertPresenter::setCurrent(&w.alerts);

    ASSERT_TRUE(openSkinsList(w));
    const QString shipped = QFileInfo(SkinFolders::builtInSkin).fileName();
    EXPECT_EQ(accessibleRows(w.window), QStringList { shipped + " [x]" });

    w.click(w.item(QStringLiteral("downloadSkinsButton")));
    ASSERT_TRUE(settled(w, 4));
    std::optional<QPoint> local, skin;
    ASSERT_TRUE(waitUntil([&] { return (skin = linkPoint(w, skinLink)).has_value(); }));
    EXPECT_EQ(w.item(QStringLiteral("barTitle"))->property("text").toString(), u"Skins to try");
    // A web page does not lead to this computer's files.
    ASSERT_TRUE((local = linkPoint(w, QStringLiteral("file:///etc/hostname"))));
    QTest::mouseClick(w.window, Qt::LeftButton, {}, *local);
    QTest::qWait(200);
    EXPECT_TRUE(linkPoint(w, skinLink).has_value());
    EXPECT_FALSE(w.item(QStringLiteral("galleryBack"))->isEnabled());

    QTest::mouseClick(w.window, Qt::LeftButton, {}, *skin);
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("skinQuestionDownload")) != nullptr; }));
    w.click(w.item(QStringLiteral("skinQuestionDownload")));
    ASSERT_TRUE(waitUntil([&] { return w.alerts.isShowing(); }, 20000));
    EXPECT_EQ(w.alerts.title(), u"Success");
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("noticeOk")) != nullptr; }));
    w.click(w.item(QStringLiteral("noticeOk")));

    w.click(w.item(QStringLiteral("backButton")));
    ASSERT_TRUE(settled(w, 3));
    QQuickItem* aurora = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (aurora = w.item(QStringLiteral("skin-Aurora"))); }));
    EXPECT_GE(aurora->height(), 48);
    w.click(aurora);
    const QString identifier = SkinFolders::identifierForInstalled(QStringLiteral("Aurora"));
    EXPECT_EQ(defaults.stringForKey(PreferenceKeys::skin), identifier);
    EXPECT_EQ(w.window->property("skinDirectory").toString(), identifier);
    EXPECT_EQ(accessibleRows(w.window), (QStringList { QStringLiteral("Aurora [x]"), shipped }));

    // The shipped skin cannot be deleted; deleting the one in use goes back to it.
    w.click(w.item(QStringLiteral("skinsEditButton")));
    EXPECT_FALSE(w.item(QStringLiteral("deleteSkin-") + shipped));
    w.click(w.item(QStringLiteral("deleteSkin-Aurora")));
    ASSERT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("skin-Aurora")); }));
    EXPECT_FALSE(QFileInfo::exists(SkinFolders::installedSkins() + QStringLiteral("/Aurora")));
    EXPECT_EQ(defaults.stringForKey(PreferenceKeys::skin), SkinFolders::builtInSkin);

    w.click(w.item(QStringLiteral("backButton")));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_TRUE(waitUntil([&] { return rowWithText(w, QStringLiteral("settingsList"), "Skin: " + shipped); }));
    AlertPresenter::setCurrent(nullptr);
    defaults.removeObject(ServiceHosts::skinGalleryKey);
}

// Outside edit mode a sideways swipe on a downloaded skin shows its Delete,
// as the remotes list does; the shipped skin has none. The list follows
// the skins folder while shown.
TEST(SkinsScreen, ASwipeOnADownloadedSkinShowsItsDelete)
{
    ASSERT_TRUE(QDir().mkpath(SkinFolders::installedSkins() + QStringLiteral("/Dusk")));
    UserDefaults::standard().setObject(PreferenceKeys::skin, SkinFolders::builtInSkin);
    ProgramWindow w(false);
    ASSERT_TRUE(openSkinsList(w));
    const QString shipped = QFileInfo(SkinFolders::builtInSkin).fileName();
    const auto swipeLeft = [&](const QString& row) {
        QQuickItem* item = w.item(QStringLiteral("skin-") + row);
        const QPoint from = item->mapToScene(QPointF(item->width() - 20, item->height() / 2)).toPoint();
        QTest::mousePress(w.window, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 10; ++step) {
            QTest::qWait(20);
            QTest::mouseMove(w.window, from - QPoint(20 * step, 0));
        }
        QTest::mouseRelease(w.window, Qt::LeftButton, {}, from - QPoint(200, 0));
        QTest::qWait(400);
    };
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("skin-Dusk")); }));
    // A skin made on disk while the list is shown comes into it.
    ASSERT_TRUE(QDir().mkpath(SkinFolders::installedSkins() + QStringLiteral("/Dawn")));
    EXPECT_TRUE(waitUntil([&] { return w.item(QStringLiteral("skin-Dawn")); }));
    swipeLeft(shipped);
    EXPECT_FALSE(w.item(QStringLiteral("deleteSkin-") + shipped));
    EXPECT_FALSE(w.item(QStringLiteral("deleteSkin-Dusk")));
    swipeLeft(QStringLiteral("Dusk"));
    QQuickItem* remove = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (remove = w.item(QStringLiteral("deleteSkin-Dusk"))); }));
    EXPECT_GE(remove->height(), 48);
    w.click(remove);
    EXPECT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("skin-Dusk")); }));
    EXPECT_FALSE(QFileInfo::exists(SkinFolders::installedSkins() + QStringLiteral("/Dusk")));
}

TEST(HelpScreen, HelpPagesFollowTheirLinksAndAFailingHelpSiteGivesWayToTheBundledPage)
{
    FakeHttpServer site;
    site.setHandler([](const FakeHttpServer::Request&) { return FakeHttpServer::Response { 404, "gone", {} }; });
    UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + site.hostAddress());
    // The bundled pages, as the program installs them at launch; an English
    // reader reads the help pages from the bundle.
    BundleInstaller::install();
    UserDefaults::standard().setObject(PreferenceKeys::appleLanguages, QStringList { QStringLiteral("en") });
    ProgramWindow w(false);
    AlertPresenter::setCurrent(&w.alerts);
    w.click(w.item(QStringLiteral("settingsButton")));
    ASSERT_TRUE(settled(w, 2));

    QQuickItem* help = settingsRow(w, QStringLiteral("Help"));
    ASSERT_TRUE(help);
    w.click(help);
    ASSERT_TRUE(settled(w, 3));
    ASSERT_TRUE(waitUntil([&] { return barTitle(w) == u"Help"; })) << barTitle(w).toStdString() << " / " << w.alerts.title().toStdString();
    // Its link to the setup screen, and the setup screen's link to the
    // help: back to the one help viewer, not a second one over the setup.
    std::optional<QPoint> link;
    ASSERT_TRUE((link = linkPoint(w, QStringLiteral("playerlink://bw_setuphelper"))));
    QTest::mouseClick(w.window, Qt::LeftButton, {}, *link);
    ASSERT_TRUE(settled(w, 4));
    EXPECT_EQ(barTitle(w), u"Setup");
    w.remotes.navigator().showHelp(QStringLiteral("help"));
    ASSERT_TRUE(settled(w, 3)) << w.depth();
    ASSERT_TRUE(waitUntil([&] { return barTitle(w) == u"Help"; })) << barTitle(w).toStdString();
    // A link to a place on the page scrolls there, one to a place on
    // another page opens that page there.
    ASSERT_TRUE((link = linkPoint(w, QStringLiteral("#icons"))));
    QTest::mouseClick(w.window, Qt::LeftButton, {}, *link);
    EXPECT_TRUE(waitUntil([&] { return textAtTop(w).startsWith(u"What the icons in the list mean"); })) << textAtTop(w).toStdString();
    ASSERT_TRUE((link = linkPoint(w, QStringLiteral("cantSee.htm#address"))));
    QTest::mouseClick(w.window, Qt::LeftButton, {}, *link);
    EXPECT_TRUE(waitUntil([&] { return textAtTop(w).startsWith(u"5. Enter the computer by hand"); })) << textAtTop(w).toStdString();
    EXPECT_NE(barTitle(w), u"Help");
    w.click(w.item(QStringLiteral("backButton")));
    ASSERT_TRUE(settled(w, 2));

    // The about page is asked of the help site first.
    QQuickItem* about = settingsRow(w, QStringLiteral("About Brindlewood Software"));
    ASSERT_TRUE(about);
    w.click(about);
    ASSERT_TRUE(settled(w, 3));
    EXPECT_TRUE(waitUntil([&] { return barTitle(w) == u"About PlayerLink"; }));
    QTest::qWait(100);
    EXPECT_EQ(strayLines(w), 0);
    EXPECT_EQ(site.targets(), QList<QByteArray> { "/iAbout.php?source=PlayerLink" });
    EXPECT_FALSE(w.alerts.isShowing());
    AlertPresenter::setCurrent(nullptr);
    UserDefaults::standard().removeObject(ServiceHosts::helpSiteKey);
    UserDefaults::standard().removeObject(PreferenceKeys::appleLanguages);
}

TEST(HelpScreen, APagesPicturesComeThroughItsFetchAndNoneFromThisComputer)
{
    QTemporaryDir elsewhere;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString local = elsewhere.filePath(QStringLiteral("green.png"));
    ASSERT_TRUE(picture.save(local));
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    FakeHttpServer site;
    site.setHandler([&](const FakeHttpServer::Request& request) {
        if (request.target == "/red.png")
            return FakeHttpServer::ok(png, "image/png");
        return FakeHttpServer::ok(QStringLiteral("<html><head><title>Pictures</title></head><body><p>Red</p>"
                                                 "<img src=\"red.png\"><p>Green</p><img src=\"%1\"></body></html>")
                                      .arg(QUrl::fromLocalFile(local).toString())
                                      .toUtf8(),
                                  "text/html");
    });
    UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + site.hostAddress());
    ProgramWindow w(false);
    w.remotes.navigator().showAbout();
    ASSERT_TRUE(waitUntil([&] { return barTitle(w) == u"Pictures"; }));
    auto pixels = [&](Qt::GlobalColor colour) {
        const QImage shown = w.window->grabWindow().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                count += shown.pixelColor(x, y) == QColor(colour);
        return count;
    };
    EXPECT_TRUE(waitUntil([&] { return pixels(Qt::red) == 40 * 30; })) << pixels(Qt::red);
    EXPECT_EQ(pixels(Qt::green), 0);
    EXPECT_EQ(site.targets(), (QList<QByteArray> { "/iAbout.php?source=PlayerLink", "/red.png" }));
    UserDefaults::standard().removeObject(ServiceHosts::helpSiteKey);
}

// The rules a page's style draws under its table cells show, as in
// the viewer: Qt Quick's text draws a table's own border alone.
TEST(HelpScreen, APagesTableCellsShowTheBordersItsStyleGivesThem)
{
    FakeHttpServer site;
    site.setHandler([](const FakeHttpServer::Request&) {
        return FakeHttpServer::ok("<html><head><title>Rules</title><style>td { border-bottom: 3px solid #ff0000; "
                                  "padding: 4px; }</style></head><body><table width=\"100%\" "
                                  "style=\"border-collapse: collapse\"><tr><td>One</td></tr><tr><td>Two</td></tr>"
                                  "</table></body></html>",
                                  "text/html");
    });
    UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + site.hostAddress());
    ProgramWindow w(false);
    w.remotes.navigator().showAbout();
    ASSERT_TRUE(waitUntil([&] { return barTitle(w) == u"Rules"; }));
    // Each row's rule is as wide as the page's text and 3 pixels high.
    const auto ruled = [&] {
        const QImage shown = w.window->grabWindow().convertToFormat(QImage::Format_RGB32);
        int rows = 0;
        for (int y = 0; y < shown.height(); ++y) {
            int red = 0;
            for (int x = 0; x < shown.width(); ++x)
                red += shown.pixelColor(x, y) == QColor(Qt::red);
            rows += red > shown.width() / 2;
        }
        return rows;
    };
    EXPECT_TRUE(waitUntil([&] { return ruled() == 2 * 3; })) << ruled();
    UserDefaults::standard().removeObject(ServiceHosts::helpSiteKey);
}

TEST(HelpScreen, TheConfigurationsAddressHelpOpensItsPageAndTheEditStays)
{
    BundleInstaller::install();
    UserDefaults::standard().setObject(PreferenceKeys::appleLanguages, QStringList { QStringLiteral("en") });
    ProgramWindow w(false);
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("addComputer")); }));
    w.click(w.item(QStringLiteral("addComputer")));
    ASSERT_TRUE(settled(w, 2));
    w.click(w.item(QStringLiteral("nameField")));
    for (char c : QByteArrayLiteral("Study"))
        QTest::keyClick(w.window, c);
    QQuickItem* help = w.item(QStringLiteral("addressHelp"));
    ASSERT_TRUE(help);
    EXPECT_GE(help->height(), 48);
    w.click(help);
    ASSERT_TRUE(settled(w, 3));
    EXPECT_TRUE(waitUntil([&] { return barTitle(w) == u"Keep the computer's address"; })) << barTitle(w).toStdString();
    w.click(w.item(QStringLiteral("backButton")));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_EQ(w.item(QStringLiteral("nameField"))->property("text").toString(), u"Study");
    UserDefaults::standard().removeObject(PreferenceKeys::appleLanguages);
}
