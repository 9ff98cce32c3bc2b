// playerlink's advanced controls against a real VLC 3 playing a film
// with two audio and two subtitle tracks, through real mouse events on its
// window from the remote screen's "More...", each checked by a second
// connection to VLC; and what assistive technology reads of these pages.

#include "ChapteredMovie.h"
#include "FakeHttpServer.h"
#include "LiveRemote.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "VlcInstance.h"
#include "core/PreferenceKeys.h"
#include "models/MoreActions.h"
#include "models/RemoteSession.h"
#include "vlc/VLCController.h"

#include <QAccessible>
#include <QNetworkReply>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {
class AdvancedAgainstRealVlc : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_movie = std::make_unique<ChapteredMovie>(); }
    static void TearDownTestSuite() { s_movie.reset(); }

    void SetUp() override
    {
        QString why;
        if (!VlcInstance::canRun(&why))
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(s_movie->isValid()) << s_movie->error().toStdString();
        UserDefaults::standard().setInteger(PreferenceKeys::slideScreenPosition, 0);
        VlcInstance::Options options;
        options.media = { s_movie->path() };
        vlc = std::make_unique<VlcInstance>(options);
        ASSERT_TRUE(vlc->started()) << vlc->error().toStdString();
        observer = std::make_unique<LiveRemote>(vlc->hostAddress(), vlc->password());
        ASSERT_TRUE(observer->probe());
        ASSERT_TRUE(observer->waitFor([&] { return (*observer)->state().isPlaying() && stream(4); }));
    }

    const PlayerStatus& status() { return (*observer)->state().playerStatus(); }
    const PlayerStatus::Stream* stream(int n)
    {
        for (const PlayerStatus::Stream& s : status().streams)
            if (s.streamId == QString::number(n))
                return &s;
        return nullptr;
    }
    // VLC adds the decoded format to a stream's details once it decodes it.
    bool decoding(int n)
    {
        const PlayerStatus::Stream* s = stream(n);
        return s && s->details.find(u"Decoded format");
    }

    static bool settled(ProgramWindow& w, int depth)
    {
        return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
    }
    static bool shows(ProgramWindow& w, const QString& objectName)
    {
        return waitUntil([&] { return w.item(objectName) != nullptr; }, 8000);
    }
    // Taps a visible item, after the page has slid in.
    static void tap(ProgramWindow& w, const QString& objectName)
    {
        ASSERT_TRUE(shows(w, objectName)) << objectName.toStdString();
        const int depth = w.depth();
        ASSERT_TRUE(settled(w, depth));
        w.click(w.item(objectName));
    }
    static void back(ProgramWindow& w, int toDepth)
    {
        tap(w, QStringLiteral("backButton"));
        ASSERT_TRUE(settled(w, toDepth));
    }

    // Whether assistive technology reads the row as the one in force.
    static bool ticked(ProgramWindow& w, const QString& objectName)
    {
        QQuickItem* row = w.item(objectName);
        QAccessibleInterface* read = row ? QAccessible::queryAccessibleInterface(row) : nullptr;
        return read && read->state().checked;
    }

    // The names of the accessibles of a role under root, visible ones only.
    static QStringList named(QAccessibleInterface* root, QAccessible::Role role)
    {
        QStringList names;
        if (!root || root->state().invisible)
            return names;
        if (root->role() == role)
            names << root->text(QAccessible::Name);
        for (int i = 0; i < root->childCount(); ++i)
            names << named(root->child(i), role);
        return names;
    }
    static QStringList named(ProgramWindow& w, QAccessible::Role role)
    {
        return named(QAccessible::queryAccessibleInterface(w.window), role);
    }

    // Whether VLC's video is full screen, as its status says (the state
    // read by the program leaves it out).
    bool fullScreen()
    {
        QNetworkRequest request(QUrl(QStringLiteral("http://%1/requests/status.xml").arg(vlc->hostAddress())));
        request.setRawHeader("Authorization", "Basic " + (u':' + vlc->password()).toUtf8().toBase64());
        QNetworkReply* reply = observer->network.get(request);
        waitUntil([&] { return reply->isFinished(); });
        const bool full = reply->readAll().contains("<fullscreen>true</fullscreen>");
        reply->deleteLater();
        return full;
    }

    static std::unique_ptr<ChapteredMovie> s_movie;
    std::unique_ptr<VlcInstance> vlc;
    std::unique_ptr<LiveRemote> observer;
};

std::unique_ptr<ChapteredMovie> AdvancedAgainstRealVlc::s_movie;
}

TEST_F(AdvancedAgainstRealVlc, MoreOpensTheMenuWhoseScreensTakeATrackASpeedAndAnAspectRatioAndListTheChapters)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] { return session.isPlaying(); }, 10000)) << "VLC said: " << vlc->log().toStdString();

    // "More..." offers its choices; VLC 3 gets the menu of screens.
    tap(w, QStringLiteral("openMore"));
    ASSERT_TRUE(shows(w, QStringLiteral("more-0")));
    QStringList buttons = named(w, QAccessible::Button);
    for (const QString& choice : MoreActions::buttons())
        EXPECT_TRUE(buttons.contains(choice)) << choice.toStdString() << " in " << buttons.join(u'|').toStdString();
    tap(w, QStringLiteral("more-0"));
    ASSERT_TRUE(settled(w, 3));
    ASSERT_TRUE(w.item(QStringLiteral("menuLuaPage")));
    EXPECT_EQ(named(w, QAccessible::ListItem),
              (QStringList { "DVD Navigation", "Chapter & Title", "Subtitles", "Audio & Video Track",
                             "Audio & Delay Settings", "Aspect Ratio", "Speed", "Equalizer" }));
    EXPECT_GE(w.item(QStringLiteral("menu-Speed"))->height(), 48);

    // The French audio track, chosen by a tap, is what VLC decodes.
    tap(w, QStringLiteral("menu-Audio & Video Track"));
    ASSERT_TRUE(shows(w, QStringLiteral("choice-French")));
    EXPECT_TRUE(named(w, QAccessible::ListItem).contains(u"English"));
    EXPECT_FALSE(decoding(2)) << "French is not playing yet";
    // VLC 3 does not say which track plays: the page says so until one is chosen.
    EXPECT_TRUE(w.item(QStringLiteral("unmarkedNote")));
    tap(w, QStringLiteral("choice-French"));
    EXPECT_TRUE(observer->waitFor([&] { return decoding(2); })) << "VLC decodes the French track once chosen";
    EXPECT_TRUE(waitUntil([&] { return ticked(w, QStringLiteral("choice-French")); }));
    EXPECT_FALSE(w.item(QStringLiteral("unmarkedNote")));
    back(w, 3);

    // Faster doubles the speed; a quarter turn of the knob clockwise goes on
    // up by a quarter of a doubling.
    tap(w, QStringLiteral("menu-Speed"));
    ASSERT_TRUE(settled(w, 4));
    tap(w, QStringLiteral("knobButton-2"));
    EXPECT_TRUE(observer->waitFor([&] { return status().rate && std::abs(*status().rate - 2.0) < 0.01; }));
    QQuickItem* knob = w.item(QStringLiteral("knob"));
    ASSERT_TRUE(knob);
    const QPoint centre = w.centreOf(knob);
    const int radius = int(knob->width() / 3);
    QTest::mousePress(w.window, Qt::LeftButton, {}, centre + QPoint(radius, 0));
    for (int step = 1; step <= 10; ++step) {
        const double angle = M_PI / 2 * step / 10;
        QTest::qWait(30);
        QTest::mouseMove(w.window, centre + QPoint(int(radius * std::cos(angle)), int(radius * std::sin(angle))));
    }
    QTest::mouseRelease(w.window, Qt::LeftButton, {}, centre + QPoint(0, radius));
    EXPECT_TRUE(observer->waitFor([&] { return status().rate && std::abs(*status().rate - std::pow(2.0, 1.25)) < 0.05; }))
        << "rate " << status().rate.value_or(0);
    EXPECT_EQ(w.item(QStringLiteral("knobValue"))->property("text").toString(), QStringLiteral("Speed x 2.38"));
    EXPECT_EQ(named(w, QAccessible::Dial), QStringList { "Speed" });
    // The knob gives assistive technology its value and range.
    QAccessibleValueInterface* dial = QAccessible::queryAccessibleInterface(knob)->valueInterface();
    ASSERT_TRUE(dial);
    EXPECT_DOUBLE_EQ(dial->currentValue().toDouble(), knob->property("value").toDouble());
    EXPECT_LE(dial->minimumValue().toDouble(), dial->currentValue().toDouble());
    EXPECT_GE(dial->maximumValue().toDouble(), dial->currentValue().toDouble());
    EXPECT_LT(dial->minimumValue().toDouble(), dial->maximumValue().toDouble());
    buttons = named(w, QAccessible::Button);
    for (const char* name : { "Slower", "Normal", "Faster", "Back" })
        EXPECT_TRUE(buttons.contains(QString::fromLatin1(name))) << name << " in " << buttons.join(u'|').toStdString();
    tap(w, QStringLiteral("knobButton-1"));
    EXPECT_TRUE(observer->waitFor([&] { return status().rate && std::abs(*status().rate - 1.0) < 0.01; }));
    back(w, 3);

    // An aspect ratio chosen reads back from VLC, and gets the tick.
    tap(w, QStringLiteral("menu-Aspect Ratio"));
    tap(w, QStringLiteral("choice-16:9"));
    EXPECT_EQ(w.item(QStringLiteral("barTitle"))->property("text").toString(), u"Aspect Ratio");
    EXPECT_TRUE(observer->waitFor([&] { return status().vlc3AspectRatio == QStringLiteral("16:9"); }));
    EXPECT_TRUE(waitUntil([&] { return ticked(w, QStringLiteral("choice-16:9")); }));
    back(w, 3);

    // The titles and chapters, asked of VLC while their page shows.
    tap(w, QStringLiteral("menu-Chapter & Title"));
    EXPECT_TRUE(shows(w, QStringLiteral("choice-Chapter 2")));
    back(w, 3);

    // The DVD pad's buttons and the key commands behind "Keys", by name.
    tap(w, QStringLiteral("menu-DVD Navigation"));
    ASSERT_TRUE(settled(w, 4));
    buttons = named(w, QAccessible::Button);
    for (const char* name : { "Up", "Down", "Left", "Right", "Select", "Menu" })
        EXPECT_TRUE(buttons.contains(QString::fromLatin1(name))) << name << " in " << buttons.join(u'|').toStdString();
    back(w, 3);
    tap(w, QStringLiteral("keyCommands"));
    ASSERT_TRUE(settled(w, 4));
    ASSERT_TRUE(w.item(QStringLiteral("menuPlainPage")));
    EXPECT_EQ(w.item(QStringLiteral("barTitle"))->property("text").toString(), u"Keys");
    EXPECT_EQ(named(w, QAccessible::ListItem),
              (QStringList { "DVD Navigation", "Subtitles", "Audio Track", "Aspect Ratio", "Crop Aspect Ratio", "Faster",
                             "Slower", "Audio Delay Up", "Audio Delay Down", "Subtitle Delay Up", "Subtitle Delay Down" }));
    EXPECT_FALSE(named(w, QAccessible::Button).contains(QString())) << "every button has a name";

    EXPECT_FALSE(vlc->crashed());
}

// The equalizer's page, from the menu: its switch turns VLC's equalizer
// on, a band dragged to the top and one moved by the arrow keys reach VLC,
// and assistive technology reads each band by its frequency and gain.
TEST_F(AdvancedAgainstRealVlc, TheEqualizerTurnsOnAndABandDraggedOrMovedByTheKeysReachesVlc)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    ASSERT_TRUE(waitUntil([&] { return w.remotes.session().isPlaying(); }, 10000)) << "VLC said: " << vlc->log().toStdString();
    auto equalizer = [&] { return status().equalizer.value_or(PlayerStatus::Equalizer {}); };
    ASSERT_FALSE(equalizer().enabled);
    tap(w, QStringLiteral("openMore"));
    tap(w, QStringLiteral("more-0"));
    ASSERT_TRUE(settled(w, 3));
    tap(w, QStringLiteral("menu-Equalizer"));
    ASSERT_TRUE(settled(w, 4));
    tap(w, QStringLiteral("equalizerSwitch"));
    ASSERT_TRUE(observer->waitFor([&] { return equalizer().enabled; }));
    EXPECT_TRUE(shows(w, QStringLiteral("preset-Full bass"))) << "VLC's presets are listed once it is on";

    // 60 Hz dragged from the middle to the top: VLC's highest gain.
    QQuickItem* low = w.item(QStringLiteral("band-0"));
    ASSERT_TRUE(low);
    const QPoint middle = w.centreOf(low);
    const int top = int(low->mapToScene(QPointF(0, 0)).y());
    QTest::mousePress(w.window, Qt::LeftButton, {}, middle);
    for (int y = middle.y(); y > top; y -= 10) {
        QTest::qWait(30);
        QTest::mouseMove(w.window, QPoint(middle.x(), y));
    }
    QTest::mouseRelease(w.window, Qt::LeftButton, {}, QPoint(middle.x(), top));
    EXPECT_TRUE(observer->waitFor([&] { return equalizer().bands[0].value_or(0) >= 19.9; }))
        << "60 Hz at " << equalizer().bands[0].value_or(0);

    // The keys, from the band the drag left them on: Right three times to
    // 600 Hz, Up twice; the bands passed over keep their gains.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w.window, Qt::Key_Right);
    QTest::keyClick(w.window, Qt::Key_Up);
    QTest::keyClick(w.window, Qt::Key_Up);
    QQuickItem* keyed = w.item(QStringLiteral("band-3"));
    ASSERT_TRUE(keyed);
    EXPECT_TRUE(keyed->hasActiveFocus());
    QAccessibleInterface* band = QAccessible::queryAccessibleInterface(keyed);
    ASSERT_TRUE(band && band->valueInterface());
    EXPECT_EQ(band->text(QAccessible::Name), u"600 Hz");
    EXPECT_EQ(band->valueInterface()->currentValue().toDouble(), 2.0);
    EXPECT_EQ(band->valueInterface()->minimumValue().toDouble(), -20.0);
    EXPECT_EQ(band->valueInterface()->maximumValue().toDouble(), 20.0);
    for (const char* passed : { "band-1", "band-2" })
        EXPECT_EQ(w.item(QString::fromLatin1(passed))->property("value").toDouble(), 0.0) << passed;
    EXPECT_FALSE(vlc->crashed());
}

TEST_F(AdvancedAgainstRealVlc, TheBarsFullScreenButtonPutsTheVideoFullScreenFromTheRemoteScreenAndTheBrowser)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    ASSERT_TRUE(waitUntil([&] { return w.remotes.session().isPlaying(); }, 10000)) << "VLC said: " << vlc->log().toStdString();
    ASSERT_FALSE(fullScreen());
    EXPECT_TRUE(named(w, QAccessible::Button).contains(u"Full screen"));
    tap(w, QStringLiteral("fullScreenButton"));
    EXPECT_TRUE(waitUntil([&] { return fullScreen(); }, 5000));
    tap(w, QStringLiteral("openBrowser"));
    ASSERT_TRUE(settled(w, 3));
    tap(w, QStringLiteral("fullScreenButton"));
    EXPECT_TRUE(waitUntil([&] { return !fullScreen(); }, 5000));
    // The screens that do not show what plays have none.
    tap(w, QStringLiteral("backButton"));
    ASSERT_TRUE(settled(w, 2));
    tap(w, QStringLiteral("openMore"));
    tap(w, QStringLiteral("more-4"));
    ASSERT_TRUE(settled(w, 3));
    EXPECT_FALSE(w.item(QStringLiteral("fullScreenButton")));
}

// The DVD pad's keys and buttons, as VLC receives them (VLC itself cannot
// be asked which keys it was sent).
TEST(DvdPad, ItsKeysAndButtonsSendTheNavigationKeys)
{
    FakeHttpServer server;
    server.setHandler([](const FakeHttpServer::Request& r) {
        return FakeHttpServer::ok(fixture(r.target.startsWith("/requests/playlist.xml") ? QStringLiteral("vlc3-playlist.xml")
                                                                                        : QStringLiteral("vlc3-status-playing.xml")));
    });
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        remotes.session().setRemote(
            std::make_shared<VLCController>(RemoteRecord::forAddress(server.hostAddress()), remotes.network()));
    });
    w.remotes.navigator().showDvdNavigation();
    ASSERT_TRUE(waitUntil([&] { return w.depth() == 2 && !w.stack->property("busy").toBool(); }));
    auto keys = [&] {
        QList<QByteArray> sent;
        for (const QByteArray& target : server.targets())
            if (const qsizetype at = target.indexOf("command=key&val="); at >= 0)
                sent << target.mid(at + 16);
        return sent;
    };
    const Qt::Key pressed[] = { Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Return, Qt::Key_M };
    for (const Qt::Key key : pressed) {
        const qsizetype before = keys().size();
        QTest::keyClick(w.window, key);
        ASSERT_TRUE(waitUntil([&] { return keys().size() == before + 1; }, 3000)) << key;
    }
    EXPECT_EQ(keys(), (QList<QByteArray> { "nav-up", "nav-down", "nav-left", "nav-right", "nav-activate", "disc-menu" }));
    w.click(w.item(QStringLiteral("dvdSelect")));
    ASSERT_TRUE(waitUntil([&] { return keys().size() == 7; }, 3000));
    EXPECT_EQ(keys().last(), "nav-activate");
    QMetaObject::invokeMethod(w.window, "goBack");
    EXPECT_TRUE(waitUntil([&] { return w.depth() == 1; }));
    QTest::qWait(200);
}
