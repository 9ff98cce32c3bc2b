#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "skin/Skin.h"
#include "skin/SkinDelegate.h"
#include "BlankPng.h"
#include "TestSupport.h"
#include "ui/ArtView.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/ImageView.h"
#include "ui/PagingScrollView.h"
#include "ui/SensitivePicker.h"
#include "ui/TableView.h"
#include "ui/TrackSlider.h"
#include "ui/ZoomSlider.h"
#include "ui/ZoomSliderScroll.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

#include <sys/stat.h>

namespace {
// Records the actions the skin's controls send.
class RecordingDelegate : public SkinDelegate {
public:
    QStringList calls;
    void previous() override { calls << "previous"; }
    void stop() override { calls << "stop"; }
    void playPause() override { calls << "playPause"; }
    void next() override { calls << "next"; }
    void random() override { calls << "random"; }
    void repeat() override { calls << "repeat"; }
    void loop() override { calls << "loop"; }
    void volumeDown() override { calls << "volumeDown"; }
    void volumeUp() override { calls << "volumeUp"; }
    void scanForward() override { calls << "scanForward"; }
    void scanBack() override { calls << "scanBack"; }
    void dvdUp() override { calls << "dvdUp"; }
    void dvdDown() override { calls << "dvdDown"; }
    void dvdLeft() override { calls << "dvdLeft"; }
    void dvdRight() override { calls << "dvdRight"; }
    void dvdSelect() override { calls << "dvdSelect"; }
    void dvdMenu() override { calls << "dvdMenu"; }
    void sliderPositionChanged(double v) override { calls << QStringLiteral("position %1").arg(v); }
    void sliderVolumeChanged(double v) override { calls << QStringLiteral("volume %1").arg(v); }
    void seek(int s) override { calls << QStringLiteral("seek %1").arg(s); }
    void setVolume(int v) override { calls << QStringLiteral("setVolume %1").arg(v); }
    int numberOfRowsInSection(TableView*, int) override { return 0; }
    TableViewCell* cellForRowAtIndexPath(TableView*, const IndexPath&) override { return nullptr; }
};

// A skin folder in the test's home, with a definition and a few images.
struct SkinFolder {
    ScopedHome home;
    QString relative = QStringLiteral("Documents/Skins/Test");
    explicit SkinFolder(const QByteArray& definition, const QString& name = QStringLiteral("Test"))
    {
        relative = QStringLiteral("Documents/Skins/") + name;
        const QString dir = HomePaths::home() + u'/' + relative;
        QDir().mkpath(dir);
        QFile file(dir + QStringLiteral("/SkinDefinition.xml"));
        file.open(QIODevice::WriteOnly);
        file.write(definition);
        for (const char* image : { "a.png", "b.png", "play.png", "pause.png" }) {
            QImage picture(10, 10, QImage::Format_ARGB32);
            picture.fill(Qt::red);
            picture.save(dir + u'/' + QString::fromLatin1(image));
        }
    }
};

QWidget* childWithGeometry(QWidget* parent, const QRect& rect)
{
    for (QWidget* w : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->geometry() == rect)
            return w;
    return nullptr;
}

template <typename T>
T* control(const std::vector<SkinControl>& list, const QString& id, int nth = 0)
{
    for (const SkinControl& entry : list)
        if (entry.id == id && nth-- == 0)
            return qobject_cast<T*>(entry.control.data());
    return nullptr;
}

const QByteArray kindsSkin = R"(<skin apiVersion="4.1"><Portrait><view x="0" y="0" width="320" height="400">
  <button id="PlayPause" x="10" y="10" width="40" height="40" imgNormal="play.png" imgAlternate1="pause.png"/>
  <image x="0" y="0" width="320" height="400" imgNormal="a.png"/>
  <label id="Status" x="12.7" y="5" width="100" height="20" textColour="1,0,0,1" fontSize="13"/>
  <image x="1" y="1" width="5" height="5" imgNormal="b.png"/>
  <label id="Status" x="0" y="30" width="100" height="20"/>
  <label id="NowPlaying" x="0" y="60" hidden="1"/>
  <label id="TimeElapsed" x="0" y="90" width="50" height="20" hidden="true"/>
  <slider id="VolumeSlider" x="0" y="120" width="200" height="30"/>
  <zoom_slider id="PositionSlider" x="0" y="160" width="300" height="50"/>
  <zoom_slider id="Whatever" x="0" y="220" width="300" height="50"/>
  <table x="0" y="280" width="320" height="100" rowHeight="30" textColour="0,1,0,1"/>
  <button id="NoSuchRole" x="60" y="10" width="40" height="40"/>
  <view type="sideways" x="0" y="0" width="10" height="10"/>
  <view x="0" y="0" width="320" height="100"><button id="Stop" x="1" y="1" width="20" height="20"/></view>
</view></Portrait></skin>)";
}

TEST(SkinLoading, BuildsEveryKindInItsOrderWithImagesBehind)
{
    SkinFolder folder(kindsSkin);
    ConsoleCapture log;
    RecordingDelegate delegate;
    Skin skin(folder.relative, &delegate, UserDefaults::standard());
    EXPECT_FLOAT_EQ(skin.skinApiVersion(), 4.1f);
    EXPECT_TRUE(log.contains(QStringLiteral("skin api is 4.100000")));
    QWidget* root = skin.viewNamed(QStringLiteral("Portrait"));
    ASSERT_TRUE(root);
    EXPECT_EQ(root->geometry(), QRect(0, 0, 320, 400));
    const SkinRoot* lists = skin.currentRoot();
    ASSERT_TRUE(lists);
    EXPECT_EQ(lists->labels.size(), 3u); // the hidden NowPlaying is not built; "true" is not "1"
    EXPECT_EQ(lists->buttons.size(), 3u);
    EXPECT_EQ(lists->sliders.size(), 1u);
    EXPECT_EQ(lists->zoomSliders.size(), 2u);
    EXPECT_EQ(lists->tables.size(), 1u);
    EXPECT_EQ(lists->scrollViews.size(), 1u); // the unknown type yields nothing
    EXPECT_TRUE(log.contains(QStringLiteral("unexpected view type - don't know how to initialise it")));
    // The nested view's button registers in the same lists.
    EXPECT_TRUE(control<ImageButton>(lists->buttons, QStringLiteral("Stop")));

    // Images lie below every other control; the one listed last lies lowest.
    const QObjectList children = root->children();
    auto indexOf = [&](QWidget* w) { return children.indexOf(w); };
    QWidget* background = childWithGeometry(root, QRect(0, 0, 320, 400));
    QWidget* small = childWithGeometry(root, QRect(1, 1, 5, 5));
    ASSERT_TRUE(background && small);
    EXPECT_LT(indexOf(small), indexOf(background));
    for (QWidget* w : root->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!qobject_cast<ImageView*>(w)) {
            EXPECT_GT(indexOf(w), indexOf(background));
        }
    }

    // Frames take the integer part; colours are used as given.
    auto* status = control<FitLabel>(lists->labels, QStringLiteral("Status"));
    ASSERT_TRUE(status);
    EXPECT_EQ(status->geometry(), QRect(12, 5, 100, 20));
    EXPECT_EQ(status->textColor(), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(status->pointSize(), 13);
    EXPECT_DOUBLE_EQ(control<FitLabel>(lists->labels, QStringLiteral("Status"), 1)->pointSize(), 10);
    EXPECT_EQ(skin.rowTextColour(), QColor(0, 255, 0));

    // Zoom sliders with a role get their range; others keep the defaults.
    auto* position = control<ZoomSlider>(lists->zoomSliders, QStringLiteral("PositionSlider"));
    auto* other = control<ZoomSlider>(lists->zoomSliders, QStringLiteral("Whatever"));
    ASSERT_TRUE(position && other);
    EXPECT_DOUBLE_EQ(position->maximumValue(), 200);
    EXPECT_TRUE(position->delegate());
    EXPECT_DOUBLE_EQ(other->maximumValue(), 1);
    EXPECT_FALSE(other->delegate());

    // Buttons with a role send their action; others send nothing.
    QTest::mouseClick(control<ImageButton>(lists->buttons, QStringLiteral("PlayPause")), Qt::LeftButton);
    QTest::mouseClick(control<ImageButton>(lists->buttons, QStringLiteral("NoSuchRole")), Qt::LeftButton);
    EXPECT_EQ(delegate.calls, QStringList { "playPause" });

    // The same view again, built once; a new directory builds anew.
    EXPECT_EQ(skin.viewNamed(QStringLiteral("Portrait")), root);
    delete root;
}

TEST(SkinLoading, MissingPiecesFallBackQuietly)
{
    SkinFolder folder(R"(<skin><Portrait><view x="0" y="0" width="100" height="100"/></Portrait>
                         <label id="Status" x="0" y="0" width="10" height="10"/></skin>)");
    RecordingDelegate delegate;
    Skin skin(folder.relative, &delegate, UserDefaults::standard());
    EXPECT_EQ(skin.skinApiVersion(), 0.0f);
    // No Landscape: the skin element itself is built, with what it holds.
    QWidget* landscape = skin.viewNamed(QStringLiteral("Landscape"));
    ASSERT_TRUE(landscape);
    EXPECT_EQ(skin.currentRoot()->labels.size(), 1u);
    EXPECT_NE(landscape, skin.viewNamed(QStringLiteral("Portrait")));

    SkinFolder broken(R"(<skin apiVersion="5"><Portrait><view x="0" y="0" width="50" height="50"><label id="Status")",
                      QStringLiteral("Broken"));
    Skin partial(broken.relative, &delegate, UserDefaults::standard());
    EXPECT_FLOAT_EQ(partial.skinApiVersion(), 5.0f);
    EXPECT_TRUE(partial.viewNamed(QStringLiteral("Portrait")));

    Skin none(QStringLiteral("Documents/Skins/Nowhere"), &delegate, UserDefaults::standard());
    EXPECT_EQ(none.skinApiVersion(), 0.0f);
    EXPECT_TRUE(none.viewNamed(QStringLiteral("Portrait")));
    EXPECT_TRUE(none.cachedImage(QStringLiteral("a.png")).isNull());
    EXPECT_EQ(none.cachedImageCount(), 0);
    delete landscape;
}

// Views nested depth deep, a labelled Status label in the innermost.
QByteArray nestedSkin(int depth)
{
    QByteArray xml = R"(<skin apiVersion="4"><Portrait>)";
    for (int i = 0; i < depth; ++i)
        xml += R"(<view x="1" y="1" width="300" height="300">)";
    xml += R"(<label id="Status" x="0" y="0" width="10" height="10"/>)";
    for (int i = 0; i < depth; ++i)
        xml += "</view>";
    return xml + "</Portrait></skin>";
}

TEST(SkinLoading, ASkinNestedTooDeeplyIsRefusedAsBroken)
{
    RecordingDelegate delegate;
    SkinFolder deepest(nestedSkin(Skin::maxViewNesting), QStringLiteral("Deepest"));
    Skin fits(deepest.relative, &delegate, UserDefaults::standard());
    EXPECT_EQ(fits.skinApiVersion(), 4.0f);
    ASSERT_TRUE(fits.viewNamed(QStringLiteral("Portrait")));
    EXPECT_EQ(fits.currentRoot()->labels.size(), 1u);
    EXPECT_EQ(fits.currentRoot()->scrollViews.size(), size_t(Skin::maxViewNesting - 1));

    // One level more, and the 20,000 levels that once overflowed the stack:
    // read like a definition that cannot be read, an empty screen and version 0.
    for (const int depth : { Skin::maxViewNesting + 1, 20000 }) {
        SkinFolder deep(nestedSkin(depth), QStringLiteral("Deep%1").arg(depth));
        ConsoleCapture log;
        Skin refused(deep.relative, &delegate, UserDefaults::standard());
        EXPECT_EQ(refused.skinApiVersion(), 0.0f) << depth;
        EXPECT_TRUE(log.contains(QStringLiteral("skin nests views deeper than 64"))) << depth;
        std::unique_ptr<QWidget> view(refused.viewNamed(QStringLiteral("Portrait")));
        ASSERT_TRUE(view) << depth;
        EXPECT_TRUE(refused.currentRoot()->labels.empty()) << depth;
        EXPECT_TRUE(view->children().isEmpty()) << depth;
    }
}

namespace {
void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(data);
}

// A skin of image elements naming these images, with a small a.png beside
// it; prepare puts more into its folder.
QString skinNaming(const QString& name, const QStringList& images, const std::function<void(const QString&)>& prepare = {})
{
    const QString relative = QStringLiteral("Documents/Skins/") + name;
    const QString folder = HomePaths::home() + u'/' + relative;
    QDir().mkpath(folder + QStringLiteral("/img"));
    QByteArray xml = R"(<skin apiVersion="4"><Portrait><view x="0" y="0" width="320" height="400">)";
    for (const QString& image : images)
        xml += R"(<image x="0" y="0" width="10" height="10" imgNormal=")" + image.toUtf8() + R"("/>)";
    writeFile(folder + QStringLiteral("/SkinDefinition.xml"), xml + "</view></Portrait></skin>");
    writeFile(folder + QStringLiteral("/a.png"), blankPng(10, 10));
    if (prepare)
        prepare(folder);
    return relative;
}
}

TEST(SkinLoading, ImagesComeOnlyFromInsideTheSkinsFolderAndWithinThePixelBudget)
{
    ScopedHome home;
    RecordingDelegate delegate;
    const QString outside = HomePaths::home() + QStringLiteral("/outside.png");
    writeFile(outside, blankPng(10, 10));
    auto linkOut = [&](const QString& folder) { QFile::link(outside, folder + QStringLiteral("/out.png")); };
    auto fifo = [](const QString& folder) { ::mkfifo(QFile::encodeName(folder + QStringLiteral("/pipe.png")).constData(), 0600); };

    // Sub-folders and symlinks that stay inside are fine; missing images too.
    const QString fine = skinNaming(QStringLiteral("Fine"), { "a.png", "img/b.png", "inner.png", "missing.png" },
                                    [&](const QString& folder) {
                                        writeFile(folder + QStringLiteral("/img/b.png"), blankPng(20, 20));
                                        QFile::link(folder + QStringLiteral("/a.png"), folder + QStringLiteral("/inner.png"));
                                        linkOut(folder);
                                        fifo(folder);
                                    });
    Skin shown(fine, &delegate, UserDefaults::standard());
    EXPECT_TRUE(shown.isLoaded());
    std::unique_ptr<QWidget> view(shown.viewNamed(QStringLiteral("Portrait")));
    EXPECT_EQ(shown.cachedImageCount(), 3);
    for (const QString& name : { QStringLiteral("../../../outside.png"), outside, QStringLiteral("out.png"),
                                 QStringLiteral("pipe.png"), QStringLiteral("img") })
        EXPECT_TRUE(shown.cachedImage(name).isNull()) << qPrintable(name);

    // A skin naming any of these is not used at all (the screen then shows
    // the built-in one); nothing was read, nothing blocks.
    const std::vector<std::tuple<const char*, QStringList, std::function<void(const QString&)>>> refused {
        { "Climbing", { "a.png", "../../../outside.png" }, {} },
        { "Absolute", { "/dev/stdin" }, {} },
        { "LinkingOut", { "out.png" }, linkOut },
        { "Fifo", { "pipe.png" }, fifo },
        // Its @2x twin counts too.
        { "OneTooLarge", { "a.png" }, [](const QString& folder) { writeFile(folder + QStringLiteral("/a@2x.png"), blankPng(4096, 2049)); } },
        { "TooLargeTogether", { "a.png", "img/b.png", "img/c.png", "img/d.png" },
          [](const QString& folder) {
              for (const char* name : { "/a.png", "/img/b.png", "/img/c.png", "/img/d.png" })
                  writeFile(folder + QLatin1String(name), blankPng(2900, 2200));
          } },
    };
    for (const auto& [name, images, prepare] : refused) {
        SCOPED_TRACE(name);
        const QString relative = skinNaming(QString::fromLatin1(name), images, prepare);
        ConsoleCapture log;
        Skin skin(relative, &delegate, UserDefaults::standard());
        EXPECT_FALSE(skin.isLoaded());
        EXPECT_TRUE(log.contains(QStringLiteral("skin %1 not used: ").arg(relative))) << qPrintable(log.lines.join(u'\n'));
        std::unique_ptr<QWidget> nothing(skin.viewNamed(QStringLiteral("Portrait")));
        EXPECT_TRUE(nothing->children().isEmpty());
        EXPECT_EQ(skin.cachedImageCount(), 0);
    }
}

TEST(SkinLoading, ColourStrings)
{
    EXPECT_EQ(Skin::colourFromString(QStringLiteral("1,0,0,1")), QColor(255, 0, 0));
    EXPECT_EQ(Skin::colourFromString(QStringLiteral("1,0,0")), QColor(Qt::white));
    EXPECT_EQ(Skin::colourFromString(QString()), QColor(Qt::white));
    EXPECT_NEAR(Skin::colourFromString(QStringLiteral("0,0,1,0.5,9")).alphaF(), 0.5f, 1e-3);
    // Components are not scaled from 0-255: beyond 1 they are simply full.
    EXPECT_EQ(Skin::colourFromString(QStringLiteral("255,0,0,255")), QColor(255, 0, 0));
    EXPECT_EQ(Skin::colourFromString(QStringLiteral("128,0,0,1")), QColor(255, 0, 0));
}

TEST(SkinLoading, ScrollViewPagesAndTheRememberedPage)
{
    SkinFolder folder(R"(<skin apiVersion="4"><Portrait><view x="0" y="0" width="320" height="300">
      <view id="MainScrollView" type="scrollView" x="0" y="0" width="320" height="200">
        <view x="0" y="5" width="300" height="190"><button id="DvdUp" x="0" y="0" width="10" height="10"/></view>
        <view hidden="1" x="0" y="0" width="300" height="190"/>
        <view x="0" y="7" width="300" height="190"/>
      </view></view></Portrait></skin>)");
    UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 5);
    RecordingDelegate delegate;
    Skin skin(folder.relative, &delegate, UserDefaults::standard());
    QWidget* root = skin.viewNamed(QStringLiteral("Portrait"));
    auto* pages = control<PagingScrollView>(skin.currentRoot()->scrollViews, QStringLiteral("MainScrollView"));
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->contentSize(), QSizeF(960, 200));
    EXPECT_TRUE(pages->isPagingEnabled());
    EXPECT_TRUE(childWithGeometry(pages->contentView(), QRect(0, 5, 300, 190)));
    EXPECT_TRUE(childWithGeometry(pages->contentView(), QRect(640, 7, 300, 190))); // the hidden page stays empty
    // Page 5 of three pages is page 2.
    EXPECT_EQ(pages->currentPage(), 2);
    EXPECT_EQ(UserDefaults::standard().integerForKey(PreferenceKeys::slideScreenPosition), 2);
    skin.flipScrollView(); // from the last page to the first
    waitUntil([&] { return pages->contentOffset().x() == 0; }, 2000);
    EXPECT_EQ(pages->currentPage(), 0);
    EXPECT_EQ(UserDefaults::standard().integerForKey(PreferenceKeys::slideScreenPosition), 0);
    EXPECT_TRUE(pages->isScrollEnabled()); // BWSlideRemoteScreens
    delete root;
}

namespace {
const QByteArray stateSkin = R"(<skin apiVersion="4"><Portrait><view x="0" y="0" width="320" height="400">
  <label id="TimeElapsed" x="0" y="0" width="80" height="20"/>
  <label id="TimeRemaining" x="0" y="20" width="80" height="20"/>
  <label id="TimeLength" x="0" y="40" width="80" height="20"/>
  <label id="Status" x="0" y="60" width="80" height="20"/>
  <label id="Status" x="0" y="80" width="80" height="20"/>
  <button id="Previous" x="0" y="100" width="20" height="20"/>
  <button id="Next" x="20" y="100" width="20" height="20"/>
  <button id="Stop" x="40" y="100" width="20" height="20"/>
  <button id="PlayPause" x="60" y="100" width="20" height="20" imgNormal="play.png" imgAlternate1="pause.png"/>
  <button id="SkipBack" x="80" y="100" width="20" height="20"/>
  <button id="SkipForward" x="100" y="100" width="20" height="20" distanceFontSize="9" distanceY="12"/>
  <button id="Loop" x="120" y="100" width="20" height="20"/>
  <button id="Shuffle" x="140" y="100" width="20" height="20"/>
  <button id="Repeat" x="160" y="100" width="20" height="20"/>
  <zoom_slider id="PositionSlider" x="0" y="140" width="300" height="50"/>
  <zoom_slider id="VolumeSlider" x="0" y="200" width="300" height="50"/>
  <slider id="PositionSlider" x="0" y="260" width="300" height="30"/>
  <slider id="VolumeSlider" x="0" y="300" width="300" height="30"/>
</view></Portrait></skin>)";

struct StateFixture {
    SkinFolder folder { stateSkin };
    RecordingDelegate delegate;
    Skin skin { folder.relative, &delegate, UserDefaults::standard() };
    QWidget* root = skin.viewNamed(QStringLiteral("Portrait"));
    const SkinRoot& lists = *skin.currentRoot();
    ~StateFixture() { delete root; }
    ImageButton* button(const char* id) { return control<ImageButton>(lists.buttons, QString::fromLatin1(id)); }
    FitLabel* label(const char* id, int nth = 0) { return control<FitLabel>(lists.labels, QString::fromLatin1(id), nth); }
};
}

TEST(SkinState, PlayStateShowsAndHidesTheControls)
{
    StateFixture s;
    s.root->show();
    s.skin.setIsPlaying(false, true, 0);
    EXPECT_TRUE(s.label("TimeElapsed")->isHidden());
    EXPECT_TRUE(s.button("SkipForward")->isHidden());
    EXPECT_TRUE(s.button("Previous")->isHidden());
    EXPECT_TRUE(s.button("Next")->isHidden());
    EXPECT_FALSE(s.button("PlayPause")->isEnabled());
    EXPECT_FALSE(s.button("Stop")->isEnabled());
    EXPECT_TRUE(control<ZoomSlider>(s.lists.zoomSliders, QStringLiteral("PositionSlider"))->isHidden());
    EXPECT_TRUE(control<TrackSlider>(s.lists.sliders, QStringLiteral("PositionSlider"))->isHidden());
    const QImage playImage = s.button("PlayPause")->image(ImageButton::Normal).toImage();

    s.skin.setIsPlaying(true, false, 3);
    EXPECT_FALSE(s.label("TimeElapsed")->isHidden());
    EXPECT_FALSE(s.button("Previous")->isHidden());
    EXPECT_TRUE(s.button("Previous")->isEnabled());
    EXPECT_TRUE(s.button("Next")->isEnabled());
    EXPECT_TRUE(s.button("PlayPause")->isEnabled());
    EXPECT_TRUE(s.button("Stop")->isEnabled());
    EXPECT_FALSE(s.button("PlayPause")->image(ImageButton::Normal).isNull()); // the pause image
    EXPECT_TRUE(s.button("PlayPause")->image(ImageButton::Highlighted).isNull()); // no alternate given

    s.skin.setIsPlaying(false, true, 5);
    EXPECT_FALSE(s.button("Previous")->isHidden());
    EXPECT_FALSE(s.button("Previous")->isEnabled());
    EXPECT_FALSE(s.button("Next")->isEnabled());
    EXPECT_EQ(s.button("PlayPause")->image(ImageButton::Normal).toImage(), playImage);
}

TEST(SkinState, SkipButtonsThatAskForItShowTheChosenSkipDistance)
{
    StateFixture s;
    EXPECT_EQ(s.button("SkipForward")->caption(), QStringLiteral("30"));
    EXPECT_EQ(s.button("SkipForward")->captionStyle().centre, QPointF(10, 12));
    EXPECT_EQ(s.button("SkipBack")->caption(), QString()) << "its skin did not ask";
    // Read again whenever the skin is shown.
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 120);
    s.skin.viewNamed(QStringLiteral("Portrait"));
    EXPECT_EQ(s.button("SkipForward")->caption(), QStringLiteral("2m"));
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 90);
    s.skin.viewNamed(QStringLiteral("Portrait"));
    EXPECT_EQ(s.button("SkipForward")->caption(), QStringLiteral("90"));
}

TEST(SkinState, NothingIsTouchedUnlessSomethingChangedOrAnUpdateIsForced)
{
    StateFixture s;
    s.skin.setStatus(QStringLiteral("Connected to den"));
    EXPECT_EQ(s.label("Status", 1)->text(), QStringLiteral("Connected to den")); // every label of the id
    s.label("Status")->setText(QStringLiteral("scribbled"));
    s.skin.setStatus(QStringLiteral("Connected to den"));
    EXPECT_EQ(s.label("Status")->text(), QStringLiteral("scribbled"));
    s.skin.forceUpdates();
    s.skin.setStatus(QStringLiteral("Connected to den"));
    EXPECT_EQ(s.label("Status")->text(), QStringLiteral("Connected to den"));

    s.skin.setLooping(true, false, false);
    EXPECT_FALSE(s.button("Loop")->isHighlighted());
    EXPECT_TRUE(s.button("Shuffle")->isHighlighted());
    EXPECT_TRUE(s.button("Repeat")->isHighlighted());
    s.button("Loop")->setHighlighted(true);
    s.skin.setLooping(true, false, false); // unchanged and not forced
    EXPECT_TRUE(s.button("Loop")->isHighlighted());

    s.skin.setTimeElapsed(3725, 100, 3825, false);
    EXPECT_EQ(s.label("TimeElapsed")->text(), QStringLiteral("1:02:05"));
    EXPECT_EQ(s.label("TimeRemaining")->text(), QStringLiteral("01:40"));
    EXPECT_EQ(s.label("TimeLength")->text(), QStringLiteral("1:03:45"));
    // The value comes before the maximum: the first time it is held to the
    // old range, from the next second on it is right.
    auto* plain = control<TrackSlider>(s.lists.sliders, QStringLiteral("PositionSlider"));
    EXPECT_DOUBLE_EQ(plain->maximumValue(), 3825);
    s.skin.setTimeElapsed(3726, 99, 3825, false);
    EXPECT_DOUBLE_EQ(plain->value(), 3726);
    EXPECT_DOUBLE_EQ(control<ZoomSlider>(s.lists.zoomSliders, QStringLiteral("PositionSlider"))->value(), 3726);
}

TEST(SkinState, ASliderUnderTheFingerKeepsItsThumb)
{
    StateFixture s;
    s.skin.setMaxVolume(200);
    s.skin.setVolumeAnimated(100, false);
    auto* zoom = control<ZoomSlider>(s.lists.zoomSliders, QStringLiteral("VolumeSlider"));
    auto* plain = control<TrackSlider>(s.lists.sliders, QStringLiteral("VolumeSlider"));
    ASSERT_TRUE(zoom && plain);
    EXPECT_DOUBLE_EQ(zoom->value(), 100);
    EXPECT_DOUBLE_EQ(plain->maximumValue(), 200);
    s.root->show();
    // A finger down on the zoom slider.
    QTest::mousePress(static_cast<QWidget*>(zoom->scroll()), Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(150, 25));
    ASSERT_TRUE(zoom->isMoving());
    s.skin.setVolumeAnimated(150, false);
    EXPECT_DOUBLE_EQ(zoom->value(), 100);
    EXPECT_DOUBLE_EQ(plain->value(), 150);
    QTest::mouseRelease(static_cast<QWidget*>(zoom->scroll()), Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(150, 25));
}

namespace {
// The mean brightness of a widget as drawn.
double brightness(QWidget* widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum += c.valueF() * c.alphaF();
        }
    return sum / qMax(1, image.width() * image.height());
}
}

TEST(SkinLook, PressedRowsWearTheSkinsImageAndDisabledControlsAreDimmed)
{
    SkinFolder folder(R"(<skin apiVersion="4"><Portrait><view x="0" y="0" width="320" height="400">
      <button id="PlayPause" x="0" y="0" width="40" height="40" imgNormal="a.png" imgDisabled="b.png"/>
      <slider id="VolumeSlider" x="0" y="50" width="200" height="30"/>
      <table x="0" y="100" width="320" height="200" rowHeight="40" rowBackground="a.png" rowBackgroundHighlighted="play.png"/>
    </view></Portrait></skin>)");
    // A white highlighted row, to tell it from the red plain one.
    QImage white(10, 10, QImage::Format_ARGB32);
    white.fill(Qt::white);
    white.save(HomePaths::home() + u'/' + folder.relative + QStringLiteral("/play.png"));
    RecordingDelegate delegate;
    Skin skin(folder.relative, &delegate, UserDefaults::standard());
    QWidget* root = skin.viewNamed(QStringLiteral("Portrait"));
    auto* table = control<TableView>(skin.currentRoot()->tables, QString());
    ASSERT_TRUE(table);

    TableViewCell* cell = skin.obtainTableCellForTable(table);
    cell->resize(320, 40);
    EXPECT_FALSE(cell->selectedBackgroundImage().isNull());
    const QColor plain = cell->grab().toImage().pixelColor(5, 20);
    cell->setHighlighted(true);
    const QColor pressed = cell->grab().toImage().pixelColor(5, 20);
    EXPECT_EQ(plain, QColor(Qt::red));
    EXPECT_EQ(pressed, QColor(Qt::white)) << "the skin's rowBackgroundHighlighted, not a grey fill";
    delete cell;

    // A disabled button fades even when its skin drew a disabled image of its own.
    auto* play = control<ImageButton>(skin.currentRoot()->buttons, QStringLiteral("PlayPause"));
    const double lit = brightness(play);
    play->setEnabled(false);
    EXPECT_LT(play->drawnOpacity(), 0.5);
    EXPECT_LT(brightness(play), lit * 0.6);
    auto* slider = control<TrackSlider>(skin.currentRoot()->sliders, QStringLiteral("VolumeSlider"));
    const double sliderLit = brightness(slider);
    slider->setEnabled(false);
    EXPECT_LT(brightness(slider), sliderLit * 0.6);
    delete root;
}

namespace {
QByteArray encoded(const QImage& image, const char* format = "PNG")
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
}

TEST(SkinArt, TheArtViewShowsArtInEveryOrientationAndThePlaceholderForBadArt)
{
    SkinFolder folder(R"(<skin apiVersion="4.3">
      <Portrait><view x="0" y="0" width="320" height="400"><art id="AlbumArt" x="10" y="10" width="60" height="60"
        imgFrame="a.png" imgPlaceholder="b.png" inset="4"/></view></Portrait>
      <Landscape><view x="0" y="0" width="400" height="320"><art x="0" y="0" width="80" height="80"/></view></Landscape>
    </skin>)");
    Skin skin(folder.relative, nullptr, UserDefaults::standard());
    skin.viewNamed(QStringLiteral("Portrait"));
    ASSERT_EQ(skin.currentRoot()->artViews.size(), 1u);
    auto* portrait = qobject_cast<ArtView*>(skin.currentRoot()->artViews[0].control.data());
    ASSERT_TRUE(portrait);
    EXPECT_EQ(portrait->geometry(), QRect(10, 10, 60, 60));
    EXPECT_EQ(portrait->pictureArea(), QRectF(4, 4, 52, 52));
    EXPECT_FALSE(portrait->showsPicture());

    QImage cover(300, 200, QImage::Format_RGB32);
    cover.fill(Qt::blue);
    skin.setAlbumArt(encoded(cover));
    EXPECT_TRUE(portrait->showsPicture());
    skin.viewNamed(QStringLiteral("Landscape"));
    auto* landscape = qobject_cast<ArtView*>(skin.currentRoot()->artViews[0].control.data());
    ASSERT_TRUE(landscape);
    EXPECT_TRUE(landscape->showsPicture()) << "built after the art came, it shows it too";
    const QImage drawn = landscape->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(40, 40), QColor(Qt::blue));
    EXPECT_NE(drawn.pixelColor(40, 5), QColor(Qt::blue)) << "a wide cover keeps its shape";

    QImage huge(1, 1, QImage::Format_RGB32);
    QByteArray claimsHuge = encoded(huge);
    claimsHuge[16] = 0x7f; // the PNG header's width: two billion pixels
    for (const QByteArray& bad : { QByteArray("not an image"), claimsHuge, QByteArray() }) {
        skin.setAlbumArt(encoded(cover));
        skin.setAlbumArt(bad);
        EXPECT_FALSE(landscape->showsPicture());
        EXPECT_FALSE(portrait->showsPicture());
    }
}

TEST(SkinArt, ShrinkingAveragesEverySourcePixel)
{
    // Fine black and white stripes shown sevenfold smaller must turn grey;
    // sampling a few pixels per screen pixel would leave them black or white.
    QImage stripes(700, 700, QImage::Format_RGB32);
    for (int y = 0; y < 700; ++y)
        for (int x = 0; x < 700; ++x)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    ArtView view;
    view.resize(100, 100);
    view.setPicture(stripes);
    const QImage shown = view.grab().toImage();
    for (const QPoint& p : { QPoint(3, 3), QPoint(31, 67), QPoint(96, 96) })
        EXPECT_NEAR(qGray(shown.pixel(p)), 128, 24) << p.x() << "," << p.y();
}
