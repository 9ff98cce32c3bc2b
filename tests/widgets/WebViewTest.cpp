#include "FakeHttpServer.h"
#include "TestSupport.h"
#include "ui/WebView.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {
QByteArray png(const QColor& colour, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A view on screen, with a site on loopback.
struct Browser {
    FakeHttpServer site;
    WebView view;
    QList<WebLoadError> failures;

    Browser()
    {
        view.resize(390, 600);
        view.show();
        QObject::connect(&view, &WebView::loadFailed, [this](const WebLoadError& e) { failures << e; });
    }
    QUrl at(const QString& path) const { return QUrl(QStringLiteral("http://%1%2").arg(site.hostAddress(), path)); }
    bool shows(const QString& text) const { return view.toPlainText().contains(text); }
    void click(const QString& linkText)
    {
        QTextCursor cursor = view.document()->find(linkText);
        ASSERT_FALSE(cursor.isNull()) << qPrintable(linkText);
        cursor.setPosition(cursor.selectionStart() + 1);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cursorRect(cursor).center());
    }
};
}

TEST(WebView, ShowsRemotePicturesButNoLocalFileFromANetworkPage)
{
    Browser b;
    const QString localPicture = QUrl::fromLocalFile(QStringLiteral(PLAYERLINK_FIXTURES_DIR "/../../resources/images/playerlink.png")).toString();
    b.site.setHandler([&](const FakeHttpServer::Request& r) {
        if (r.target == "/red.png")
            return FakeHttpServer::ok(png(Qt::red, { 40, 30 }), "image/png");
        return FakeHttpServer::ok("<html><body><p>Picture:</p><img src=\"red.png\"><img src=\"" + localPicture.toUtf8()
                                      + "\"></body></html>",
                                  "text/html");
    });
    b.view.loadUrl(b.at(QStringLiteral("/page.htm")));
    ASSERT_TRUE(waitUntil([&] { return b.site.targets().contains("/red.png"); }));

    ASSERT_TRUE(waitUntil([&] {
        return b.view.document()->resource(QTextDocument::ImageResource, b.at(QStringLiteral("/red.png"))).value<QImage>().size() == QSize(40, 30);
    }));
    spinEventLoop(100);
    const QImage shot = b.view.grab().toImage();
    bool sawRed = false;
    for (int y = 0; y < shot.height() && !sawRed; ++y)
        for (int x = 0; x < shot.width() && !sawRed; ++x)
            sawRed = shot.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(sawRed);
    EXPECT_TRUE(b.view.document()->resource(QTextDocument::ImageResource, QUrl(localPicture)).value<QImage>().isNull());
    EXPECT_TRUE(b.failures.isEmpty());
}

TEST(WebView, RefusesPagesOverTheSizeLimit)
{
    Browser b;
    b.site.enqueue(FakeHttpServer::ok(QByteArray(WebView::maximumPageBytes + 1, 'x'), "text/html"));
    FakeHttpServer::Response unannounced = FakeHttpServer::ok(QByteArray(WebView::maximumPageBytes + 4096, 'y'), "text/html");
    unannounced.trickleChunk = 256 * 1024; // no length known before the bytes arrive
    unannounced.trickleIntervalMs = 1;
    b.site.enqueue(unannounced);

    b.view.loadUrl(b.at(QStringLiteral("/big.htm")));
    ASSERT_TRUE(waitUntil([&] { return b.failures.size() == 1; }));
    b.view.loadUrl(b.at(QStringLiteral("/bigger.htm")));
    ASSERT_TRUE(waitUntil([&] { return b.failures.size() == 2; }, 10000));
    EXPECT_EQ(b.failures[0].kind, WebLoadError::Kind::TooLarge);
    EXPECT_EQ(b.failures[1].kind, WebLoadError::Kind::TooLarge);
    EXPECT_FALSE(b.view.isLoading());
    EXPECT_FALSE(b.shows(QStringLiteral("xxx")));
}

TEST(WebView, FollowsLinksAndGoesBackAndForward)
{
    Browser b;
    b.site.setHandler([](const FakeHttpServer::Request& r) {
        if (r.target == "/b.htm")
            return FakeHttpServer::ok("<p>Page B</p>", "text/html");
        if (r.target == "/gone.htm") {
            FakeHttpServer::Response missing;
            missing.status = 404;
            missing.body = "<p>Not here</p>";
            return missing;
        }
        return FakeHttpServer::ok("<p>Page A <a href=\"b.htm\">to B</a> <a href=\"#end\">to end</a> "
                                  "<a href=\"gone.htm\">gone</a></p><a name=\"end\"></a><p>End</p>",
                                  "text/html");
    });
    b.view.loadUrl(b.at(QStringLiteral("/a.htm")));
    ASSERT_TRUE(waitUntil([&] { return b.shows(QStringLiteral("Page A")); }));

    b.click(QStringLiteral("to end")); // within the page: nothing fetched
    EXPECT_EQ(b.view.url(), b.at(QStringLiteral("/a.htm#end")));
    b.click(QStringLiteral("to B"));
    ASSERT_TRUE(waitUntil([&] { return b.shows(QStringLiteral("Page B")); }));
    EXPECT_EQ(b.site.targets(), (QList<QByteArray> { "/a.htm", "/b.htm" }));
    EXPECT_TRUE(b.view.canGoBack());
    EXPECT_FALSE(b.view.canGoForward());

    b.view.backward();
    ASSERT_TRUE(waitUntil([&] { return b.shows(QStringLiteral("Page A")); }));
    EXPECT_EQ(b.view.url(), b.at(QStringLiteral("/a.htm#end")));
    b.view.backward(); // the jump back within the page
    EXPECT_EQ(b.view.url(), b.at(QStringLiteral("/a.htm")));
    EXPECT_EQ(b.site.targets().size(), 3);
    b.view.forward();
    b.view.forward();
    ASSERT_TRUE(waitUntil([&] { return b.shows(QStringLiteral("Page B")); }));
    EXPECT_FALSE(b.view.canGoForward());

    // A page the server refuses is a failure, and what is shown stays.
    b.view.backward();
    ASSERT_TRUE(waitUntil([&] { return b.shows(QStringLiteral("Page A")); }));
    b.click(QStringLiteral("gone"));
    ASSERT_TRUE(waitUntil([&] { return !b.failures.isEmpty(); }));
    EXPECT_EQ(b.failures[0].kind, WebLoadError::Kind::HttpStatus);
    EXPECT_EQ(b.failures[0].httpStatus, 404);
    EXPECT_TRUE(b.shows(QStringLiteral("Page A")));
    EXPECT_TRUE(b.view.canGoForward());
}
