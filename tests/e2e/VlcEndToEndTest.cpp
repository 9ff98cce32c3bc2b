#include "LiveRemote.h"
#include "RealVlcTest.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace {
class AgainstRealVlc : public RealVlcTest {
protected:
    void SetUp() override
    {
        startVlc();
        if (IsSkipped() || HasFatalFailure())
            return;
        live = std::make_unique<LiveRemote>(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(live->probe()) << "VLC said: " << vlc->log().toStdString();
        VLCController& r = **live;
        ASSERT_TRUE(live->waitFor([&] {
            return r.state().isPlaying() && r.state().currentIndex().value_or(PlayerState::noCurrentItem) == 0 && allDurationsKnown();
        })) << "VLC said: " << vlc->log().toStdString();
    }

    void TearDown() override
    {
        live.reset();
        RealVlcTest::TearDown();
    }

    // VLC has finished reading every item it was given.
    bool allDurationsKnown()
    {
        VLCController& r = **live;
        for (const PlaylistItem& item : r.state().playlist().items())
            if (item.duration <= 0)
                return false;
        return r.state().itemsInPlaylist() > 0;
    }

    // Empties the playlist the way that does not upset VLC: stopped first.
    void stopAndEmpty()
    {
        VLCController& r = **live;
        ASSERT_TRUE(live->switchCommand([](VLCController& c) { c.stop(); }));
        ASSERT_TRUE(live->waitFor([&] { return r.state().isStopped(); }));
        ASSERT_TRUE(live->command([](VLCController& c) { c.emptyPlaylist(); }));
        ASSERT_TRUE(live->waitFor([&] { return r.state().itemsInPlaylist() == 0; }));
    }

    std::unique_ptr<LiveRemote> live;
};
}

TEST_F(AgainstRealVlc, ProbeKnowsVlc3AndItsPassword)
{
    VLCController& r = **live;
    EXPECT_TRUE(r.remoteFound());
    EXPECT_TRUE(r.luaMode());
    EXPECT_EQ(r.state().apiVersion(), 3);
    EXPECT_TRUE(r.state().playerStatus().version.startsWith(QStringLiteral("3.0")));
    EXPECT_EQ(r.status(), QStringLiteral("Connected to ") + vlc->hostAddress());

    LiveRemote wrong(vlc->hostAddress(), QStringLiteral("not the password"));
    ASSERT_TRUE(wrong.probe());
    EXPECT_FALSE(wrong->remoteFound());
    EXPECT_TRUE(wrong->passwordRefused());
    wrong.refreshStatus(); // answered with 401, not a status
    EXPECT_EQ(wrong->status(), QStringLiteral("Wrong password for ") + vlc->hostAddress());

    // A remote with a refused password beside one with the right password,
    // both polling the same VLC: the refusals must never reach the other.
    for (int i = 0; i < 10; ++i) {
        wrong.refreshStatus();
        ASSERT_TRUE(live->refreshStatus()) << i;
    }

    // Once the user corrects the password, every request gets through: a
    // refused password must not linger in pooled connections.
    wrong->setPassword(vlc->password());
    ASSERT_TRUE(wrong.probe());
    EXPECT_TRUE(wrong->remoteFound());
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(wrong.refreshStatus()) << i;
    EXPECT_EQ(wrong->status(), QStringLiteral("Connected to ") + vlc->hostAddress());

    LiveRemote none(vlc->hostAddress(), QString());
    ASSERT_TRUE(none.probe());
    EXPECT_TRUE(none->passwordRequired());
    EXPECT_FALSE(none->passwordRefused());
}

TEST_F(AgainstRealVlc, ProbeKnowsAVlcWithoutPassword)
{
    VlcInstance::Options options;
    options.password = QString();
    VlcInstance open(options);
    ASSERT_TRUE(open.started()) << open.error().toStdString();
    LiveRemote remote(open.hostAddress(), QStringLiteral("anything"));
    ASSERT_TRUE(remote.probe());
    EXPECT_FALSE(remote->remoteFound());
    EXPECT_TRUE(remote->passwordNotSet());
}

TEST_F(AgainstRealVlc, PauseStopAndPlayChangeTheState)
{
    VLCController& r = **live;
    ASSERT_TRUE(live->command([](VLCController& c) { c.pause(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().playbackState() == QStringLiteral("paused"); }));
    // playPause with the current item's id resumes it.
    const int current = r.state().idForIndex(PlayerState::currentItem);
    ASSERT_TRUE(live->command([current](VLCController& c) { c.playPause(current); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().isPlaying(); }));
    ASSERT_TRUE(live->switchCommand([](VLCController& c) { c.stop(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().isStopped(); }));
    const int third = r.state().idForIndex(2);
    ASSERT_TRUE(live->switchCommand([third](VLCController& c) { c.playFromStart(third); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().isPlaying() && r.state().idForIndex(PlayerState::currentItem) == third; }));
}

TEST_F(AgainstRealVlc, NextAndPreviousMoveTheCurrentItem)
{
    VLCController& r = **live;
    ASSERT_TRUE(live->switchCommand([](VLCController& c) { c.next(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().currentIndex().value_or(PlayerState::noCurrentItem) == 1; }));
    EXPECT_EQ(r.state().titleForIndex(PlayerState::currentItem), QStringLiteral("Bob's Café Song.wav"));
    ASSERT_TRUE(live->switchCommand([](VLCController& c) { c.next(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().currentIndex().value_or(PlayerState::noCurrentItem) == 2; }));
    ASSERT_TRUE(live->switchCommand([](VLCController& c) { c.previous(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().currentIndex().value_or(PlayerState::noCurrentItem) == 1; }));
}

TEST_F(AgainstRealVlc, SeekInAllThreeForms)
{
    VLCController& r = **live;
    ASSERT_TRUE(live->command([](VLCController& c) { c.pause(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().playbackState() == QStringLiteral("paused"); }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.seekSeconds(12); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().smoothedTimeElapsedSeconds() == 12; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.seekRelative(QStringLiteral("+5s")); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().smoothedTimeElapsedSeconds() == 17; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.seekRelative(QStringLiteral("-10s")); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().smoothedTimeElapsedSeconds() == 7; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.seek(50); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().position() == 50 && r.state().smoothedTimeElapsedSeconds() == 15; })); // of 30 s
}

TEST_F(AgainstRealVlc, VolumeSpeedAndDelayReadBackAsSet)
{
    VLCController& r = **live;
    ASSERT_TRUE(live->command([](VLCController& c) { c.setVolume(150); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().temporaryVolume() == -1 && r.state().volume() == 150; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.setVolume(37); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().temporaryVolume() == -1 && r.state().volume() == 37; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.setVolume(100); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().temporaryVolume() == -1 && r.state().volume() == 100; }));

    ASSERT_TRUE(live->command([](VLCController& c) { c.setSpeed(500); })); // twice as fast
    ASSERT_TRUE(live->waitFor([&] { return r.state().speed() == 500; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.speedSlower(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().speed() > 500; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.setSpeed(1000); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().speed() == 1000; }));

    ASSERT_TRUE(live->command([](VLCController& c) { c.setAudioDelay(0.5f); }));
    ASSERT_TRUE(live->waitFor([&] { return qAbs(r.state().audioDelay() - 0.5) < 1e-6; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.setAudioDelay(0.0f); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().audioDelay() == 0.0; }));
}

TEST_F(AgainstRealVlc, ModeTogglesFlipTheFlags)
{
    VLCController& r = **live;
    const bool random = r.state().isRandom();
    ASSERT_TRUE(live->command([](VLCController& c) { c.random(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().isRandom() != random; }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.random(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().isRandom() == random; }));
    // VLC 3 keeps repeat-all and repeat-one exclusive: each clears the other.
    if (!r.state().isLooping()) {
        ASSERT_TRUE(live->command([](VLCController& c) { c.loop(); }));
    }
    ASSERT_TRUE(live->waitFor([&] { return r.state().isLooping() && !r.state().isRepeating(); }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.repeat(); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().isRepeating() && !r.state().isLooping(); }));
    ASSERT_TRUE(live->command([](VLCController& c) { c.repeat(); }));
    ASSERT_TRUE(live->waitFor([&] { return !r.state().isRepeating() && !r.state().isLooping(); }));
    // Commands VLC takes without a visible effect here (no video output):
    // each is still answered with a status document.
    EXPECT_TRUE(live->command([](VLCController& c) { c.fullScreen(); }));
    EXPECT_TRUE(live->command([](VLCController& c) { c.setAspectRatio(QStringLiteral("16:9")); }));
    EXPECT_TRUE(live->command([](VLCController& c) { c.toggleAudioTrack(); }));
    ASSERT_EQ(int(r.state().audioTracks().size()), 2); // "None" and the WAV's one stream
    EXPECT_TRUE(live->command([](VLCController& c) { c.setAudioTrack(1); }));
    EXPECT_TRUE(live->command([](VLCController& c) { c.setSubtitleTrack(0); }));
    EXPECT_TRUE(live->command([](VLCController& c) { c.playChapter(0); }));
}

TEST_F(AgainstRealVlc, AnAwkwardFileNamePlaysFromAFolderListing)
{
    VLCController& r = **live;
    ASSERT_TRUE(live->refreshBrowse(media().folder()));
    int awkward = -1;
    for (int i = 0; i < int(r.state().browseArray().size()); ++i)
        if (r.state().browseInfo(QStringLiteral("name"), i) == QStringLiteral("Bob's Café Song.wav"))
            awkward = i;
    ASSERT_GE(awkward, 0);
    EXPECT_EQ(r.filetypeForIndex(awkward), QStringLiteral("music"));
    EXPECT_EQ(r.state().browseInfo(QStringLiteral("name"), 0), QStringLiteral(".."));
    EXPECT_EQ(r.filetypeForIndex(0), QStringLiteral("directory"));

    stopAndEmpty();
    const QString path = *r.state().browseInfo(QStringLiteral("path"), awkward);
    ASSERT_TRUE(live->switchCommand([&path](VLCController& c) { c.playFilename(path); }));
    ASSERT_TRUE(live->waitFor([&] {
        return r.state().isPlaying() && r.state().titleForIndex(PlayerState::currentItem) == QStringLiteral("Bob's Café Song.wav");
    }));
    EXPECT_EQ(r.state().timeLengthSeconds(), 25);

    // Into the sub-folder by its listed path, and enqueue from there.
    int sub = -1;
    for (int i = 0; i < int(r.state().browseArray().size()); ++i)
        if (r.state().browseInfo(QStringLiteral("name"), i) == QStringLiteral("Sub Folder"))
            sub = i;
    ASSERT_GE(sub, 0);
    ASSERT_TRUE(live->refreshBrowse(*r.state().browseInfo(QStringLiteral("path"), sub)));
    ASSERT_EQ(int(r.state().browseArray().size()), 2); // ".." and gamma.wav
    const QString gamma = *r.state().browseInfo(QStringLiteral("uri"), 1);
    ASSERT_TRUE(live->command([&gamma](VLCController& c) { c.enqueueFilename(gamma); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().itemsInPlaylist() == 2 && r.state().titleForIndex(1) == QStringLiteral("gamma.wav"); }));
}

TEST_F(AgainstRealVlc, PlaylistEditing)
{
    VLCController& r = **live;
    const int count = r.state().itemsInPlaylist();
    const int last = r.state().idForIndex(count - 1);
    ASSERT_TRUE(live->command([last](VLCController& c) { c.removeFromPlaylist(last); }));
    ASSERT_TRUE(live->waitFor([&] { return r.state().itemsInPlaylist() == count - 1; }));

    // Enqueue, then the deferred actions: play the last item, then stop.
    r.enqueueFilename(media().files().first());
    r.connection().addRequestToQueue(VLCController::QueuePlayLastItem);
    r.connection().addRequestToQueue(VLCController::QueueStop);
    ASSERT_TRUE(live->waitFor([&] { return r.connection().requestQueue().empty() && r.state().itemsInPlaylist() == count && r.state().isStopped(); }));
    ASSERT_TRUE(live->waitFor([&] { return allDurationsKnown(); }));

    stopAndEmpty();
    EXPECT_EQ(r.state().currentIndex().value_or(PlayerState::noCurrentItem), PlayerState::noCurrentItem);
}

TEST_F(AgainstRealVlc, DriveSearchFindsTheMountFolder)
{
    CapturingAlertPresenter alerts;
    VLCController& r = **live;
    const bool haveMedia = QDir(QStringLiteral("/media")).exists();
    r.openDrivesDirectory();
    ASSERT_TRUE(waitUntil([&] { return !alerts.alerts.empty() || r.state().browseDir() == QStringLiteral("//media"); }, 15000));
    ASSERT_TRUE(live->idle());
    if (haveMedia) {
        EXPECT_EQ(r.state().browseDir(), QStringLiteral("//media"));
        EXPECT_TRUE(alerts.alerts.empty());
    } else {
        EXPECT_EQ(alerts.alerts.front().title, QStringLiteral("No Luck..."));
    }
}
