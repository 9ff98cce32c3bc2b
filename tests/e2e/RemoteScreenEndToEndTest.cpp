#include "app/BundleInstaller.h"
#include "LiveRemote.h"
#include "RealVlcTest.h"
#include "screens/MainView/MainViewController.h"
#include "skin/Skin.h"
#include "TestSupport.h"
#include "ui/FitLabel.h"
#include "ui/ImageButton.h"
#include "ui/SensitivePicker.h"
#include "ui/ZoomSlider.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {
// The remote screen with the shipped skin, driving a real VLC of its own.
class RemoteScreenOnRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        startVlc();
        if (IsSkipped() || HasFatalFailure())
            return;
        home = std::make_unique<ScopedHome>();
        BundleInstaller::install();
        // A second remote to the same VLC watches what the screen did.
        observer = std::make_unique<LiveRemote>(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(observer->probe());
        ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().isPlaying() && allRead(); }));

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
        observer.reset();
        home.reset();
        RealVlcTest::TearDown();
    }

    bool allRead()
    {
        for (const PlaylistItem& item : (*observer)->state().playlist().items())
            if (item.duration <= 0)
                return false;
        return (*observer)->state().itemsInPlaylist() == int(media().files().size());
    }

    template <typename T>
    T* control(const std::vector<SkinControl> SkinRoot::*list, const QString& id)
    {
        for (const SkinControl& entry : screen->currentSkin()->currentRoot()->*list)
            if (entry.id == id)
                return qobject_cast<T*>(entry.control.data());
        return nullptr;
    }

    void click(const QString& id)
    {
        auto* button = control<ImageButton>(&SkinRoot::buttons, id);
        ASSERT_TRUE(button) << id.toStdString();
        ASSERT_TRUE(button->isEnabled()) << id.toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // The screen shows VLC's state within about one poll.
    bool shows(const std::function<bool()>& pred, int timeoutMs = 3000) { return waitUntil(pred, timeoutMs); }

    std::unique_ptr<ScopedHome> home;
    std::unique_ptr<LiveRemote> observer;
    QNetworkAccessManager network;
    std::shared_ptr<VLCController> remote;
    std::unique_ptr<QWidget> window;
    MainViewController* screen = nullptr;
};

}

TEST_F(RemoteScreenOnRealVlc, ShowsWhatVlcPlaysWithinAPoll)
{
    auto* nowPlaying = control<FitLabel>(&SkinRoot::labels, QStringLiteral("NowPlaying"));
    auto* status = control<FitLabel>(&SkinRoot::labels, QStringLiteral("Status"));
    ASSERT_TRUE(nowPlaying && status);
    ASSERT_TRUE(shows([&] { return nowPlaying->text() == QStringLiteral("alpha.wav"); }, 1500));
    EXPECT_TRUE(shows([&] { return status->text() == QStringLiteral("Connected to ") + vlc->hostAddress(); }, 1500));
    EXPECT_EQ(control<FitLabel>(&SkinRoot::labels, QStringLiteral("TimeLength"))->text(), QStringLiteral("00:30"));
}

TEST_F(RemoteScreenOnRealVlc, TheTimeCountsOnEverySecondWhatEverThePollsDo)
{
    // Every third second the status poll gives way to the playlist poll;
    // the time, the scale and the wheel count on all the same.
    auto* elapsed = control<FitLabel>(&SkinRoot::labels, QStringLiteral("TimeElapsed"));
    auto* remaining = control<FitLabel>(&SkinRoot::labels, QStringLiteral("TimeRemaining"));
    auto* position = control<ZoomSlider>(&SkinRoot::zoomSliders, QStringLiteral("PositionSlider"));
    auto* picker = control<SensitivePicker>(&SkinRoot::pickers, QString());
    ASSERT_TRUE(elapsed && remaining && position && picker);
    ASSERT_TRUE(shows([&] { return remote->state().isPlaying() && remote->state().timeLengthSeconds() == 30; }, 3000));
    if (remote->state().smoothedTimeElapsedSeconds() > 12)
        screen->seek(1);
    spinEventLoop(2500); // settled after the first replies (or the seek)
    auto seconds = [](const QString& text) {
        const QStringList parts = text.split(u':');
        return parts.size() == 2 ? parts[0].toInt() * 60 + parts[1].toInt() : -1;
    };
    QList<int> shown;
    for (int sample = 0; sample < 48; ++sample) {
        spinEventLoop(250);
        const int e = seconds(elapsed->text());
        ASSERT_GE(e, 0) << elapsed->text().toStdString();
        EXPECT_EQ(e + seconds(remaining->text()), 30) << "remaining counts down with it";
        EXPECT_EQ(int(position->value()), e);
        EXPECT_EQ(picker->selectedRowInComponent(1) % 60, e % 60);
        if (shown.isEmpty() || shown.last() != e)
            shown << e;
    }
    QStringList steps;
    for (int i = 1; i < shown.size(); ++i)
        steps << QString::number(shown[i] - shown[i - 1]);
    EXPECT_EQ(steps, QStringList(shown.size() - 1, QStringLiteral("1"))) << "seen: " << steps.join(u' ').toStdString();
    EXPECT_GE(shown.size(), 11) << "twelve seconds of playing";
}

TEST_F(RemoteScreenOnRealVlc, PlayPauseButtonPausesAndResumes)
{
    ASSERT_TRUE(shows([&] { return remote->state().isPlaying() && remote->state().itemsInPlaylist() == 4; }, 1500));
    click(QStringLiteral("PlayPause"));
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().playbackState() == QStringLiteral("paused"); }));
    ASSERT_TRUE(shows([&] { return remote->state().playbackState() == QStringLiteral("paused"); }));
    click(QStringLiteral("PlayPause"));
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().isPlaying(); }));
}

TEST_F(RemoteScreenOnRealVlc, SlidersAndVolumeButtonsSetTheVolume)
{
    ASSERT_TRUE(shows([&] { return remote->state().volume() == 100; }, 4500));
    click(QStringLiteral("VolumeMore"));
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().volume() == 110; }));
    click(QStringLiteral("VolumeLess"));
    click(QStringLiteral("VolumeLess"));
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().volume() == 90; }));

    // The user moves the volume scale to 150.
    auto* volume = control<ZoomSlider>(&SkinRoot::zoomSliders, QStringLiteral("VolumeSlider"));
    ASSERT_TRUE(volume);
    volume->setValueInform(150, true);
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().volume() == 150; }));
}

TEST_F(RemoteScreenOnRealVlc, ThePositionSliderSeeks)
{
    ASSERT_TRUE(shows([&] { return remote->state().isPlaying() && remote->state().itemsInPlaylist() == 4 && remote->state().timeLengthSeconds() == 30; }, 1500));
    click(QStringLiteral("PlayPause")); // paused, so the time holds still
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().playbackState() == QStringLiteral("paused"); }));
    auto* position = control<ZoomSlider>(&SkinRoot::zoomSliders, QStringLiteral("PositionSlider"));
    ASSERT_TRUE(position);
    ASSERT_TRUE(shows([&] { return position->maximumValue() == 30; }));
    position->setValueInform(20, true);
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().smoothedTimeElapsedSeconds() == 20; }));
    ASSERT_TRUE(shows([&] {
        return control<FitLabel>(&SkinRoot::labels, QStringLiteral("TimeElapsed"))->text() == QStringLiteral("00:20");
    }));
}

TEST_F(RemoteScreenOnRealVlc, NextAndPreviousMoveTheCurrentItem)
{
    ASSERT_TRUE(shows([&] {
        return remote->state().isPlaying() && remote->state().itemsInPlaylist() == 4 && remote->state().currentIndex().value_or(PlayerState::noCurrentItem) == 0;
    }, 4500));
    click(QStringLiteral("Next"));
    spinEventLoop(600); // VLC 3.0 can crash when asked for its status mid-switch
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().currentIndex().value_or(PlayerState::noCurrentItem) == 1; }));
    // VLC reports "stopped" for a moment while it switches, and the screen
    // rightly disables Previous then: wait until it shows the new item playing.
    ASSERT_TRUE(shows([&] {
        return remote->state().isPlaying()
            && control<FitLabel>(&SkinRoot::labels, QStringLiteral("NowPlaying"))->text() == QStringLiteral("Bob's Café Song.wav");
    }, 5000));
    // The title can come from the playlist before a status says VLC plays
    // again; until then Previous is rightly disabled.
    ASSERT_TRUE(shows([&] { return remote->state().isPlaying(); }, 5000));
    click(QStringLiteral("Previous"));
    spinEventLoop(600);
    ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().currentIndex().value_or(PlayerState::noCurrentItem) == 0; }));
}
