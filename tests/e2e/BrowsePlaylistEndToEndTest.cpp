// The folder browser and the playlist screen against a real VLC 3, with
// folders and files named the way real libraries name them.
#include "app/BundleInstaller.h"
#include "app/CentralAccessFactory.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "KeepPicture.h"
#include "LiveRemote.h"
#include "SampleMedia.h"
#include "screens/BrowseView/BrowseViewController.h"
#include "screens/Cells/BrowseCell.h"
#include "screens/MainView/MainViewController.h"
#include "screens/PlaylistView/PlaylistViewController.h"
#include "TestSupport.h"
#include "ui/AlertView.h"
#include "ui/BWNavigationController.h"
#include "ui/BarButtonItem.h"
#include "ui/ImageButton.h"
#include "ui/WidgetAlertPresenter.h"
#include "VlcInstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {
// Folders with an ampersand, an apostrophe and a double space, a hash, a
// percent sign and a plus, letters beyond Latin, a name VLC sorts before
// "..", and one VLC may not read.
const char* const trickyFiles[] = {
    "Rock & Roll/a&b.wav",
    "Tom's  Mix/it's  two.wav",
    "C# 100% +1/c#+%25.wav",
    "Ünïcödé Ψ 音楽/日本 語.wav",
    "(Live)/live.wav",
};

class TrickyMedia {
public:
    TrickyMedia()
        : m_dir(QStringLiteral("/tmp/playerlink-browse-XXXXXX"))
    {
        for (const char* name : trickyFiles) {
            const QString path = m_dir.filePath(QString::fromUtf8(name));
            QDir().mkpath(QFileInfo(path).path());
            SampleMedia::writeWav(path, 20, 440);
        }
        SampleMedia::writeWav(m_dir.filePath(QStringLiteral("top.wav")), 20, 550);
        SampleMedia::makeReadableByAll(m_dir.path());
        QDir().mkpath(locked());
        QFile::setPermissions(locked(), QFile::Permissions());
    }
    ~TrickyMedia() { QFile::setPermissions(locked(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }
    QString folder() const { return m_dir.path(); }
    QString locked() const { return m_dir.filePath(QStringLiteral("locked")); }

private:
    QTemporaryDir m_dir;
};

class BrowsePlaylistOnRealVlc : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_media = std::make_unique<TrickyMedia>(); }
    static void TearDownTestSuite() { s_media.reset(); }

    void start(const QStringList& media)
    {
        QString why;
        if (!VlcInstance::canRun(&why))
            GTEST_SKIP() << why.toStdString();
        VlcInstance::Options options;
        options.media = media;
        vlc = std::make_unique<VlcInstance>(options);
        ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();
        home = std::make_unique<ScopedHome>();
        BundleInstaller::install();
        UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
        observer = std::make_unique<LiveRemote>(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(observer->probe());
        remote = std::make_shared<VLCController>();
        remote->setNetwork(factory().network());
        remote->setHostAddress(vlc->hostAddress());
        remote->setPassword(vlc->password());
        // As on the remote screen, the first status tells which VLC it is.
        remote->updateStatus();
        ASSERT_TRUE(waitUntil([&] { return remote->state().hasStatus() && !remote->isBusy(); }, 8000));
        factory().mainViewController()->setCurrentRemote(remote);
        nav = std::make_unique<BWNavigationController>(new ViewController);
        alerts = std::make_unique<WidgetAlertPresenter>(nav.get());
        AlertPresenter::setCurrent(alerts.get());
        factory().setAlertPresenter(*alerts);
        nav->resize(390, 700);
        nav->show();
    }

    void TearDown() override
    {
        AlertPresenter::setCurrent(nullptr);
        nav.reset();
        remote.reset();
        CentralAccessFactory::shutdown();
        observer.reset();
        home.reset();
        vlc.reset(); // reports a VLC that died on its own
    }

    static CentralAccessFactory& factory() { return CentralAccessFactory::sharedFactory(); }

    BrowseViewController* openBrowser(const QString& folder)
    {
        BrowseViewController* screen = factory().browseViewController();
        screen->setCurrentRemote(remote);
        nav->pushViewController(screen, false);
        remote->setBrowseDir(folder);
        remote->updateBrowseList();
        EXPECT_TRUE(waitUntil([&] { return remote->state().listedDir() == folder; }, 8000));
        return screen;
    }

    int rowNamed(const QString& name) const
    {
        for (int i = 0; i < int(remote->state().browseArray().size()); ++i)
            if (remote->state().browseInfo(QStringLiteral("name"), i) == name)
                return i;
        return -1;
    }

    bool listingShows(const QString& name, int timeoutMs = 8000)
    {
        return waitUntil([&] { return !remote->isBusy() && rowNamed(name) >= 0; }, timeoutMs);
    }

    ImageButton* rowButton(BrowseViewController* screen, int row)
    {
        auto* cell = qobject_cast<BrowseCell*>(screen->myTableView()->cellForRowAtIndexPath(IndexPath(0, row)));
        return cell ? qobject_cast<ImageButton*>(cell->view()) : nullptr;
    }

    bool vlcPlays(const QString& title)
    {
        return observer->waitFor([&] {
            return (*observer)->state().isPlaying() && (*observer)->state().titleForIndex(PlayerState::currentItem) == title;
        }, 10000);
    }

    static std::unique_ptr<TrickyMedia> s_media;
    std::unique_ptr<VlcInstance> vlc;
    std::unique_ptr<ScopedHome> home;
    std::unique_ptr<LiveRemote> observer;
    std::shared_ptr<VLCController> remote;
    std::unique_ptr<BWNavigationController> nav;
    std::unique_ptr<WidgetAlertPresenter> alerts;
};

std::unique_ptr<TrickyMedia> BrowsePlaylistOnRealVlc::s_media;
}

TEST_F(BrowsePlaylistOnRealVlc, AwkwardFoldersOpenTheirFilesPlayAndUpComesBack)
{
    start({});
    BrowseViewController* screen = openBrowser(s_media->folder());
    // VLC lists "(Live)" before ".."; the way up is still the first row.
    EXPECT_EQ(remote->state().browseInfo(QStringLiteral("name"), 0), QStringLiteral(".."));
    ASSERT_GE(rowNamed(QStringLiteral("(Live)")), 1);

    for (const char* name : trickyFiles) {
        const QString relative = QString::fromUtf8(name);
        const QString folder = relative.section(u'/', 0, 0);
        const QString file = relative.section(u'/', 1);
        SCOPED_TRACE(relative.toStdString());
        const int row = rowNamed(folder);
        ASSERT_GE(row, 1);
        screen->didSelectRowAtIndexPath(screen->myTableView(), IndexPath(0, row));
        ASSERT_TRUE(listingShows(file));
        EXPECT_EQ(remote->state().browseDir(), s_media->folder() + u'/' + folder);
        ImageButton* play = rowButton(screen, rowNamed(file));
        ASSERT_TRUE(play);
        EXPECT_EQ(play->objectName(), QStringLiteral("Play.png"));
        play->click();
        ASSERT_TRUE(vlcPlays(file));
        spinEventLoop(600); // VLC 3.0 can fall over when switched again too soon

        // Backspace goes up, wherever the focus is.
        QTest::keyClick(nav.get(), Qt::Key_Backspace);
        ASSERT_TRUE(listingShows(QStringLiteral("top.wav")));
        EXPECT_EQ(remote->state().browseInfo(QStringLiteral("name"), 0), QStringLiteral(".."));
    }
}

TEST_F(BrowsePlaylistOnRealVlc, AFolderVlcCannotReadKeepsTheUserWhereTheyWere)
{
    start({});
    BrowseViewController* screen = openBrowser(s_media->folder());
    const int rows = int(remote->state().browseArray().size());
    const int locked = rowNamed(QStringLiteral("locked"));
    ASSERT_GE(locked, 1);
    screen->openRow(locked);
    ASSERT_TRUE(waitUntil([&] { return screen->folderNoticeShown(); }, 8000));
    EXPECT_EQ(remote->state().browseDir(), s_media->folder());
    EXPECT_EQ(screen->myTableView()->numberOfRowsInSection(0), rows);
    keepPicture(nav.get(), QStringLiteral("browser-cannot-open"));
    // And from there on as before.
    screen->openRow(rowNamed(QStringLiteral("(Live)")));
    ASSERT_TRUE(listingShows(QStringLiteral("live.wav")));
    EXPECT_FALSE(screen->folderNoticeShown());
}

TEST_F(BrowsePlaylistOnRealVlc, AddingWhileStoppedLeavesTheFileLastAndCurrentAndVlcStopped)
{
    start({ s_media->folder() + QStringLiteral("/Rock & Roll/a&b.wav") });
    ASSERT_TRUE(observer->command([](VLCController& c) { c.stop(); }));
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().isStopped(); }));
    BrowseViewController* screen = openBrowser(s_media->folder() + QStringLiteral("/Tom's  Mix"));
    ASSERT_TRUE(waitUntil([&] { return remote->state().isStopped(); }, 8000)); // the browser's own status poll
    screen->modeButton()->trigger();
    ASSERT_TRUE(remote->record().browseAdd);
    const QString file = QStringLiteral("it's  two.wav");
    ImageButton* add = rowButton(screen, rowNamed(file));
    ASSERT_TRUE(add);
    EXPECT_EQ(add->objectName(), QStringLiteral("Add.png"));
    add->click();
    ASSERT_TRUE(waitUntil([&] { return remote->connection().requestQueue().empty() && !remote->isBusy(); }, 10000));
    VLCController& seen = **observer;
    ASSERT_TRUE(observer->waitFor([&] {
        return seen.state().itemsInPlaylist() == 2 && seen.state().isStopped() && seen.state().currentIndex() == 1;
    }));
    EXPECT_EQ(seen.state().titleForIndex(1), file);
}

TEST_F(BrowsePlaylistOnRealVlc, FoldersPlayWithThePreferenceOn)
{
    start({});
    UserDefaults::standard().setBool(PreferenceKeys::playFolders, true);
    BrowseViewController* screen = openBrowser(s_media->folder());
    const int row = rowNamed(QStringLiteral("Ünïcödé Ψ 音楽"));
    ASSERT_GE(row, 1);
    ImageButton* play = rowButton(screen, row);
    ASSERT_TRUE(play);
    play->click();
    ASSERT_TRUE(vlcPlays(QStringLiteral("日本 語.wav")));
}

TEST_F(BrowsePlaylistOnRealVlc, PlaylistRemovesEmptiesAndTogglesModesAsVlcReports)
{
    const QString folder = s_media->folder();
    start({ folder + QStringLiteral("/top.wav"), folder + QStringLiteral("/C# 100% +1/c#+%25.wav"),
            folder + QStringLiteral("/(Live)/live.wav") });
    VLCController& seen = **observer;
    ASSERT_TRUE(observer->waitFor([&] { return seen.state().itemsInPlaylist() == 3 && seen.state().isPlaying(); }));
    PlaylistViewController* screen = factory().playlistViewController();
    screen->setCurrentRemote(remote);
    nav->pushViewController(screen, false);
    remote->updatePlaylist();
    TableView* table = screen->myTableView();
    ASSERT_TRUE(waitUntil([&] { return table->numberOfRowsInSection(0) == 3; }, 8000));
    EXPECT_TRUE(table->cellForRowAtIndexPath(IndexPath(0, 0))->isEmphasized());
    keepPicture(nav.get(), QStringLiteral("playlist-real"));

    // Remove the second item by its button.
    auto* remove = qobject_cast<ImageButton*>(table->cellForRowAtIndexPath(IndexPath(0, 1))->accessoryView());
    ASSERT_TRUE(remove);
    ASSERT_TRUE(waitUntil([&] { return !remote->isBusy(); }));
    remove->click();
    ASSERT_TRUE(observer->waitFor([&] { return seen.state().itemsInPlaylist() == 2; }));
    EXPECT_EQ(seen.state().titleForIndex(1), QStringLiteral("live.wav"));
    ASSERT_TRUE(waitUntil([&] { return table->numberOfRowsInSection(0) == 2; }, 8000));

    // Each mode: the image changes with the status VLC sends back.
    struct Mode {
        BarButtonItem* button;
        const char* image;
        std::function<bool(const VLCController&)> on;
    };
    for (const Mode& mode : { Mode { screen->loopButton(), "Loop", [](const VLCController& c) { return c.state().isLooping(); } },
                              Mode { screen->repeatButton(), "Repeat", [](const VLCController& c) { return c.state().isRepeating(); } },
                              Mode { screen->randomButton(), "Random", [](const VLCController& c) { return c.state().isRandom(); } } }) {
        SCOPED_TRACE(mode.image);
        ASSERT_TRUE(waitUntil([&] { return !remote->isBusy(); }));
        const bool before = mode.on(*remote);
        const QString expected = QString::fromLatin1(mode.image) + (before ? QStringLiteral(".png") : QStringLiteral("_Yes.png"));
        int statusesBefore = int(remote->state().statusGeneration());
        QString shownWhenSent;
        mode.button->trigger();
        shownWhenSent = screen->modeImage(mode.button);
        EXPECT_NE(shownWhenSent, expected); // not at the tap
        ASSERT_TRUE(waitUntil([&] { return int(remote->state().statusGeneration()) > statusesBefore; }, 8000));
        EXPECT_EQ(screen->modeImage(mode.button), expected);
        ASSERT_TRUE(observer->waitFor([&] { return mode.on(seen) != before; }));
    }

    // Empty, after the question.
    ASSERT_TRUE(waitUntil([&] { return !remote->isBusy(); }));
    screen->emptyButton()->trigger();
    ASSERT_TRUE(AlertView::topAlert());
    AlertView::topAlert()->pressButton(0);
    ASSERT_TRUE(observer->waitFor([&] { return seen.state().itemsInPlaylist() == 0; }));
    ASSERT_TRUE(waitUntil([&] { return table->numberOfRowsInSection(0) == 0; }, 8000));
}
