// The shipped skin drawn in a real window: laid
// out to fit, built per orientation on first use, showing the player's
// state by the skin's rules, answering touches and the mouse, and telling
// assistive technology what each control is. Hostile skins drawn there are
// refused without waiting or filling memory.

#include "BlankPng.h"
#include "SkinStageWindow.h"
#include "TestSupport.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/skin/SkinImageControl.h"
#include "models/skin/SkinPagesControl.h"
#include "models/skin/SkinPlaylistRows.h"

#include <QAccessible>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using K = SkinControl;

QString imageName(const SkinControl* control)
{
    const auto* image = qobject_cast<const SkinImageControl*>(control);
    return image ? QUrl::fromPercentEncoding(image->image().toString().section(u'/', -1).toUtf8()) : QString();
}

void playing(SkinScene& scene, int items)
{
    scene.setLiveness(SkinScene::Live);
    scene.setItemsInPlaylist(items);
    scene.setStopped(false);
    scene.setPlaying(true);
}

// A fifo that tells whether anything opened it. A writer waits on it
// meanwhile, so that a reader opening it is let through at once (and reads
// its end) instead of waiting for good.
class WatchedFifo {
public:
    explicit WatchedFifo(const QString& path)
        : m_path(QFile::encodeName(path))
    {
        EXPECT_EQ(::mkfifo(m_path.constData(), 0600), 0);
        m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        EXPECT_GE(::inotify_add_watch(m_watch, m_path.constData(), IN_OPEN), 0);
        // Every opening finds a writer, however often the reader comes back.
        m_writer = std::thread([this] {
            while (!m_done) {
                const int fd = ::open(m_path.constData(), O_WRONLY | O_CLOEXEC);
                if (fd >= 0)
                    ::close(fd);
            }
        });
    }
    ~WatchedFifo()
    {
        // A reader kept open lets the writer go, and never wait again.
        m_done = true;
        const int fd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        m_writer.join();
        if (fd >= 0)
            ::close(fd);
        ::close(m_watch);
    }
    bool wasOpened() const
    {
        char events[4096];
        return ::read(m_watch, events, sizeof events) > 0;
    }

private:
    QByteArray m_path;
    int m_watch = -1;
    std::atomic<bool> m_done = false;
    std::thread m_writer;
};

// The process's memory in MB: "VmRSS" now, "VmHWM" the most since the
// last resetPeakMemory(); -1 where the system does not say.
long memoryMegabytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(field))
                return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').first().toLong() / 1024;
    return -1;
}

void resetPeakMemory()
{
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly))
        reset.write("5");
}
}

TEST(SkinRender, TheShippedSkinFitsTheWindowAndStandsCentred)
{
    SkinStageWindow stage(QSize(390, 672));
    QQuickItem* play = stage.itemFor(stage.control(K::Button, QStringLiteral("PlayPause")));
    ASSERT_TRUE(play);
    EXPECT_EQ(stage.centreOf(play), QPoint(157 + 38, 428 + 38));
    // Smaller windows show the whole skin, scaled down, never cut off: every
    // control outside the pages, and the page shown.
    for (const QSize& size : { QSize(320, 568), QSize(568, 320), QSize(760, 314) }) {
        stage.resize(size);
        const QRectF window(QPointF(0, 0), QSizeF(size));
        std::vector<SkinControl*> pending { stage.scene().root(stage.scene().orientation()) };
        while (!pending.empty()) {
            SkinControl* control = pending.back();
            pending.pop_back();
            QQuickItem* item = stage.itemFor(control);
            if (item && item->isVisible() && control->kind() != K::Button) {
                EXPECT_TRUE(window.contains(stage.rectInWindow(item)))
                    << qPrintable(control->element().kindName() + u' ' + control->skinId()) << " at " << size.width()
                    << "x" << size.height();
            }
            if (const auto* pages = qobject_cast<const SkinPagesControl*>(control)) {
                for (SkinControl* page : pages->children())
                    if (page->element().page == pages->currentPage()) {
                        EXPECT_TRUE(window.contains(stage.rectInWindow(stage.itemFor(page))));
                    }
                continue;
            }
            for (SkinControl* child : control->children())
                pending.push_back(child);
        }
    }
    EXPECT_EQ(stage.scene().orientation(), u"Landscape");
    EXPECT_DOUBLE_EQ(stage.scene().landscape()->scale(), 1);
}

// Drawn at the size it was decoded at, an image is copied where a frame
// passes over it rather than scaled again each time.
TEST(SkinRender, ImagesAreDecodedAtTheSizeTheyAreDrawnOnceTheWindowKeepsItsSize)
{
    SkinStageWindow stage(QSize(390, 672));
    const SkinControl* background = stage.control(K::Image);
    ASSERT_TRUE(background);
    QQuickItem* image = SkinStageWindow::findItem(stage.itemFor(background),
                                                  [](QQuickItem* item) { return item->inherits("QQuickImage"); });
    ASSERT_TRUE(image);
    auto decodedAsDrawn = [image] {
        return image->implicitWidth() == image->width() && image->implicitHeight() == image->height();
    };
    EXPECT_TRUE(decodedAsDrawn()) << image->implicitWidth() << " " << image->width();
    // Smaller, by a fraction of a point: on whole pixels, decoded anew once
    // the size has stayed.
    stage.resize(QSize(388, 660));
    EXPECT_TRUE(waitUntil(decodedAsDrawn, 3000)) << image->implicitWidth() << " " << image->width();
    EXPECT_EQ(image->width(), std::round(image->width()));
    EXPECT_LT(image->width(), 390);
}

TEST(SkinRender, EachOrientationIsBuiltWhenFirstShownAndKept)
{
    SkinStageWindow stage(QSize(390, 672));
    SkinControl* portraitPlay = stage.control(K::Button, QStringLiteral("PlayPause"));
    QQuickItem* portraitItem = stage.itemFor(portraitPlay);
    EXPECT_FALSE(stage.view().rootObject()->findChild<QObject*>(QStringLiteral("landscapeSkin"))->property("control").value<QObject*>());
    stage.resize(QSize(760, 314));
    EXPECT_EQ(stage.scene().orientation(), u"Landscape");
    EXPECT_TRUE(stage.itemFor(stage.control(K::Slider, QStringLiteral("VolumeSlider"))));
    stage.resize(QSize(390, 672));
    EXPECT_EQ(stage.control(K::Button, QStringLiteral("PlayPause")), portraitPlay);
    EXPECT_EQ(stage.itemFor(portraitPlay), portraitItem);
}

TEST(SkinRender, ControlsShowThePlayersStateByTheirRoles)
{
    SkinStageWindow stage(QSize(390, 672));
    SkinScene& scene = stage.scene();
    SkinControl* play = stage.control(K::Button, QStringLiteral("PlayPause"));
    QQuickItem* next = stage.itemFor(stage.control(K::Button, QStringLiteral("Next")));
    // Before the first status: an empty, stopped player.
    EXPECT_FALSE(next->isVisible());
    EXPECT_FALSE(stage.itemFor(play)->isEnabled());
    playing(scene, 3);
    EXPECT_TRUE(next->isVisible());
    EXPECT_TRUE(stage.itemFor(play)->isEnabled());
    EXPECT_EQ(imageName(play), u"pause.png");
    scene.setElapsed(3725);
    scene.setRemaining(100);
    scene.setLength(3825);
    auto label = [&](const char* id) {
        return stage.itemFor(stage.control(K::Label, QString::fromLatin1(id)))->property("text").toString();
    };
    EXPECT_EQ(label("TimeElapsed"), u"1:02:05");
    EXPECT_EQ(label("TimeRemaining"), u"01:40");
    EXPECT_EQ(label("TimeLength"), u"1:03:45");
    // Modes that are off stand highlighted.
    scene.setLooping(true);
    EXPECT_EQ(imageName(stage.control(K::Button, QStringLiteral("Loop"))), u"loop.png");
    EXPECT_EQ(imageName(stage.control(K::Button, QStringLiteral("Shuffle"))), u"shuffle_off.png");
    QQuickItem* position = stage.itemFor(stage.control(K::ZoomSlider, QStringLiteral("PositionSlider")));
    EXPECT_DOUBLE_EQ(position->property("maximumValue").toDouble(), 3825);
    EXPECT_DOUBLE_EQ(position->property("value").toDouble(), 3725);
    scene.setStopped(true);
    EXPECT_FALSE(position->isVisible());
}

TEST(SkinRender, SkipButtonsDrawTheChosenSkipDistanceOverTheirImage)
{
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 30);
    SkinStageWindow stage(QSize(390, 672));
    playing(stage.scene(), 3);
    auto drawn = [&](const char* id) {
        QQuickItem* button = stage.itemFor(stage.control(K::Button, QString::fromLatin1(id)));
        QQuickItem* text = SkinStageWindow::findItem(button, [](QQuickItem* item) {
            return item->inherits("QQuickText") && item->isVisible();
        });
        return text ? text->property("text").toString() : QString();
    };
    EXPECT_EQ(drawn("SkipForward"), u"30");
    EXPECT_EQ(drawn("SkipBack"), u"30");
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 120);
    stage.scene().showSkipDistance();
    EXPECT_EQ(drawn("SkipForward"), u"2m");
    EXPECT_EQ(drawn("Next"), QString()) << "other buttons draw no number";
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 30);
}

TEST(SkinRender, ButtonsTakeAFingerOrTheMouseAndSendTheirAction)
{
    SkinStageWindow stage(QSize(320, 568));
    playing(stage.scene(), 3);
    QSignalSpy actions(&stage.scene(), &SkinScene::actionTriggered);
    // Every button takes at least a 48-pixel square, whatever the scale.
    for (int i = 0; SkinControl* control = stage.control(K::Button, QString(), i); ++i) {
        QQuickItem* item = stage.itemFor(control);
        EXPECT_GE(item->width(), 48);
        EXPECT_GE(item->height(), 48);
    }
    QQuickItem* next = stage.itemFor(stage.control(K::Button, QStringLiteral("Next")));
    QTest::touchEvent(&stage.view(), stage.touchScreen()).press(0, stage.centreOf(next));
    QTest::touchEvent(&stage.view(), stage.touchScreen()).release(0, stage.centreOf(next));
    QTest::mouseClick(&stage.view(), Qt::LeftButton, {}, stage.centreOf(stage.itemFor(stage.control(K::Button, QStringLiteral("Shuffle")))));
    ASSERT_EQ(actions.count(), 2);
    EXPECT_EQ(actions[0][0].value<SkinRoles::Action>(), SkinRoles::Action::Next);
    EXPECT_EQ(actions[1][0].value<SkinRoles::Action>(), SkinRoles::Action::Random);
    // A disabled button sends nothing: Stop, once the player is stopped.
    stage.scene().setPlaying(false);
    stage.scene().setStopped(true);
    QTest::mouseClick(&stage.view(), Qt::LeftButton, {}, stage.centreOf(stage.itemFor(stage.control(K::Button, QStringLiteral("Stop")))));
    EXPECT_EQ(actions.count(), 2);
}

TEST(SkinRender, ThePagesRememberTheirPageFlipRoundAndFollowASwipe)
{
    UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 5);
    SkinStageWindow stage(QSize(390, 672));
    SkinPagesControl* pages = stage.scene().mainScrollView();
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->currentPage(), 2); // 5 modulo 3
    stage.scene().flipPages();
    EXPECT_EQ(pages->currentPage(), 0);
    EXPECT_EQ(UserDefaults::standard().integerForKey(PreferenceKeys::slideScreenPosition), 0);
    // A finger thrown leftwards over the pages shows the next one.
    const QPoint start = stage.centreOf(stage.itemFor(pages)) + QPoint(100, 0);
    auto touch = [&](auto step) { step(QTest::touchEvent(&stage.view(), stage.touchScreen())); };
    touch([&](QTest::QTouchEventSequence s) { s.press(0, start); });
    for (int dx = 20; dx <= 200; dx += 20) {
        QTest::qWait(10);
        touch([&](QTest::QTouchEventSequence s) { s.move(0, start - QPoint(dx, 0)); });
    }
    touch([&](QTest::QTouchEventSequence s) { s.release(0, start - QPoint(200, 0)); });
    EXPECT_TRUE(waitUntil([&] { return pages->currentPage() == 1; }, 2000));
    EXPECT_EQ(UserDefaults::standard().integerForKey(PreferenceKeys::slideScreenPosition), 1);
}

namespace {
// The main scroll view's drawn pages (the Flickable under its item).
QQuickItem* flickOf(SkinStageWindow& stage, SkinControl* pages)
{
    return SkinStageWindow::findItem(stage.itemFor(pages), [](QQuickItem* item) { return item->inherits("QQuickFlickable"); });
}

bool showsPage(QQuickItem* flick, int page)
{
    return waitUntil([&] { return qFuzzyCompare(1 + flick->property("contentX").toReal(), 1 + page * flick->width()); }, 2000);
}
}

TEST(SkinRender, TheRememberedPageIsShownAtEveryWindowSize)
{
    for (const QSize size : { QSize(320, 480), QSize(560, 960), QSize(1200, 2000) }) {
        UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 2);
        SkinStageWindow stage(size);
        SkinPagesControl* pages = stage.scene().mainScrollView();
        ASSERT_TRUE(pages);
        QQuickItem* flick = flickOf(stage, pages);
        ASSERT_TRUE(flick);
        EXPECT_EQ(pages->currentPage(), 2) << size.width() << " x " << size.height();
        EXPECT_TRUE(showsPage(flick, 2)) << size.width() << " x " << size.height();
        QQuickItem* dots = SkinStageWindow::findItem(stage.itemFor(pages), [](QQuickItem* item) {
            return item->objectName() == u"pageDots";
        });
        ASSERT_TRUE(dots);
        EXPECT_EQ(dots->property("currentIndex").toInt(), 2);
        if (size.width() > 320)
            continue;
        // A window made much larger keeps the page it showed.
        pages->setCurrentPage(1);
        ASSERT_TRUE(showsPage(flick, 1));
        stage.resize(QSize(1200, 2000));
        EXPECT_EQ(pages->currentPage(), 1);
        EXPECT_TRUE(showsPage(flick, 1));
    }
}

// A sideways wheel or trackpad swipe turns one page however long it is,
// over any page's controls; a click on a dot goes to its page.
TEST(SkinRender, ASidewaysWheelTurnsOnePageAndADotGoesToItsPage)
{
    ManualClock clock;
    UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 2);
    SkinStageWindow stage(QSize(390, 672));
    SkinPagesControl* pages = stage.scene().mainScrollView();
    ASSERT_TRUE(pages);
    QQuickItem* flick = flickOf(stage, pages);
    const QPoint over = stage.centreOf(stage.itemFor(pages));
    auto swipe = [&](int dx) {
        for (int step = 0; step < 9; ++step) {
            QWheelEvent wheel(over, stage.view().mapToGlobal(over), QPoint(dx, 0), QPoint(dx, 0), Qt::NoButton,
                              Qt::NoModifier, Qt::ScrollUpdate, false);
            QCoreApplication::sendEvent(&stage.view(), &wheel);
            clock.advance(0.02);
        }
        clock.advance(0.5); // the hand rests
    };
    swipe(80);
    EXPECT_EQ(pages->currentPage(), 1);
    EXPECT_TRUE(showsPage(flick, 1));
    swipe(-80);
    EXPECT_EQ(pages->currentPage(), 2);
    EXPECT_TRUE(showsPage(flick, 2));

    QQuickItem* firstDot = SkinStageWindow::findItem(stage.itemFor(pages), [](QQuickItem* item) {
        return item->inherits("QQuickRectangle") && item->property("index").isValid() && item->property("index").toInt() == 0;
    });
    ASSERT_TRUE(firstDot);
    QTest::mouseClick(&stage.view(), Qt::LeftButton, {}, stage.centreOf(firstDot));
    EXPECT_EQ(pages->currentPage(), 0);
    EXPECT_TRUE(showsPage(flick, 0));
    EXPECT_EQ(UserDefaults::standard().integerForKey(PreferenceKeys::slideScreenPosition), 0);
}

TEST(SkinRender, ThePlaylistTableShowsTitlesOrItsPlaceholderAndPlaysARow)
{
    UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 0); // the table's page
    SkinStageWindow stage(QSize(390, 672));
    SkinScene& scene = stage.scene();
    QSignalSpy chosen(&scene, &SkinScene::rowChosen);
    auto* table = stage.itemFor(stage.control(K::Table));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->property("count").toInt(), 1);
    EXPECT_EQ(scene.playlistRows()->index(0).data(SkinPlaylistRows::TitleRole).toString(), u"(Playlist Empty)");
    const QPoint firstRow = stage.rectInWindow(table).topLeft().toPoint() + QPoint(40, 20);
    QTest::mouseClick(&stage.view(), Qt::LeftButton, {}, firstRow);
    EXPECT_EQ(chosen.count(), 0);

    QStringListModel playlist({ QStringLiteral("One.wav"), QStringLiteral("Two.wav"), QStringLiteral("Three.wav") });
    scene.setPlaylist(&playlist);
    scene.setCurrentRow(1);
    EXPECT_TRUE(waitUntil([&] { return table->property("count").toInt() == 3; }));
    EXPECT_TRUE(scene.playlistRows()->index(1).data(SkinPlaylistRows::PlayingRole).toBool());
    QTest::mouseClick(&stage.view(), Qt::LeftButton, {}, firstRow);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 0);
    playlist.removeRows(0, 3);
    EXPECT_TRUE(waitUntil([&] { return table->property("count").toInt() == 1; }));
}

// The mark of the item that plays takes room from its title: a title that
// fits its row whole fits it whole playing too.
TEST(SkinRender, ATitleThatFitsItsRowStaysWholeWhilePlaying)
{
    UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 0); // the table's page
    SkinStageWindow stage(QSize(320, 568));
    QStringListModel playlist({ QStringLiteral("x") });
    stage.scene().setPlaylist(&playlist);
    QQuickItem* table = stage.itemFor(stage.control(K::Table));
    ASSERT_TRUE(table);
    auto title = [&]() -> QQuickItem* {
        return SkinStageWindow::findItem(table, [&](QQuickItem* item) {
            return item->inherits("QQuickText") && item->property("text") == playlist.stringList().value(0);
        });
    };
    // The longest title that fits unmarked.
    QString name = QStringLiteral("Caf\u00e9 Cr\u00e8me \u2013 \u00c9l\u00e9gie.wav");
    for (int grown = 0; grown < 100; ++grown) {
        const QString longer = u'e' + name;
        playlist.setStringList({ longer });
        QTest::qWait(0);
        ASSERT_TRUE(title());
        if (title()->property("truncated").toBool())
            break;
        name = longer;
    }
    playlist.setStringList({ name });
    QTest::qWait(0);
    ASSERT_FALSE(title()->property("truncated").toBool());
    stage.scene().setCurrentRow(0);
    QTest::qWait(0);
    EXPECT_FALSE(title()->property("truncated").toBool()) << name.toStdString();
}

// The playing item's art stands whole in the art view at its own shape,
// shrunk smoothly; art that cannot be shown leaves the placeholder; an
// orientation built after the art came shows it too.
TEST(SkinRender, TheArtViewShowsTheArtOrItsPlaceholder)
{
    SkinStageWindow stage(QSize(390, 672));
    SkinScene& scene = stage.scene();
    auto pictureIn = [&] {
        return SkinStageWindow::findItem(stage.itemFor(stage.control(K::Art)),
                                         [](QQuickItem* item) { return item->inherits("SkinArtItem"); });
    };
    QQuickItem* picture = pictureIn();
    ASSERT_TRUE(picture);
    EXPECT_FALSE(picture->property("hasPicture").toBool());
    // A wide cover of fine blue and black stripes: sampled, it would show
    // one or the other; averaged, dark blue.
    QImage stripes(700, 350, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, x % 2 ? qRgb(0, 0, 255) : qRgb(0, 0, 0));
    auto encoded = [](const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    };
    const QByteArray cover = encoded(stripes);
    scene.setArtData(cover);
    ASSERT_TRUE(picture->property("hasPicture").toBool());
    QTest::qWait(50);
    const QImage shown = stage.view().grabWindow();
    const qreal ratio = shown.devicePixelRatio();
    const QRectF area = stage.rectInWindow(picture);
    auto at = [&](QPointF p) { return shown.pixelColor((p * ratio).toPoint()); };
    for (const QPointF& p : { area.center(), area.center() + QPointF(area.width() / 4, 0) }) {
        const QColor c = at(p);
        EXPECT_NEAR(c.blue(), 128, 28) << qPrintable(c.name());
        EXPECT_LT(c.red() + c.green(), 40) << qPrintable(c.name());
    }
    EXPECT_NE(at(QPointF(area.center().x(), area.top() + area.height() / 8)), at(area.center()))
        << "a wide cover keeps its shape";

    QByteArray claimsHuge = encoded(QImage(1, 1, QImage::Format_RGB32));
    claimsHuge[16] = 0x7f; // the PNG header's width: two billion pixels
    for (const QByteArray& bad : { QByteArray("not an image"), claimsHuge, QByteArray() }) {
        scene.setArtData(cover);
        scene.setArtData(bad);
        EXPECT_FALSE(picture->property("hasPicture").toBool());
    }
    scene.setArtData(cover);
    stage.resize(QSize(760, 314));
    ASSERT_EQ(scene.orientation(), u"Landscape");
    ASSERT_TRUE(pictureIn());
    EXPECT_NE(pictureIn(), picture);
    EXPECT_TRUE(pictureIn()->property("hasPicture").toBool());
}

TEST(SkinRender, AssistiveTechnologyFindsEveryControlByNameAndRole)
{
    SkinStageWindow stage(QSize(390, 672));
    playing(stage.scene(), 2);
    QStringListModel playlist({ QStringLiteral("One.wav"), QStringLiteral("Two.wav") });
    stage.scene().setPlaylist(&playlist);
    QTest::qWait(50);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&stage.view());
    ASSERT_TRUE(window);
    std::vector<QAccessibleInterface*> pending { window };
    QStringList buttons;
    QStringList rows;
    bool slider = false;
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        if (node->state().invisible)
            continue;
        if (node->role() == QAccessible::Button)
            buttons << node->text(QAccessible::Name);
        if (node->role() == QAccessible::ListItem)
            rows << node->text(QAccessible::Name);
        if (node->role() == QAccessible::Slider && node->text(QAccessible::Name) == u"Position")
            slider = true;
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* child = node->child(i))
                pending.push_back(child);
    }
    for (const char* name : { "Pause", "Previous", "Next", "Stop", "Shuffle", "Loop", "Repeat", "Volume Down", "Volume Up",
                              "Skip Back", "Skip Forward" })
        EXPECT_TRUE(buttons.contains(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(buttons.contains(QString())) << "a button without a name";
    EXPECT_TRUE(slider);
    rows.sort();
    EXPECT_EQ(rows, QStringList({ "One.wav", "Two.wav" }));
}

// Skins made to hurt: each is refused whole, the window draws without it,
// and nothing waits on a fifo or holds the images' claimed pixels.
TEST(SkinRender, HostileSkinsAreRefusedWithoutWaitingOrFillingMemory)
{
    QTemporaryDir home;
    const QString elsewhere = home.filePath(QStringLiteral("elsewhere"));
    QDir().mkpath(elsewhere);
    WatchedFifo outsideFifo(elsewhere + QStringLiteral("/pipe.png"));
    QFile outsidePicture(elsewhere + QStringLiteral("/secret.png"));
    ASSERT_TRUE(outsidePicture.open(QIODevice::WriteOnly));
    outsidePicture.write(blankPng(20, 20));
    outsidePicture.close();
    QFile outsideDefinition(elsewhere + QStringLiteral("/SkinDefinition.xml"));
    ASSERT_TRUE(outsideDefinition.open(QIODevice::WriteOnly));
    outsideDefinition.write(R"(<skin apiVersion="4"><Portrait><view width="320" height="480"><button id="Next" width="50" height="50"/></view></Portrait></skin>)");
    outsideDefinition.close();
    auto write = [](const QString& path, const QByteArray& data) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    };
    auto naming = [](const QStringList& images) {
        QByteArray xml = R"(<skin apiVersion="4"><Portrait><view width="320" height="480"><button id="Next" width="50" height="50"/>)";
        for (const QString& image : images)
            xml += R"(<image width="320" height="480" imgNormal=")" + image.toUtf8() + R"("/>)";
        return xml + "</view></Portrait></skin>";
    };
    std::unique_ptr<WatchedFifo> insideFifo;
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> hostile {
        // 16 pictures of 2 million pixels each, a few kilobytes as files.
        { "many large images", [&](const QString& skin) {
              QStringList images;
              for (int i = 0; i < 16; ++i) {
                  images << QStringLiteral("big%1.png").arg(i);
                  write(skin + u'/' + images.last(), blankPng(2048, 1024));
              }
              write(skin + QStringLiteral("/SkinDefinition.xml"), naming(images));
          } },
        { "an image climbing out to a fifo", [&](const QString& skin) {
              write(skin + QStringLiteral("/SkinDefinition.xml"), naming({ QStringLiteral("../elsewhere/pipe.png") }));
          } },
        { "an image linking out to a fifo", [&](const QString& skin) {
              QFile::link(elsewhere + QStringLiteral("/pipe.png"), skin + QStringLiteral("/pipe.png"));
              write(skin + QStringLiteral("/SkinDefinition.xml"), naming({ QStringLiteral("pipe.png") }));
          } },
        { "an image linking out to a file", [&](const QString& skin) {
              QFile::link(elsewhere + QStringLiteral("/secret.png"), skin + QStringLiteral("/secret.png"));
              write(skin + QStringLiteral("/SkinDefinition.xml"), naming({ QStringLiteral("secret.png") }));
          } },
        { "the definition linking out to a file", [&](const QString& skin) {
              QFile::link(elsewhere + QStringLiteral("/SkinDefinition.xml"), skin + QStringLiteral("/SkinDefinition.xml"));
          } },
        { "the definition a fifo", [&](const QString& skin) {
              insideFifo = std::make_unique<WatchedFifo>(skin + QStringLiteral("/SkinDefinition.xml"));
          } },
    };
    int number = 0;
    for (const auto& [what, make] : hostile) {
        SCOPED_TRACE(what);
        const QString skin = home.filePath(QStringLiteral("skin%1").arg(++number));
        QDir().mkpath(skin);
        make(skin);
        resetPeakMemory();
        const long before = memoryMegabytes("VmRSS");
        QElapsedTimer clock;
        clock.start();
        {
            SkinStageWindow stage(QSize(390, 672), skin);
            EXPECT_FALSE(stage.scene().isLoaded());
            const SkinControl* shown = stage.scene().root(stage.scene().orientation());
            EXPECT_TRUE(!shown || shown->children().empty());
            EXPECT_FALSE(stage.view().grabWindow().isNull());
        }
        std::printf("[ figures  ] %s: %lld ms, peak %ld MB from %ld MB\n", what, clock.elapsed(), memoryMegabytes("VmHWM"), before);
        EXPECT_FALSE(outsideFifo.wasOpened());
        if (insideFifo) {
            EXPECT_FALSE(insideFifo->wasOpened());
        }
        insideFifo.reset();
    }
}
