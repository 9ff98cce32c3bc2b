// Reading skin definitions without a view toolkit, through the one reader
// with every limit, and finding their images inside the skin's folder only.

#include "BlankPng.h"
#include "TestSupport.h"
#include "models/skin/SkinColour.h"
#include "models/skin/SkinDocument.h"
#include "skin/SkinFileAccess.h"
#include "skin/SkinImageBudget.h"
#include "skin/SkinReader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {
using Kind = SkinElement::Kind;

struct SkinFolder {
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    void write(const QString& name, const QByteArray& text) const
    {
        QDir().mkpath(QFileInfo(path() + u'/' + name).path());
        QFile file(path() + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void image(const QString& name, QSize size) const
    {
        QDir().mkpath(QFileInfo(path() + u'/' + name).path());
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(path() + u'/' + name));
    }
};

QStringList kindsAndIds(const SkinElement& view)
{
    QStringList out;
    for (const SkinElement& child : view.children)
        out << child.kindName() + u':' + child.id;
    return out;
}

const QString shippedSkin = QStringLiteral(PLAYERLINK_SOURCE_DIR "/resources/DefaultSkin");
}

TEST(SkinDocument, ReadsTheShippedSkinInBothOrientations)
{
    const SkinDocument skin(shippedSkin);
    ASSERT_TRUE(skin.isLoaded());
    EXPECT_FLOAT_EQ(skin.apiVersion(), 4.4f);
    EXPECT_EQ(skin.pointSize(QStringLiteral("Portrait")), QSize(390, 672));
    EXPECT_EQ(skin.pointSize(QStringLiteral("Landscape")), QSize(760, 314));
    const SkinElement* portrait = skin.root(QStringLiteral("Portrait"));
    ASSERT_TRUE(portrait);
    // Images lowest, then labels, zoom sliders, buttons, art, nested views.
    const QStringList order = kindsAndIds(*portrait);
    EXPECT_EQ(order.first(), u"image:");
    EXPECT_LT(order.indexOf(u"label:NowPlaying"), order.indexOf(u"zoom_slider:PositionSlider"));
    EXPECT_LT(order.indexOf(u"button:VolumeMore"), order.indexOf(u"art:AlbumArt"));
    EXPECT_EQ(order.last(), u"view:MainScrollView");
    const SkinElement& pages = portrait->children.back();
    EXPECT_EQ(pages.kind, Kind::ScrollView);
    EXPECT_EQ(pages.pageCount, 3);
    ASSERT_EQ(pages.children.size(), 3u);
    EXPECT_EQ(pages.children[2].frame, QRect(724, 0, 362, 254));
    EXPECT_EQ(pages.children[2].page, 2);
    EXPECT_EQ(portrait->all(Kind::Button).size(), 17u);
}

TEST(SkinDocument, BuildsWhatTheDefinitionSaysAndLeavesOutWhatItCannot)
{
    SkinFolder folder;
    folder.write(QStringLiteral("SkinDefinition.xml"), R"(<skin apiVersion="3.5">
      <Portrait><view width="320" height="480">
        <image id="upper" x="12.7" imgNormal="a.png"/>
        <image id="lower" imgNormal="b.png"/>
        <button id="Stop" hidden="1"/>
        <button id="Next" hidden="true"/>
        <view type="carousel" width="10" height="10"><button id="Loop"/></view>
        <view id="Pages" type="scrollView" width="320" height="100">
          <view width="320"/><view hidden="1"/><view width="320"><label id="Status"/></view>
        </view>
      </view></Portrait>
      <button id="Direct" width="5"/>
    </skin>)");
    ConsoleCapture log;
    const SkinDocument skin(folder.path());
    EXPECT_TRUE(skin.isLoaded());
    EXPECT_FLOAT_EQ(skin.apiVersion(), 3.5f);
    const SkinElement* root = skin.root(QStringLiteral("Portrait"));
    ASSERT_TRUE(root);
    // The image listed first lies above the other; hidden="1" alone hides;
    // a view of an unknown type is left out, and says so.
    EXPECT_EQ(kindsAndIds(*root), QStringList({ "image:lower", "image:upper", "button:Next", "view:Pages" }));
    EXPECT_EQ(root->children[1].frame, QRect(12, 0, 0, 0));
    EXPECT_TRUE(log.contains(QStringLiteral("unexpected view type - don't know how to initialise it")));
    // A hidden page keeps its place: the third page stands at 2 × 320.
    const SkinElement& pages = root->children.back();
    EXPECT_EQ(pages.pageCount, 3);
    ASSERT_EQ(pages.children.size(), 2u);
    EXPECT_EQ(pages.children[1].page, 2);
    EXPECT_EQ(pages.children[1].frame.x(), 640);
    // Without Landscape, the skin element itself is the view.
    const SkinElement* landscape = skin.root(QStringLiteral("Landscape"));
    ASSERT_TRUE(landscape);
    EXPECT_EQ(kindsAndIds(*landscape), QStringList({ "button:Direct" }));
}

TEST(SkinDocument, RefusesDefinitionsTooLargeTooDeepOrBroken)
{
    SkinFolder deep;
    QByteArray nested;
    for (int i = 0; i <= SkinReader::maxViewNesting; ++i)
        nested += "<view>";
    deep.write(QStringLiteral("SkinDefinition.xml"), "<skin><Portrait>" + nested + "</Portrait></skin>");
    EXPECT_FALSE(SkinDocument(deep.path()).isLoaded());
    EXPECT_EQ(SkinDocument(deep.path()).root(QStringLiteral("Portrait")), nullptr);

    SkinFolder large;
    large.write(QStringLiteral("SkinDefinition.xml"),
                "<skin apiVersion=\"4\"><!--" + QByteArray(SkinReader::maxDefinitionBytes, 'x') + "--></skin>");
    EXPECT_FALSE(SkinDocument(large.path()).isLoaded());
    EXPECT_FLOAT_EQ(SkinDocument(large.path()).apiVersion(), 0);

    SkinFolder broken;
    broken.write(QStringLiteral("SkinDefinition.xml"), "<skin apiVersion=\"4\"><Portrait><view width=\"3\"");
    EXPECT_FALSE(SkinDocument(broken.path()).isLoaded());
    EXPECT_FALSE(SkinDocument(QStringLiteral("/nonexistent/skin")).isLoaded());
}

TEST(SkinColour, ComponentsAreUsedAsGivenAndShortStringsAreWhite)
{
    EXPECT_EQ(SkinColour::fromString(QStringLiteral("1,0,0,1")), QColor::fromRgbF(1, 0, 0, 1));
    EXPECT_EQ(SkinColour::fromString(QStringLiteral("255,0,0,255")), QColor::fromRgbF(1, 0, 0, 1));
    EXPECT_EQ(SkinColour::fromString(QStringLiteral("0,0,1,0.5,9")), QColor::fromRgbF(0, 0, 1, 0.5));
    EXPECT_EQ(SkinColour::fromString(QStringLiteral("1,0,0")), QColor(Qt::white));
    EXPECT_EQ(SkinColour::fromString(QString()), QColor(Qt::white));
}

// A skin naming an image outside its folder, or images past their budget,
// is not shown at all: the screen then gives way to the built-in skin.
TEST(SkinDocument, RefusesSkinsWhoseFilesLeaveTheFolderOrWhoseImagesPassTheirBudget)
{
    SkinFolder outside;
    outside.write(QStringLiteral("secret.png"), blankPng(10, 10));
    outside.write(QStringLiteral("SkinDefinition.xml"), R"(<skin apiVersion="4"><Portrait><view width="9"/></Portrait></skin>)");
    const QString secret = outside.path() + QStringLiteral("/secret.png");
    auto naming = [](const QStringList& images) {
        QByteArray xml = R"(<skin apiVersion="4"><Portrait><view width="320" height="400">)";
        for (const QString& image : images)
            xml += R"(<image width="10" height="10" imgNormal=")" + image.toUtf8() + R"("/>)";
        return xml + "</view></Portrait></skin>";
    };
    const std::vector<std::tuple<const char*, QStringList, std::function<void(const SkinFolder&)>>> refused {
        { "climbing out", { QStringLiteral("../") + QFileInfo(outside.path()).fileName() + QStringLiteral("/secret.png") }, {} },
        { "absolute", { QStringLiteral("/dev/zero") }, {} },
        { "linking out", { QStringLiteral("out.png") },
          [&](const SkinFolder& skin) { QFile::link(secret, skin.path() + QStringLiteral("/out.png")); } },
        { "a fifo", { QStringLiteral("pipe.png") },
          [](const SkinFolder& skin) { ::mkfifo(QFile::encodeName(skin.path() + QStringLiteral("/pipe.png")).constData(), 0600); } },
        { "a twin too large", { QStringLiteral("a.png") },
          [](const SkinFolder& skin) { skin.write(QStringLiteral("a@2x.png"), blankPng(4096, 2049)); } },
        { "too large together", { QStringLiteral("a.png"), QStringLiteral("b.png"), QStringLiteral("c.png"), QStringLiteral("d.png") },
          [](const SkinFolder& skin) {
              for (const char* name : { "a.png", "b.png", "c.png", "d.png" })
                  skin.write(QString::fromLatin1(name), blankPng(2900, 2200));
          } },
        { "the definition linking out", {},
          [&](const SkinFolder& skin) {
              QFile::remove(skin.path() + QStringLiteral("/SkinDefinition.xml"));
              QFile::link(outside.path() + QStringLiteral("/SkinDefinition.xml"), skin.path() + QStringLiteral("/SkinDefinition.xml"));
          } },
    };
    for (const auto& [what, images, prepare] : refused) {
        SCOPED_TRACE(what);
        SkinFolder skin;
        skin.write(QStringLiteral("SkinDefinition.xml"), naming(images));
        skin.write(QStringLiteral("a.png"), blankPng(10, 10));
        if (prepare)
            prepare(skin);
        const SkinDocument document(skin.path());
        EXPECT_FALSE(document.isLoaded());
        const SkinElement* shown = document.root(QStringLiteral("Portrait"));
        EXPECT_TRUE(!shown || shown->children.empty());
    }
    // Sub-folders, symlinks that stay inside and missing images are fine.
    SkinFolder fine;
    fine.write(QStringLiteral("SkinDefinition.xml"), naming({ "a.png", "img/b.png", "inner.png", "missing.png" }));
    fine.write(QStringLiteral("a.png"), blankPng(10, 10));
    fine.write(QStringLiteral("img/b.png"), blankPng(2900, 2200));
    QFile::link(fine.path() + QStringLiteral("/a.png"), fine.path() + QStringLiteral("/inner.png"));
    EXPECT_TRUE(SkinDocument(fine.path()).isLoaded());
}

TEST(SkinFileAccess, ResolvesOnlyRegularFilesInsideTheSkinFolder)
{
    SkinFolder outside;
    outside.image(QStringLiteral("secret.png"), QSize(2, 2));
    SkinFolder skin;
    skin.image(QStringLiteral("play.png"), QSize(2, 2));
    skin.image(QStringLiteral("buttons/stop.png"), QSize(2, 2));
    QDir().mkpath(skin.path() + QStringLiteral("/folder.png"));
    ASSERT_EQ(::symlink(qPrintable(outside.path() + QStringLiteral("/secret.png")), qPrintable(skin.path() + QStringLiteral("/out.png"))), 0);
    ASSERT_EQ(::symlink(qPrintable(skin.path() + QStringLiteral("/play.png")), qPrintable(skin.path() + QStringLiteral("/alias.png"))), 0);
    ASSERT_EQ(::mkfifo(qPrintable(skin.path() + QStringLiteral("/pipe.png")), 0600), 0);

    const SkinFileAccess files(skin.path());
    const QString root = QFileInfo(skin.path()).canonicalFilePath();
    auto resolved = [&](const QString& name) {
        QString path;
        return files.resolve(name, &path) == SkinFileAccess::Verdict::Found ? path : QString();
    };
    EXPECT_EQ(resolved(QStringLiteral("play.png")), root + QStringLiteral("/play.png"));
    EXPECT_EQ(resolved(QStringLiteral("buttons/stop.png")), root + QStringLiteral("/buttons/stop.png"));
    EXPECT_EQ(resolved(QStringLiteral("alias.png")), root + QStringLiteral("/play.png"));
    const QString refused[] = {
        QStringLiteral("../") + QFileInfo(outside.path()).fileName() + QStringLiteral("/secret.png"),
        outside.path() + QStringLiteral("/secret.png"),
        QStringLiteral("buttons/../play.png"),
        QStringLiteral("out.png"),
        QStringLiteral("folder.png"),
        QStringLiteral("pipe.png"),
        QStringLiteral("buttons\\stop.png"),
    };
    for (const QString& name : refused)
        EXPECT_EQ(files.resolve(name, nullptr), SkinFileAccess::Verdict::Refused) << qPrintable(name);
    EXPECT_EQ(files.resolve(QStringLiteral("missing.png"), nullptr), SkinFileAccess::Verdict::Missing);
    EXPECT_EQ(files.resolve(QString(), nullptr), SkinFileAccess::Verdict::Missing);
}

TEST(SkinImageBudget, DecodesOnlyImagesWhoseHeaderGivesAModestSize)
{
    SkinFolder skin;
    skin.write(QStringLiteral("wide.png"), blankPng(SkinImageBudget::maxSide + 1, 1));
    skin.write(QStringLiteral("large.png"), blankPng(SkinImageBudget::maxSide, 2049));
    skin.image(QStringLiteral("edge.png"), QSize(SkinImageBudget::maxSide, 1));
    skin.write(QStringLiteral("junk.png"), "not an image");
    for (const char* name : { "wide.png", "large.png", "junk.png" }) {
        const QString path = skin.path() + u'/' + QLatin1String(name);
        EXPECT_TRUE(SkinImageBudget::read(path).isNull()) << name;
        EXPECT_FALSE(SkinImageBudget::size(path).isValid()) << name;
    }
    EXPECT_EQ(SkinImageBudget::read(skin.path() + QStringLiteral("/edge.png")).size(), QSize(SkinImageBudget::maxSide, 1));
    EXPECT_EQ(SkinImageBudget::twinName(QStringLiteral("dir.v2/play.png")), u"dir.v2/play@2x.png");
    EXPECT_EQ(SkinImageBudget::twinName(QStringLiteral("dir.v2/play")), u"dir.v2/play@2x");
    EXPECT_EQ(SkinImageBudget::twinName(QStringLiteral("dir/.png")), u"dir/.png@2x");
}
