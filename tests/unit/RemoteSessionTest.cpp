#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "MemoryNetwork.h"
#include "models/AdvancedControlsModel.h"
#include "models/AudioDelayKnob.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"
#include "models/SpeedKnob.h"
#include "TestSupport.h"
#include "vlc/RemoteConnection.h"
#include "vlc/VLCController.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <map>

namespace {
struct RecordingNavigator : Navigator {
    QList<QUrl> opened;
    QStringList shown;
    void openExternalUrl(const QUrl& url) override { opened << url; }
    void showAdvancedControls() override { shown << QStringLiteral("screens"); }
    void showKeyCommands() override { shown << QStringLiteral("keys"); }
    void showSpeed() override { shown << QStringLiteral("speed"); }
    void showDvdNavigation() override { shown << QStringLiteral("dvd"); }
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

TEST(RemoteSession, TheClockStandsStillWhileTheConnectionIsLostAndFollowsVlcWhenItAnswers)
{
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml")));
    const int start = s.session.elapsed();
    s.answers[QStringLiteral("/requests/status.xml")] = MemoryNetwork::refused();
    for (int second = 1; second <= 12; ++second) {
        s.clock.advance(1.0);
        s.remote->updateStatus();
        ASSERT_TRUE(s.settled());
    }
    ASSERT_EQ(s.session.connection(), RemoteSession::Connection::Lost);
    // Counted on only until the connection counted as lost.
    EXPECT_EQ(s.session.elapsed(), start + RemoteConnection::lostAfterSeconds);
    QByteArray later = fixture(QStringLiteral("vlc3-status-playing.xml"));
    later.replace("<time>1</time>", "<time>17</time>");
    s.answerStatus(later);
    EXPECT_EQ(s.session.connection(), RemoteSession::Connection::Connected);
    EXPECT_EQ(s.session.elapsed(), 17);
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

TEST(RemoteSession, ASeekStaysWithinTheItem)
{
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml"))); // 20 seconds long
    for (const int past : { 20, 133 }) {
        s.session.seek(past);
        ASSERT_TRUE(s.settled());
        EXPECT_TRUE(s.network.targets().last().endsWith("command=seek&val=19")) << s.network.targets().last().toStdString();
    }
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

TEST(AdvancedControlsModel, TheKeyCommandsHeadingsSpeakTheUsersLanguage)
{
    Session s;
    ASSERT_TRUE(Localization::installTranslations(QLocale(QStringLiteral("de_DE"))));
    AdvancedControlsModel keys(AdvancedControlsModel::Kind::KeyCommands,
                               AppContext { &s.network, s.defaults, s.alerts, s.clock, s.navigator }, s.session);
    QStringList sections;
    for (int row = 0; row < keys.rowCount(); ++row)
        sections << keys.index(row).data(TableStructureModel::SectionRole).toString();
    Localization::installTranslations(QLocale(QStringLiteral("en_US")));
    sections.removeDuplicates();
    EXPECT_EQ(sections, (QStringList { QString(), QStringLiteral("Geschwindigkeit"), QStringLiteral("Verzögerungen") }));
}

namespace {
// The values of the requests of one command the session sent, in order.
QList<QByteArray> commandValues(Session& s, const QByteArray& command)
{
    QList<QByteArray> values;
    for (const QByteArray& target : s.network.targets())
        if (const qsizetype at = target.indexOf("command=" + command + "&val="); at >= 0)
            values << target.mid(at + command.size() + 13);
    return values;
}
}

TEST(Knobs, TheSpeedSnapsToNormalAndGoesOutAtMostFiveTimesASecondButAlwaysOnRelease)
{
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml")));
    SpeedKnob speed(s.session, s.clock);
    speed.load();
    s.clock.advance(1);
    s.network.clearRequests();
    for (const auto& [advance, value, release] : { std::tuple { 0.0, 0.03, false }, std::tuple { 0.1, 0.3, false },
                                                   std::tuple { 0.15, 0.5, false }, std::tuple { 0.0, 0.5, true } }) {
        s.clock.advance(advance);
        speed.turnTo(value, release);
        ASSERT_TRUE(s.settled());
    }
    EXPECT_EQ(speed.text(), QStringLiteral("Speed x 1.41"));
    // Normal at once, the turn too soon after it shown only, then 2^0.5.
    EXPECT_EQ(commandValues(s, "rate"), (QList<QByteArray> { "1", "1.41443", "1.41443" }));
}

TEST(Knobs, TheAudioDelayGoesOutOnlyPastATenthAndAlwaysOnRelease)
{
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml")));
    AudioDelayKnob delay(s.session);
    delay.load();
    s.network.clearRequests();
    for (const auto& [value, release] : { std::pair { 0.08, false }, std::pair { 0.15, false }, std::pair { 0.2, false },
                                          std::pair { 0.2, true }, std::pair { 0.04, true } }) {
        delay.turnTo(value, release);
        ASSERT_TRUE(s.settled());
    }
    EXPECT_EQ(commandValues(s, "audiodelay"), (QList<QByteArray> { "0.150000", "0.200000", "0.000000" }));
    EXPECT_EQ(delay.text(), QStringLiteral("Current Delay: 0.00 s"));
}

TEST(AdvancedControlsModel, Vlc3GetsTheScreensTheOlderInterfaceTheKeysThatAreSentAtATap)
{
    {
        Session older;
        older.answerStatus(fixture(QStringLiteral("legacy-status.xml")));
        older.session.openAdvancedControls();
        EXPECT_EQ(older.navigator.shown, QStringList { "keys" });
    }
    Session s;
    s.answerStatus(fixture(QStringLiteral("vlc3-status-playing.xml")));
    s.session.openAdvancedControls();
    EXPECT_EQ(s.navigator.shown, QStringList { "screens" });

    const AppContext context { &s.network, s.defaults, s.alerts, s.clock, s.navigator };
    AdvancedControlsModel screens(AdvancedControlsModel::Kind::Screens, context, s.session);
    AdvancedControlsModel keys(AdvancedControlsModel::Kind::KeyCommands, context, s.session);
    auto rowOf = [](const AdvancedControlsModel& menu, int id) {
        for (int row = 0; row < menu.rowCount(); ++row)
            if (menu.index(row).data(TableStructureModel::RowIdRole).toInt() == id)
                return row;
        return -1;
    };
    EXPECT_EQ(screens.rowCount(), 8);
    EXPECT_EQ(keys.rowCount(), 11);
    s.navigator.shown.clear();
    screens.activate(rowOf(screens, AdvancedControlsModel::SpeedRow));
    keys.activate(rowOf(keys, AdvancedControlsModel::DvdNavigationRow));
    EXPECT_EQ(s.navigator.shown, (QStringList { "speed", "dvd" }));
    s.network.clearRequests();
    keys.activate(rowOf(keys, AdvancedControlsModel::FasterRow));
    ASSERT_TRUE(s.settled());
    EXPECT_TRUE(s.network.targets().last().endsWith("command=key&val=faster")) << s.network.targets().last().toStdString();
    EXPECT_EQ(s.navigator.shown.size(), 2) << "a key command leaves the user on the menu";
}
