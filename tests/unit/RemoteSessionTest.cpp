#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "MemoryNetwork.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"
#include "TestSupport.h"
#include "vlc/VLCController.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <map>

namespace {
struct RecordingNavigator : Navigator {
    QList<QUrl> opened;
    void openExternalUrl(const QUrl& url) override { opened << url; }
};

// A session on a remote whose VLC is an in-memory one: each request is
// answered with the body set for its path at the time.
struct Session {
    ManualClock clock;
    ScopedHome home;
    UserDefaults defaults { home.path() + QStringLiteral("/session.ini") };
    CapturingAlertPresenter alerts;
    RecordingNavigator navigator;
    MemoryNetwork network;
    std::shared_ptr<VLCController> remote
        = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("vlc.test:8080")), &network);
    RemoteSession session { AppContext { &network, defaults, alerts, clock, navigator } };
    std::map<QString, MemoryNetwork::Response> answers;

    Session()
    {
        network.setHandler([this](const QNetworkRequest& request) {
            const auto answer = answers.find(request.url().path());
            return answer != answers.end() ? answer->second : MemoryNetwork::refused();
        });
        answers[QStringLiteral("/requests/status.xml")] = MemoryNetwork::ok(fixture(QStringLiteral("vlc3-status-playing.xml")));
        answers[QStringLiteral("/requests/playlist.xml")] = MemoryNetwork::ok(fixture(QStringLiteral("vlc3-playlist.xml")));
        session.setRemote(remote);
    }
    bool settled() { return waitUntil([&] { return network.inFlight() == 0 && !remote->isBusy(); }); }
    void answerStatus(const QByteArray& body)
    {
        answers[QStringLiteral("/requests/status.xml")] = MemoryNetwork::ok(body);
        remote->updateStatus();
        ASSERT_TRUE(settled());
    }

    // A spy on the change signal of every property.
    std::map<QString, std::unique_ptr<QSignalSpy>> spyOnEveryProperty()
    {
        std::map<QString, std::unique_ptr<QSignalSpy>> spies;
        const QMetaObject* meta = session.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            if (meta->property(i).hasNotifySignal())
                spies[QString::fromLatin1(meta->property(i).name())]
                    = std::make_unique<QSignalSpy>(&session, meta->property(i).notifySignal());
        return spies;
    }
};

QByteArray withVolume(QByteArray status, const QByteArray& volume)
{
    return status.replace("<volume>384</volume>", "<volume>" + volume + "</volume>");
}
}

TEST(RemoteSession, ReadsThePlayerOnceAStatusIsStored)
{
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml")));
    RemoteSession& session = s.session;
    EXPECT_TRUE(session.hasStatus());
    EXPECT_EQ(session.playback(), RemoteSession::Playback::Playing);
    EXPECT_EQ(session.volume(), 150); // 384 of VLC's 256 for 100 %
    EXPECT_EQ(session.length(), 20);
    EXPECT_EQ(session.elapsed() + session.remaining(), 20);
    EXPECT_EQ(session.connection(), RemoteSession::Connection::Connected);
    EXPECT_EQ(session.connectionText(), QStringLiteral("Connected to vlc.test:8080"));
}

TEST(RemoteSession, AServerThatKeepsAnsweringWithoutAStatusIsNotConnected)
{
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml")));
    for (int poll = 0; poll < 2; ++poll) {
        s.clock.advance(1);
        s.answerStatus("<html><body>It works!</body></html>");
    }
    EXPECT_EQ(s.session.connection(), RemoteSession::Connection::UnusableReplies);
    EXPECT_EQ(s.session.connectionText(), QStringLiteral("No usable answer from vlc.test:8080"));
    EXPECT_EQ(s.session.nowPlayingNote(), QStringLiteral("No usable answer"));
}

TEST(RemoteSession, AStatusThatChangesNothingSignalsNothing)
{
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml")));
    auto spies = s.spyOnEveryProperty();
    ASSERT_FALSE(spies.empty());
    // Other bytes (a value no property shows), read and stored all the same.
    QByteArray status = fixture(QStringLiteral("vlc3-status-playing.xml"));
    status.replace("<time>1</time>", "<time>1</time>\n");
    QSignalSpy stored(s.remote.get(), &VLCController::statusChanged);
    s.answerStatus(status);
    ASSERT_EQ(stored.count(), 1);
    for (const auto& [name, spy] : spies)
        EXPECT_EQ(spy->count(), 0) << name.toStdString();
}

TEST(RemoteSession, AChangeOfVolumeSignalsVolumeChangedOnce)
{
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml")));
    QSignalSpy volume(&s.session, &RemoteSession::volumeChanged);
    QSignalSpy length(&s.session, &RemoteSession::lengthChanged);
    s.answerStatus(withVolume(fixture(QStringLiteral("vlc3-status-playing.xml")), "256"));
    s.answerStatus(withVolume(fixture(QStringLiteral("vlc3-status-playing.xml")), "256")); // the same again
    EXPECT_EQ(volume.count(), 1);
    EXPECT_EQ(s.session.volume(), 100);
    EXPECT_EQ(length.count(), 0);
}

TEST(RemoteSession, ElapsedTimeMovesEverySecondWhilePlayingEvenWhenNoStatusIsAsked)
{
    Session s;
    s.session.setActive(true);
    ASSERT_TRUE(waitUntil([&] { return s.session.isPlaying() && s.session.title() == QStringLiteral("Bob's Café Song.wav"); }));
    ASSERT_TRUE(s.settled());
    const int start = s.session.elapsed();
    // The channel stays busy with a reply that never comes, so the status
    // polls are skipped, as they are while a long playlist loads.
    MemoryNetwork::Response late = MemoryNetwork::ok(fixture(QStringLiteral("vlc3-playlist.xml")));
    late.held = true;
    s.answers[QStringLiteral("/requests/playlist.xml")] = late;
    s.remote->updatePlaylist();
    s.network.clearRequests();
    QSignalSpy elapsed(&s.session, &RemoteSession::elapsedChanged);
    QSignalSpy remaining(&s.session, &RemoteSession::remainingChanged);
    for (int second = 1; second <= 2; ++second) {
        s.clock.advance(1.0);
        ASSERT_TRUE(waitUntil([&] { return elapsed.count() == second; }, 3000));
        EXPECT_EQ(s.session.elapsed(), start + second);
    }
    EXPECT_EQ(remaining.count(), 2);
    EXPECT_EQ(s.session.elapsed() + s.session.remaining(), s.session.length());
    EXPECT_TRUE(s.network.targets().isEmpty()); // nothing asked meanwhile
    s.network.releaseHeld();
}

TEST(RemoteSession, InactiveSessionAsksNothing)
{
    Session s;
    s.session.setActive(true);
    ASSERT_TRUE(s.settled());
    EXPECT_TRUE(s.network.targets().contains("/requests/playlist.xml")); // at once, not a poll later
    s.session.setActive(false);
    s.network.clearRequests();
    spinEventLoop(RemoteSession::statusIntervalMs + 200);
    EXPECT_TRUE(s.network.targets().isEmpty());
    EXPECT_FALSE(s.session.pollsRunning());
}

TEST(RemoteSession, ActiveWhileAProbeIsOnItsWayItAsksTheStatusRightAfterTheProbesReply)
{
    Session s;
    s.answers[QStringLiteral("/")] = MemoryNetwork::ok(fixture(QStringLiteral("vlc3-start-page-head.html")));
    s.remote->searchForPlayerLink();
    s.session.setActive(true);
    ASSERT_TRUE(s.settled());
    const QList<QByteArray> asked = s.network.targets();
    ASSERT_GE(asked.size(), 3);
    EXPECT_EQ(asked.mid(0, 3), QList<QByteArray>({ "/", "/requests/status.xml", "/requests/playlist.xml" }));
}

TEST(RemoteSession, VolumeAndSkipButtonsKeepTheirRules)
{
    Session s;
    s.answerStatus(withVolume(fixture(QStringLiteral("vlc3-status-playing.xml")), "502")); // 196 %
    s.session.volumeUp();
    EXPECT_EQ(s.session.volume(), 200); // no further than the maximum
    s.defaults.setBool(PreferenceKeys::doubleVol, true);
    s.session.volumeUp();
    EXPECT_EQ(s.session.volume(), 210);
    ASSERT_TRUE(s.settled());
    s.answerStatus(withVolume(fixture(QStringLiteral("vlc3-status-playing.xml")), "23")); // 9 %
    ASSERT_EQ(s.session.volume(), 9);
    s.session.volumeDown();
    EXPECT_EQ(s.session.volume(), 0);
    s.defaults.setInteger(PreferenceKeys::skipDistance, 10);
    s.session.skipBack();
    ASSERT_TRUE(s.settled());
    EXPECT_TRUE(s.network.targets().last().endsWith("command=seek&val=-10s"));
}

TEST(RemoteSession, SearchesTheWebForTheTitle)
{
    Session s;
    s.session.setActive(true);
    ASSERT_TRUE(waitUntil([&] { return !s.session.title().isEmpty(); }));
    s.session.findInMovieDatabase();
    ASSERT_EQ(s.navigator.opened.size(), 1);
    const QUrl search = s.navigator.opened[0];
    EXPECT_EQ(search.host(), QStringLiteral("www.imdb.com"));
    EXPECT_EQ(search.path(), QStringLiteral("/find"));
    EXPECT_EQ(QUrlQuery(search).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), QStringLiteral("Bob's Café Song.wav"));
}
