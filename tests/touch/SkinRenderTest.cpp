// The shipped skin drawn by the Qt Quick front end in a real window: laid
// out to fit, built per orientation on first use, showing the player's
// state by the skin's rules, answering touches and the mouse, and telling
// assistive technology what each control is.

#include "SkinStageWindow.h"
#include "TestSupport.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "touch/skin/SkinPlaylistRows.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTest>

#include <gtest/gtest.h>

namespace {
using K = SkinControl;

QString imageName(const SkinControl* control)
{
    return QUrl::fromPercentEncoding(control->image().toString().section(u'/', -1).toUtf8());
}

void playing(SkinScene& scene, int items)
{
    scene.setLiveness(SkinScene::Live);
    scene.setItemsInPlaylist(items);
    scene.setStopped(false);
    scene.setPlaying(true);
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
            if (control->kind() == K::ScrollView) {
                for (SkinControl* page : control->children())
                    if (page->element().page == control->currentPage()) {
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
    // Every page shown once, so that all its buttons are made.
    SkinControl* pages = stage.scene().mainScrollView();
    for (int page : { 1, 2, 0 }) {
        pages->setCurrentPage(page);
        QTest::qWait(300);
    }
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
    EXPECT_EQ(actions[0][0].value<SkinScene::Action>(), SkinScene::Next);
    EXPECT_EQ(actions[1][0].value<SkinScene::Action>(), SkinScene::Random);
    // A disabled button sends nothing.
    stage.scene().setPlaying(false);
    QTest::mouseClick(&stage.view(), Qt::LeftButton, {}, stage.centreOf(stage.itemFor(stage.control(K::Button, QStringLiteral("Stop")))));
    EXPECT_EQ(actions.count(), 2);
}

TEST(SkinRender, ThePagesRememberTheirPageFlipRoundAndFollowASwipe)
{
    UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 5);
    SkinStageWindow stage(QSize(390, 672));
    SkinControl* pages = stage.scene().mainScrollView();
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

TEST(SkinRender, APageIsMadeTheFirstTimeItComesIntoViewAndKept)
{
    UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 0);
    SkinStageWindow stage(QSize(390, 672));
    SkinControl* pages = stage.scene().mainScrollView();
    ASSERT_TRUE(pages);
    EXPECT_TRUE(stage.itemFor(stage.control(K::Table)));
    EXPECT_FALSE(stage.itemFor(stage.control(K::Picker)));
    EXPECT_FALSE(stage.itemFor(stage.control(K::Button, QStringLiteral("DvdUp"))));
    pages->setCurrentPage(1);
    EXPECT_TRUE(waitUntil([&] { return stage.itemFor(stage.control(K::Picker)) != nullptr; }));
    QQuickItem* picker = stage.itemFor(stage.control(K::Picker));
    pages->setCurrentPage(0);
    QTest::qWait(400);
    EXPECT_EQ(stage.itemFor(stage.control(K::Picker)), picker);
    EXPECT_FALSE(stage.itemFor(stage.control(K::Button, QStringLiteral("DvdUp"))));
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
