// The settings' advanced controls against a real VLC 3 playing a film with
// two audio and two subtitle tracks and three chapters, made by ffmpeg.
#include "app/BundleInstaller.h"
#include "app/CentralAccessFactory.h"
#include "ChapteredMovie.h"
#include "core/xml/XMLParser.h"
#include "LiveRemote.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AspectRatio/AspectRatioViewController.h"
#include "screens/AudioDelay/AudioDelayViewController.h"
#include "screens/ChapterTitle/ChapterTitleViewController.h"
#include "screens/DVD/DVDViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Speed/SpeedViewController.h"
#include "screens/Track/TrackViewController.h"
#include "TestSupport.h"
#include "ui/BWNavigationController.h"
#include "VlcInstance.h"

#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {
class AdvancedControlsOnRealVlc : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_movie = std::make_unique<ChapteredMovie>(); }
    static void TearDownTestSuite() { s_movie.reset(); }

    void SetUp() override
    {
        QString why;
        if (!VlcInstance::canRun(&why))
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(s_movie->isValid()) << s_movie->error().toStdString();
        VlcInstance::Options options;
        options.media = { s_movie->path() };
        vlc = std::make_unique<VlcInstance>(options);
        ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();
        home = std::make_unique<ScopedHome>();
        BundleInstaller::install();
        observer = std::make_unique<LiveRemote>(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(observer->probe());
        ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().isPlaying() && streams() == 5; }));

        remote = std::make_shared<VLCController>();
        remote->setNetwork(factory().network());
        remote->setHostAddress(vlc->hostAddress());
        remote->setPassword(vlc->password());
        ASSERT_TRUE(refresh(*remote));
        factory().mainViewController()->setCurrentRemote(remote);
        nav = std::make_unique<BWNavigationController>(new ViewController);
        nav->resize(390, 700);
        nav->show();
    }

    void TearDown() override
    {
        nav.reset();
        remote.reset();
        CentralAccessFactory::shutdown();
        observer.reset();
        home.reset();
        if (vlc && vlc->crashed())
            std::cerr << "note: VLC itself crashed during this case; its log:\n" << vlc->log().toStdString() << std::endl;
        vlc.reset();
    }

    static CentralAccessFactory& factory() { return CentralAccessFactory::sharedFactory(); }

    template <typename Screen>
    Screen* push(Screen* screen)
    {
        nav->pushViewController(screen, false);
        return screen;
    }

    // The observer's view of the player.
    const PlayerStatus& status() { return (*observer)->state().playerStatus(); }
    const PlayerStatus::Stream* stream(int n)
    {
        for (const PlayerStatus::Stream& s : status().streams)
            if (s.streamId == QString::number(n))
                return &s;
        return nullptr;
    }
    int streams()
    {
        int n = 0;
        while (stream(n))
            ++n;
        return n;
    }
    // Whether VLC is decoding the stream (it adds the decoded format to the
    // stream's information once it does).
    bool decoding(int n)
    {
        const PlayerStatus::Stream* s = stream(n);
        return s && s->details.find(u"Decoded format");
    }
    static bool refresh(VLCController& r)
    {
        r.updatePlaylist();
        waitUntil([&] { return r.state().hasPlaylist() && !r.isBusy(); }, 5000);
        r.updateStatus();
        return waitUntil([&] { return r.state().hasStatus() && !r.isBusy(); }, 5000);
    }
    // Whether VLC answered what the action sent with a status document
    // (not an error page).
    bool answeredWithStatus(const std::function<void()>& action)
    {
        waitUntil([&] { return !remote->isBusy(); }, 5000);
        bool status = false;
        const auto connection = QObject::connect(remote.get(), &VLCController::requestConcluded,
                                                 [&](const RequestResult& result) {
                                                     status = status || (result.reply == ReplyKind::Status && result.httpStatus == 200);
                                                 });
        action();
        const bool answered = waitUntil([&] { return status; }, 5000);
        QObject::disconnect(connection);
        return answered;
    }
    // Taps a row, then gives the command time to reach VLC before the next.
    template <typename Screen>
    void tap(Screen* screen, int section, int row)
    {
        screen->didSelectRowAtIndexPath(screen->myTableView(), IndexPath(section, row));
        waitUntil([&] { return !remote->isBusy(); }, 5000);
    }

    static std::unique_ptr<ChapteredMovie> s_movie;
    std::unique_ptr<VlcInstance> vlc;
    std::unique_ptr<ScopedHome> home;
    std::unique_ptr<LiveRemote> observer;
    std::shared_ptr<VLCController> remote;
    std::unique_ptr<BWNavigationController> nav;
};

std::unique_ptr<ChapteredMovie> AdvancedControlsOnRealVlc::s_movie;

QString rowText(TableView* table, int section, int row)
{
    table->scrollToRowAtIndexPath(IndexPath(section, row), TableView::ScrollPositionMiddle, false);
    TableViewCell* cell = table->cellForRowAtIndexPath(IndexPath(section, row));
    return cell ? cell->textLabel()->text() : QString();
}
}

TEST_F(AdvancedControlsOnRealVlc, TrackScreensListTheStreamsAndTheSecondAudioTrackIsTaken)
{
    auto* tracks = push(factory().audioTrackViewController());
    TableView* table = tracks->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 6);
    EXPECT_EQ(rowText(table, 0, 0), QStringLiteral("None"));
    EXPECT_EQ(rowText(table, 0, 2), QStringLiteral("English"));
    EXPECT_EQ(rowText(table, 0, 4), QStringLiteral("French"));
    ASSERT_EQ(table->numberOfRowsInSection(1), 4);
    EXPECT_EQ(rowText(table, 1, 2), QStringLiteral("Track 1"));
    EXPECT_FALSE(decoding(2)) << "French is not playing yet";

    tap(tracks, 0, 4);
    EXPECT_TRUE(observer->waitFor([&] { return decoding(2); })) << "VLC decodes the French track once chosen";
    EXPECT_EQ(tracks->myTableView()->cellForRowAtIndexPath(IndexPath(0, 4))->accessoryType(),
              TableViewCell::AccessoryCheckmark);

    nav->popViewControllerAnimated(false);
    auto* subtitles = push(factory().subtitleTrackViewController());
    table = subtitles->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 6);
    EXPECT_EQ(rowText(table, 0, 2), QStringLiteral("English"));
    EXPECT_EQ(rowText(table, 0, 4), QStringLiteral("German"));
    EXPECT_TRUE(answeredWithStatus([&] { subtitles->didSelectRowAtIndexPath(table, IndexPath(0, 4)); }));
    EXPECT_FALSE(vlc->crashed());
}

TEST_F(AdvancedControlsOnRealVlc, EveryAspectRatioReadsBackAndChapterTwoStartsAtItsStart)
{
    auto* ratios = push(factory().aspectRatioViewController());
    TableView* table = ratios->myTableView();
    ASSERT_EQ(table->numberOfRowsInSection(0), 9);
    for (int row = 1; row < 9; ++row) {
        const QString ratio = rowText(table, 0, row);
        tap(ratios, 0, row);
        EXPECT_TRUE(observer->waitFor([&] { return status().vlc3AspectRatio == ratio; })) << ratio.toStdString();
    }
    tap(ratios, 0, 0);
    EXPECT_TRUE(observer->waitFor([&] { return status().vlc3AspectRatio == QStringLiteral("default"); }));
    EXPECT_TRUE(waitUntil([&] {
        return table->cellForRowAtIndexPath(IndexPath(0, 0))->accessoryType() == TableViewCell::AccessoryCheckmark;
    }));

    nav->popViewControllerAnimated(false);
    auto* chapters = push(factory().chapterTitleViewController());
    table = chapters->myTableView();
    ASSERT_TRUE(waitUntil([&] { return table->numberOfRowsInSection(1) == 3; }, 5000));
    EXPECT_EQ(table->numberOfRowsInSection(0), 1);
    EXPECT_EQ(rowText(table, 1, 1), QStringLiteral("Chapter 2"));
    EXPECT_EQ(table->cellForRowAtIndexPath(IndexPath(1, 0))->accessoryType(), TableViewCell::AccessoryCheckmark);
    tap(chapters, 1, 1);
    const int start = ChapteredMovie::chapterSeconds;
    EXPECT_TRUE(observer->waitFor([&] {
        const int t = (*observer)->state().smoothedTimeElapsedSeconds();
        return t >= start && t <= start + 3;
    })) << "time " << (*observer)->state().smoothedTimeElapsedSeconds();
    EXPECT_TRUE(waitUntil([&] {
        return table->cellForRowAtIndexPath(IndexPath(1, 1))->accessoryType() == TableViewCell::AccessoryCheckmark;
    }, 4000)) << "the tick follows the player";
}

TEST_F(AdvancedControlsOnRealVlc, SpeedDelayKeysAndDvdKeysReachVlc)
{
    auto rate = [&] { return status().rate.value_or(0); };
    auto* speed = push(factory().speedViewController());
    EXPECT_EQ(speed->speedLabel()->text(), QStringLiteral("Speed x 1.00"));
    const std::pair<void (SpeedViewController::*)(), double> steps[] = {
        { &SpeedViewController::faster, 2.0 }, { &SpeedViewController::normal, 1.0 },
        { &SpeedViewController::slower, 0.5 }, { &SpeedViewController::normal, 1.0 },
    };
    for (const auto& [button, expected] : steps) {
        (speed->*button)();
        EXPECT_TRUE(observer->waitFor([&] { return rate() == expected; })) << "rate " << rate() << " not " << expected;
    }

    nav->popViewControllerAnimated(false);
    auto* delay = push(factory().audioDelayViewController());
    delay->rotatorStoppedChangingAt(1.5f);
    EXPECT_TRUE(observer->waitFor([&] { return status().vlc3AudioDelay == 1.5; }));

    // The plain menu's key commands work on VLC 3 too.
    nav->popViewControllerAnimated(false);
    auto* keys = push(factory().additionalActionsViewController());
    tap(keys, 1, 0); // Faster
    EXPECT_TRUE(observer->waitFor([&] { return rate() > 1.0; })) << "rate " << rate();

    // Every DVD key is answered with a status document, not an error page.
    nav->popViewControllerAnimated(false);
    auto* dvd = push(factory().dvdViewController());
    for (Qt::Key key : { Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_M })
        EXPECT_TRUE(answeredWithStatus([&] { QTest::keyClick(dvd, key); })) << "key " << key;
    EXPECT_FALSE(vlc->crashed());
}
