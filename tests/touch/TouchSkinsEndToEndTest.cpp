// playerlink-touch's skins screens through real mouse events on its
// window: from the settings to the skin list, to the gallery served on
// loopback, a skin link's question and download, choosing the new skin
// and deleting it; assistive technology finds the rows with their state.

#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "TouchWindow.h"
#include "ZipBuilder.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "core/SkinFolders.h"
#include "core/UserDefaults.h"

#include <QAccessible>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

namespace {
bool settled(TouchWindow& w, int depth)
{
    return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
}

QQuickItem* rowWithText(TouchWindow& w, const QString& list, const QString& text)
{
    return TouchWindow::find(w.item(list), [&](QQuickItem* item) {
        return item->isVisible() && item->property("text").toString() == text;
    });
}

// Where the page's text has a link to target, in window coordinates.
std::optional<QPoint> linkPoint(TouchWindow& w, const QString& target)
{
    QQuickItem* text = w.item(QStringLiteral("webPageText"));
    for (qreal y = 0; text && y < qMin<qreal>(text->height(), w.window->height()); y += 3)
        for (qreal x = 0; x < text->width(); x += 6) {
            QString link;
            QMetaObject::invokeMethod(text, "linkAt", Q_RETURN_ARG(QString, link), Q_ARG(qreal, x), Q_ARG(qreal, y));
            if (link == target)
                return text->mapToScene(QPointF(x, y)).toPoint();
        }
    return std::nullopt;
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

TEST(TouchSkins, ASkinFromTheGalleryIsDownloadedChosenAndDeleted)
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
    TouchWindow w(false);
    AlertPresenter::setCurrent(&w.alerts);

    w.click(w.item(QStringLiteral("settingsButton")));
    ASSERT_TRUE(settled(w, 2));
    const QString shipped = QFileInfo(SkinFolders::builtInSkin).fileName();
    QQuickItem* skinRow = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (skinRow = rowWithText(w, QStringLiteral("settingsList"), "Skin: " + shipped)); }));
    w.click(skinRow);
    ASSERT_TRUE(settled(w, 3));
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
}
