#include "app/BundleInstaller.h"
#include "KeepPicture.h"
#include "RealVlcTest.h"
#include "screens/MainView/MainViewController.h"
#include "skin/Skin.h"
#include "TestSupport.h"
#include "ui/ArtView.h"
#include "ui/InterfaceOrientation.h"
#include "vlc/AlbumArtFetcher.h"
#include "vlc/VLCController.h"

#include <QNetworkAccessManager>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const QColor coverRed(0xc0, 0x20, 0x20);

bool isCoverRed(const QColor& c)
{
    return qAbs(c.red() - coverRed.red()) < 24 && qAbs(c.green() - coverRed.green()) < 24
        && qAbs(c.blue() - coverRed.blue()) < 24;
}

// The remote screen with the shipped skin on a VLC that plays an item
// without art, then one with.
class AlbumArtOnRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        QString why;
        if (!VlcInstance::canRun(&why))
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(folder.isValid());
        SampleMedia::makeReadableByAll(folder.path());
        const QString plain = folder.filePath(QStringLiteral("plain.wav"));
        const QString covered = folder.filePath(QStringLiteral("covered.mp3"));
        ASSERT_TRUE(SampleMedia::writeWav(plain, 30, 330));
        ASSERT_TRUE(SampleMedia::writeCoveredMp3(covered));
        SampleMedia::makeReadableByAll(plain);
        SampleMedia::makeReadableByAll(covered);
        VlcInstance::Options options;
        options.media = { plain, covered };
        vlc = std::make_unique<VlcInstance>(options);
        ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();

        home = std::make_unique<ScopedHome>();
        BundleInstaller::install();
        remote = std::make_shared<VLCController>(RemoteRecord {}, &network);
        remote->setHostAddress(vlc->hostAddress());
        remote->setPassword(vlc->password());
        window = std::make_unique<QWidget>();
        window->resize(390, 672);
        screen = new MainViewController(window.get());
        screen->resize(390, 672);
        screen->setCurrentRemote(remote);
        window->show();
        screen->beginAppearance(true, false);
        screen->endAppearance();
    }

    void TearDown() override
    {
        window.reset();
        remote.reset();
        home.reset();
        RealVlcTest::TearDown();
    }

    ArtView* artView()
    {
        for (const SkinControl& entry : screen->currentSkin()->currentRoot()->artViews)
            if (auto* view = qobject_cast<ArtView*>(entry.control.data()))
                return view;
        return nullptr;
    }

    QColor middleOfArt()
    {
        ArtView* view = artView();
        const QImage picture = view->grab().toImage();
        return picture.pixelColor(picture.rect().center());
    }

    QTemporaryDir folder;
    std::unique_ptr<ScopedHome> home;
    QNetworkAccessManager network;
    std::shared_ptr<VLCController> remote;
    std::unique_ptr<QWidget> window;
    MainViewController* screen = nullptr;
};
}

TEST_F(AlbumArtOnRealVlc, ShowsTheCoverOfTheItemPlayingAndThePlaceholderWithoutOne)
{
    ArtView* view = artView();
    ASSERT_TRUE(view) << "the shipped skin has an art view";
    ASSERT_TRUE(waitUntil([&] { return remote->state().isPlaying() && remote->state().itemsInPlaylist() == 2; }, 5000));
    spinEventLoop(1500); // a few polls: VLC has no art for this item
    EXPECT_FALSE(view->showsPicture());
    EXPECT_FALSE(isCoverRed(middleOfArt()));
    keepPicture(window.get(), QStringLiteral("art-placeholder"));

    screen->next();
    ASSERT_TRUE(waitUntil([&] { return view->showsPicture(); }, 8000)) << "VLC extracts the cover once the item plays";
    EXPECT_TRUE(isCoverRed(middleOfArt())) << qPrintable(middleOfArt().name());
    const QImage art = screen->currentSkin()->albumArt();
    EXPECT_EQ(art.size(), QSize(400, 400)) << "the cover as VLC serves it";
    keepPicture(window.get(), QStringLiteral("art-cover"));

    // VLC may name the art twice while it extracts it (and each name is
    // fetched), but once shown, the polls that follow fetch nothing.
    const int fetchesWhenShown = remote->connection().albumArtFetcher()->fetchesStarted();
    spinEventLoop(2500);
    EXPECT_EQ(remote->connection().albumArtFetcher()->fetchesStarted(), fetchesWhenShown) << "fetched once, not on every poll";

    // Turned sideways, the landscape layout shows the same art.
    window->resize(760, 360);
    screen->resize(760, 360);
    screen->setInterfaceOrientation(OrientationLandscapeRight);
    ASSERT_TRUE(waitUntil([&] { return artView() && artView() != view; }));
    EXPECT_TRUE(artView()->showsPicture());
    spinEventLoop(1200); // the next status fills the new layout's labels
    keepPicture(window.get(), QStringLiteral("art-landscape"));
}
