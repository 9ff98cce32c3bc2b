// playerlink's remotes list through real mouse events on its window:
// its sections and fixed rows, the saved default opening by
// itself, the saved computers edited, moved and deleted, with the
// saved-remotes file following every change, what assistive technology
// finds there, what choosing a computer that cannot be used says, and
// waking one.

#include "FakeHttpServer.h"
#include "LiveRemote.h"
#include "RealVlcTest.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "platform/SavedRemotesFile.h"
#include "core/PreferenceKeys.h"
#include "core/ServiceHosts.h"
#include "models/RemoteSession.h"
#include "models/RemotesModel.h"
#include "models/SetupInstructions.h"
#include "net/WakeOnLan.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

// The module's plugin is imported by RemoteEndToEndTest.cpp.

namespace {
void type(ProgramWindow& w, const QString& field, const QString& text)
{
    w.click(w.item(field));
    for (QChar c : text)
        QTest::keyClick(w.window, c.toLatin1());
}

// A touch on the row's left, away from the buttons at its right.
void touchRow(ProgramWindow& w, const QQuickItem* row)
{
    w.waitForFrame();
    QTest::mouseClick(w.window, Qt::LeftButton, {}, row->mapToScene(QPointF(40, row->height() / 2)).toPoint());
}

bool settled(ProgramWindow& w, int depth)
{
    return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
}

QString topPage(const ProgramWindow& w)
{
    const auto* page = w.stack->property("currentItem").value<QObject*>();
    return page ? page->objectName() : QString();
}

// The list's headings ("heading-" and the title) and rows (their names),
// top to bottom as they show.
QStringList shownRows(ProgramWindow& w)
{
    std::vector<QQuickItem*> shown;
    ProgramWindow::find(w.item(QStringLiteral("remotesList")), [&](QQuickItem* item) {
        const QString name = item->objectName();
        if (item->isVisible() && item->height() > 0 && (name.startsWith(u"heading-") || name.startsWith(u"remote-")
            || QStringList({ "addComputer", "setup", "cantSee", "skins", "settings", "help" }).contains(name)))
            shown.push_back(item);
        return false;
    });
    std::sort(shown.begin(), shown.end(), [](QQuickItem* a, QQuickItem* b) {
        return a->mapToScene(QPointF()).y() < b->mapToScene(QPointF()).y();
    });
    QStringList names;
    for (QQuickItem* item : shown)
        names << item->objectName();
    return names;
}

// The nicknames in the saved-remotes file, in its order.
QStringList savedOnDisk()
{
    QStringList names;
    if (auto records = SavedRemotesFile(SavedRemotesFile::defaultPath()).load())
        for (const RemoteRecord& record : *records)
            names << record.nickname;
    return names;
}

// What assistive technology finds on the window: "role:name" of every
// visible button and list row.
QStringList accessibleControls(QQuickWindow* window)
{
    QStringList found;
    std::vector<QAccessibleInterface*> pending { QAccessible::queryAccessibleInterface(window) };
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        if (!node || node->state().invisible)
            continue;
        const QString name = node->text(QAccessible::Name);
        if (node->role() == QAccessible::Button)
            found << QStringLiteral("button:") + name;
        else if (node->role() == QAccessible::ListItem)
            found << QStringLiteral("row:") + name;
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
    }
    return found;
}

// A network namespace of the test's own, entered by the test's thread: a
// veth pair with 10.79.0.1/24 on one end. A computer at that address on a
// port nobody listens on gives no answer, and a wake-up call broadcast to
// its subnet comes back to a socket of the test; nothing leaves it.
class WakeNamespace {
public:
    WakeNamespace()
        : m_name(QStringLiteral("pl-twake-") + QString::number(QCoreApplication::applicationPid()))
    {
        m_ready = ip({ "netns", "add", m_name })
            && ip({ "-n", m_name, "link", "add", "wa", "type", "veth", "peer", "name", "wb" })
            && ip({ "-n", m_name, "addr", "add", "10.79.0.1/24", "brd", "+", "dev", "wa" })
            && ip({ "-n", m_name, "link", "set", "wa", "up" }) && ip({ "-n", m_name, "link", "set", "wb", "up" })
            && ip({ "-n", m_name, "link", "set", "lo", "up" }) && enter();
    }
    ~WakeNamespace()
    {
        if (m_home >= 0 && ::setns(m_home, CLONE_NEWNET) != 0)
            qFatal("cannot return to the test's own network namespace");
        if (m_home >= 0)
            ::close(m_home);
        ip({ "netns", "del", m_name });
    }
    static bool canRun(QString* why)
    {
        if (::geteuid() != 0)
            *why = QStringLiteral("needs root for a network namespace");
        else if (QStandardPaths::findExecutable(QStringLiteral("ip")).isEmpty())
            *why = QStringLiteral("needs ip");
        else
            return true;
        return false;
    }
    bool ready() const { return m_ready; }

private:
    bool enter()
    {
        m_home = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
        const int target = ::open(qPrintable(QStringLiteral("/run/netns/") + m_name), O_RDONLY | O_CLOEXEC);
        const bool entered = m_home >= 0 && target >= 0 && ::setns(target, CLONE_NEWNET) == 0;
        if (target >= 0)
            ::close(target);
        return entered;
    }
    static bool ip(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral("ip"), arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QString m_name;
    bool m_ready = false;
    int m_home = -1;
};

class ListAgainstRealVlc : public RealVlcTest {
protected:
    void SetUp() override { startVlc(); }
};
}

// The list: "Saved Computers" with the saved computers and
// "Add computer"; under what discovery is doing (also with nothing found),
// "Setup Instructions" until a setup has worked and "Can't see your
// computer?"; "More" with Skins, Settings and Help. Each fixed row is a
// named 48-pixel row that opens its screen, in edit mode too, and the
// keyboard reaches it; the bar has its buttons.
TEST(RemotesListStructure, SectionsAndFixedRowsAreThoseOfPlayerlinkAndOpenTheirScreens)
{
    FakeHttpServer site;
    QByteArray asked;
    site.setHandler([&](const FakeHttpServer::Request& request) {
        asked = request.target;
        return FakeHttpServer::ok(QByteArrayLiteral("<html><head><title>Help</title></head></html>"), "text/html");
    });
    UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + site.hostAddress());
    // No setup has worked yet (other cases' remotes did).
    UserDefaults::standard().removeObject(PreferenceKeys::haveSetupSuccesfully);
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        RemoteRecord attic = RemoteRecord::forAddress(QStringLiteral("127.0.0.1:9"));
        attic.nickname = QStringLiteral("Attic");
        remotes.saved().setRecords({ attic });
    });
    const QStringList structure { "heading-Saved Computers", "remote-127.0.0.1:9", "addComputer", "heading-Found Computers",
                                  "setup", "cantSee", "heading-More", "skins", "settings", "help" };
    ASSERT_TRUE(waitUntil([&] { return shownRows(w) == structure; })) << shownRows(w).join(u", ").toStdString();
    // What discovery is doing stands over the found computers as it does it.
    w.remotes.scan();
    EXPECT_TRUE(w.item(QStringLiteral("heading-Scanning..."))) << shownRows(w).join(u", ").toStdString();
    EXPECT_TRUE(waitUntil([&] { return shownRows(w) == structure; }, 20000)) << shownRows(w).join(u", ").toStdString();

    const QStringList controls = accessibleControls(w.window);
    for (const char* control : { "button:Scan", "button:Setup", "button:News", "button:Help", "button:Settings",
                                 "button:Edit", "row:Attic", "row:Add computer", "row:Setup Instructions",
                                 "row:Can't see your computer?", "row:Skins", "row:Settings", "row:Help" })
        EXPECT_TRUE(controls.contains(QString::fromUtf8(control))) << control << " in " << controls.join(u", ").toStdString();
    for (const char* row : { "addComputer", "setup", "cantSee", "skins", "settings", "help" })
        EXPECT_GE(w.item(QString::fromUtf8(row))->height(), 48) << row;
    // The bar's five buttons fit a small phone's width, each whole.
    w.window->resize(320, 568);
    for (const char* button : { "scanButton", "setupButton", "newsButton", "helpButton", "settingsButton" }) {
        QQuickItem* item = w.item(QString::fromUtf8(button));
        ASSERT_TRUE(waitUntil([&] { return item->mapToScene(QPointF(item->width(), 0)).x() <= 320; }, 1000)) << button;
        EXPECT_GE(item->width(), 48) << button;
        EXPECT_GE(item->width(), item->property("implicitWidth").toReal()) << button << " cut off";
    }
    w.window->resize(390, 760);

    // Each row, and the bar's Setup and Help, open their screens.
    const std::vector<std::pair<QString, QString>> opens {
        { "addComputer", "remoteConfigPage" }, { "setup", "setupPage" }, { "cantSee", "webPage" }, { "skins", "skinsPage" },
        { "settings", "settingsPage" },        { "help", "webPage" },    { "setupButton", "setupPage" },
        { "helpButton", "webPage" },
    };
    for (const auto& [control, page] : opens) {
        asked.clear();
        w.click(w.item(control));
        EXPECT_TRUE(settled(w, 2)) << control.toStdString();
        EXPECT_EQ(topPage(w), page) << control.toStdString();
        if (page == u"webPage") {
            EXPECT_TRUE(waitUntil([&] { return asked.contains(control == u"cantSee" ? "cantSee" : "help"); }))
                << control.toStdString() << ": " << asked.toStdString();
        }
        QTest::keyClick(w.window, Qt::Key_Escape);
        ASSERT_TRUE(settled(w, 1)) << control.toStdString();
    }

    // Editing keeps the fixed rows, which still open their screens; the
    // keyboard reaches them.
    w.click(w.item(QStringLiteral("editButton")));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("delete-127.0.0.1:9")); }));
    EXPECT_EQ(shownRows(w), structure);
    QQuickItem* skins = w.item(QStringLiteral("skins"));
    for (int tab = 0; tab < 20 && !skins->hasActiveFocus(); ++tab)
        QTest::keyClick(w.window, Qt::Key_Tab);
    ASSERT_TRUE(skins->hasActiveFocus());
    QTest::keyClick(w.window, Qt::Key_Space);
    EXPECT_TRUE(settled(w, 2));
    EXPECT_EQ(topPage(w), u"skinsPage");

    // Once a setup has worked, the list no longer offers its instructions.
    UserDefaults::standard().setBool(PreferenceKeys::haveSetupSuccesfully, true);
    QTest::keyClick(w.window, Qt::Key_Escape);
    ASSERT_TRUE(settled(w, 1));
    EXPECT_TRUE(waitUntil([&] { return !shownRows(w).contains(u"setup"); })) << shownRows(w).join(u", ").toStdString();
    EXPECT_TRUE(shownRows(w).contains(u"cantSee"));
    UserDefaults::standard().removeObject(ServiceHosts::helpSiteKey);
}

// The saved default opens by itself as it first answers; once the list has
// been left, it waits for the user.
TEST_F(ListAgainstRealVlc, TheSavedDefaultOpensByItselfUntilTheListIsLeft)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        RemoteRecord attic = RemoteRecord::forAddress(QStringLiteral("127.0.0.1:9"));
        attic.nickname = QStringLiteral("Attic");
        RemoteRecord den = RemoteRecord::forAddress(vlc->hostAddress());
        den.nickname = QStringLiteral("Den");
        den.password = vlc->password();
        den.isDefault = true;
        remotes.saved().setRecords({ attic, den });
    });
    ASSERT_TRUE(settled(w, 2)) << "the default opens";
    EXPECT_EQ(topPage(w), u"remotePage");
    ASSERT_TRUE(w.remotes.session().remote());
    EXPECT_EQ(w.remotes.session().remote()->name(), u"Den");

    QTest::keyClick(w.window, Qt::Key_Escape);
    ASSERT_TRUE(settled(w, 1));
    QSignalSpy answered(&w.remotes.remotes(), &RemotesModel::answeredAsVlc);
    ASSERT_TRUE(waitUntil([&] { return answered.count() > 0; }, 10000));
    QTest::qWait(50);
    EXPECT_EQ(w.depth(), 1) << "back on the list, the default stays put";
}

// A computer whose VLC answers shows what it plays, and its row's button
// pauses it and plays it again; the bar's "Pause all" pauses it too.
TEST_F(ListAgainstRealVlc, AComputersRowShowsWhatPlaysAndPausesItAsDoesPauseAll)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        RemoteRecord den = RemoteRecord::forAddress(vlc->hostAddress());
        den.nickname = QStringLiteral("Den");
        den.password = vlc->password();
        remotes.saved().setRecords({ den });
    });
    LiveRemote vlcSays(vlc->hostAddress(), vlc->password());
    ASSERT_TRUE(vlcSays.probe());
    ASSERT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().isPlaying(); }));
    const QString nowPlaying = QStringLiteral("nowPlaying-") + vlc->hostAddress();
    ASSERT_TRUE(waitUntil([&] { return w.item(nowPlaying) != nullptr; }, 10000));
    const std::optional<int> current = vlcSays->state().currentIndex();
    EXPECT_EQ(w.item(nowPlaying)->property("text").toString(),
              current ? vlcSays->state().titleForIndex(*current).value_or(QString()) : QString());
    QQuickItem* button = w.item(QStringLiteral("playPause-") + vlc->hostAddress());
    ASSERT_TRUE(button);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), u"Pause");

    w.click(button);
    EXPECT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().playback() == PlaybackState::Paused; }));
    EXPECT_TRUE(waitUntil([&] { return QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name) == u"Play"; }, 8000))
        << "the row follows VLC";
    w.click(button);
    EXPECT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().isPlaying(); }));
    ASSERT_TRUE(waitUntil([&] { return QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name) == u"Pause"; }, 8000));
    w.click(w.item(QStringLiteral("pauseAllButton")));
    EXPECT_TRUE(vlcSays.waitFor([&] { return vlcSays->state().playback() == PlaybackState::Paused; }));
}

// In edit mode the saved computers move, open their configuration and go;
// the saved-remotes file follows each change at once, not only at exit. Out
// of edit mode a row opens its remote, whose name stands on the title bar's
// second line under what plays, and the setup counts as done.
TEST_F(ListAgainstRealVlc, SavedComputersAreMovedEditedAndDeletedAndTheFileFollows)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        remotes.load();
        RemoteRecord study = RemoteRecord::forAddress(vlc->hostAddress());
        study.nickname = QStringLiteral("Study");
        study.password = vlc->password();
        RemoteRecord attic = RemoteRecord::forAddress(QStringLiteral("127.0.0.1:9"));
        attic.nickname = QStringLiteral("Attic");
        remotes.saved().setRecords({ study, attic });
    });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-answers")); }, 10000));
    const QString studyRow = vlc->hostAddress();
    const QString atticRow = QStringLiteral("127.0.0.1:9");
    EXPECT_FALSE(w.item(QStringLiteral("delete-") + studyRow)) << "no editing before Edit";

    w.click(w.item(QStringLiteral("editButton")));
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("down-") + studyRow); }));
    // Laid out at the next polish of the window.
    waitUntil([&] {
        return w.item(QStringLiteral("down-") + studyRow)->height() >= 48
            && w.item(QStringLiteral("delete-") + studyRow)->height() >= 48;
    }, 2000);
    for (const QString& control : { QStringLiteral("delete-"), QStringLiteral("up-"), QStringLiteral("down-") }) {
        QQuickItem* button = w.item(control + studyRow);
        ASSERT_TRUE(button) << control.toStdString();
        EXPECT_GE(button->height(), 48) << control.toStdString();
        EXPECT_GE(button->width(), 48) << control.toStdString();
    }
    const QStringList controls = accessibleControls(w.window);
    for (const char* control : { "button:Done", "button:Scan", "button:Delete", "button:Move up", "button:Move down",
                                 "row:Study", "row:Attic", "row:Add computer" })
        EXPECT_TRUE(controls.contains(QString::fromUtf8(control))) << control << " in " << controls.join(u", ").toStdString();
    EXPECT_FALSE(controls.contains(QStringLiteral("button:"))) << "a button without a name";

    w.click(w.item(QStringLiteral("down-") + studyRow));
    EXPECT_TRUE(waitUntil([&] { return savedOnDisk() == QStringList({ "Attic", "Study" }); }))
        << savedOnDisk().join(u',').toStdString();
    EXPECT_FALSE(w.item(QStringLiteral("down-") + studyRow)->isEnabled()) << "the last saved row moves no lower";

    // A saved row in edit mode opens its configuration, filled in.
    touchRow(w, w.item(QStringLiteral("remote-") + atticRow));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_EQ(w.item(QStringLiteral("nameField"))->property("text").toString(), u"Attic");
    EXPECT_EQ(w.item(QStringLiteral("addressField"))->property("text").toString(), atticRow);
    type(w, QStringLiteral("nameField"), QStringLiteral(" Box"));
    w.click(w.item(QStringLiteral("saveButton")));
    ASSERT_TRUE(settled(w, 1));
    EXPECT_TRUE(waitUntil([&] { return savedOnDisk() == QStringList({ "Attic Box", "Study" }); }))
        << savedOnDisk().join(u',').toStdString();
    EXPECT_EQ(w.remotes.saved().size(), 2u) << "an edit is no new computer";

    w.click(w.item(QStringLiteral("delete-") + atticRow));
    EXPECT_TRUE(waitUntil([&] { return savedOnDisk() == QStringList({ "Study" }); }))
        << savedOnDisk().join(u',').toStdString();
    // One computer has nowhere to move: no arrows that look as if it had.
    EXPECT_TRUE(w.item(QStringLiteral("delete-") + studyRow));
    EXPECT_FALSE(w.item(QStringLiteral("up-") + studyRow));
    EXPECT_FALSE(w.item(QStringLiteral("down-") + studyRow));

    w.click(w.item(QStringLiteral("editButton")));
    ASSERT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("delete-") + studyRow); }));
    touchRow(w, w.item(QStringLiteral("remote-") + studyRow));
    RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] { return session.isPlaying() && !session.title().isEmpty(); }, 10000));
    EXPECT_TRUE(SetupInstructions::haveSetupSuccesfully(UserDefaults::standard())) << "a remote that answers";
    EXPECT_TRUE(waitUntil([&] {
        return w.item(QStringLiteral("barTitle"))->property("text").toString() == session.title()
            && w.item(QStringLiteral("barNote"))
            && w.item(QStringLiteral("barNote"))->property("text").toString() == u"Study";
    }));
    QTest::keyClick(w.window, Qt::Key_Escape);
    EXPECT_TRUE(settled(w, 1));
}

// A computer where nothing answers (a loopback port nobody listens on):
// choosing it explains why in a sheet rather than opening a remote screen
// that could show nothing, and its Help goes to the help site's page on not
// seeing VLC (a loopback stand-in for the site).
TEST(RemotesListChoice, AComputerThatDoesNotAnswerIsExplainedNotOpened)
{
    FakeHttpServer site;
    QByteArray asked;
    site.setHandler([&](const FakeHttpServer::Request& request) {
        asked = request.target;
        return FakeHttpServer::ok(QStringLiteral("<html><head><title>Cannot see</title></head></html>").toUtf8(),
                                  "text/html");
    });
    UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, QStringLiteral("http://") + site.hostAddress());
    const QString address = QStringLiteral("127.0.0.1:9");
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        remotes.load();
        RemoteRecord attic = RemoteRecord::forAddress(address);
        attic.nickname = QStringLiteral("Attic");
        remotes.saved().setRecords({ attic });
    });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-no-answer")); }, 10000));
    touchRow(w, w.item(QStringLiteral("remote-") + address));
    ASSERT_TRUE(waitUntil([&] { return w.noticeButton(1); }));
    EXPECT_TRUE(w.alerts.message().startsWith(u"No sign of VLC at that computer.")) << w.alerts.message().toStdString();
    EXPECT_EQ(w.alerts.buttons(), QStringList({ "Help", "Ok" }));
    EXPECT_EQ(w.depth(), 1) << "no remote screen";
    EXPECT_FALSE(w.remotes.session().remote());

    w.click(w.noticeButton(0));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_TRUE(waitUntil([&] { return asked.contains("cantSee"); })) << asked.toStdString();
    EXPECT_FALSE(w.alerts.isShowing()) << w.alerts.message().toStdString();
}

// A saved computer with a known hardware address that gives no answer:
// "Wake computer" in its sheet broadcasts the magic packet to its subnet and
// the row says "Waking…"; in edit mode its row has the same action.
TEST(RemotesListChoice, ASilentSavedComputerIsWokenFromTheSheetAndTheRowSaysSo)
{
    QString why;
    if (!WakeNamespace::canRun(&why))
        GTEST_SKIP() << why.toStdString();
    WakeNamespace net; // everything made below has its sockets there
    ASSERT_TRUE(net.ready());
    QUdpSocket listener;
    ASSERT_TRUE(listener.bind(QHostAddress::AnyIPv4, WakeOnLan::ports[0]));
    const QString hardware = QStringLiteral("02:5e:10:00:00:02");
    const QByteArray packet = WakeOnLan::magicPacket(*WakeOnLan::parseHardwareAddress(hardware));
    auto packetsCaught = [&] {
        int caught = 0;
        while (listener.hasPendingDatagrams())
            caught += listener.receiveDatagram().data() == packet;
        return caught;
    };
    const QString address = QStringLiteral("10.79.0.1:8080");
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        RemoteRecord den = RemoteRecord::forAddress(address);
        den.nickname = QStringLiteral("Den");
        den.hardwareAddress = hardware;
        remotes.saved().setRecords({ den });
    });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-no-answer")); }, 10000));
    EXPECT_FALSE(w.item(QStringLiteral("state-waking")));
    touchRow(w, w.item(QStringLiteral("remote-") + address));
    ASSERT_TRUE(waitUntil([&] { return w.noticeButton(2); }));
    EXPECT_EQ(w.alerts.buttons(), QStringList({ "Wake computer", "Help", "Ok" }));
    w.click(w.noticeButton(0));
    int caught = 0;
    EXPECT_TRUE(waitUntil([&] { return (caught += packetsCaught()) > 0; }));
    EXPECT_TRUE(waitUntil([&] {
        QQuickItem* waking = w.item(QStringLiteral("state-waking"));
        return waking && waking->isVisible();
    }));
    EXPECT_FALSE(w.alerts.isShowing()) << "sent, so nothing to say: " << w.alerts.message().toStdString();
    EXPECT_EQ(w.depth(), 1);

    w.click(w.item(QStringLiteral("editButton")));
    QQuickItem* wake = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        wake = w.item(QStringLiteral("wake-") + address);
        return wake && wake->isVisible() && wake->height() >= 48;
    }));
    caught = 0;
    w.click(wake);
    EXPECT_TRUE(waitUntil([&] { return (caught += packetsCaught()) > 0; }));
}

// A computer found through the setup helper is offered for saving when
// chosen: No opens it, Yes saves it and says so, and once saved it opens at
// once.
TEST_F(ListAgainstRealVlc, AComputerOfTheSetupHelperIsOfferedForSavingOnce)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    std::shared_ptr<VLCController> found;
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        found = std::make_shared<VLCController>(RemoteRecord::forAddress(vlc->hostAddress()), remotes.network());
        found->setPassword(vlc->password());
        found->setDiscoveredFromBwIdent(true);
        remotes.remotes().addFoundRemote(found, true); // through a scan
    });
    ASSERT_TRUE(waitUntil([&] { return w.item(QStringLiteral("state-answers")); }, 10000));
    const QString offer = QStringLiteral("Would you like to save this Remote to your 'Saved Remotes' list?");
    auto choose = [&] { touchRow(w, w.item(QStringLiteral("remote-") + vlc->hostAddress())); };

    choose();
    ASSERT_TRUE(waitUntil([&] { return w.alerts.title() == offer && w.noticeButton(1); }));
    EXPECT_EQ(w.alerts.buttons(), QStringList({ "Yes", "No" }));
    EXPECT_EQ(w.depth(), 1);
    w.click(w.noticeButton(1));
    ASSERT_TRUE(settled(w, 2)) << "No opens it";
    EXPECT_EQ(w.remotes.saved().size(), 0u);
    QTest::keyClick(w.window, Qt::Key_Escape);
    ASSERT_TRUE(settled(w, 1));

    choose();
    ASSERT_TRUE(waitUntil([&] { return w.alerts.title() == offer && w.noticeButton(1); }));
    w.click(w.noticeButton(0));
    ASSERT_TRUE(waitUntil([&] { return w.alerts.title() == u"Remote Saved"; }))
        << w.alerts.title().toStdString() << " at depth " << w.depth();
    EXPECT_TRUE(w.alerts.message().startsWith(u"If you want to make this your default remote")) << w.alerts.message().toStdString();
    ASSERT_EQ(w.remotes.saved().size(), 1u);
    EXPECT_EQ(w.remotes.saved().recordAt(0).hostAddress, vlc->hostAddress());
    EXPECT_EQ(w.depth(), 1);
    w.click(w.item(QStringLiteral("noticeOk")));
    ASSERT_TRUE(waitUntil([&] { return !w.alerts.isShowing(); }));

    choose();
    EXPECT_TRUE(settled(w, 2)) << "saved already: opens at once";
    EXPECT_FALSE(w.alerts.isShowing()) << w.alerts.title().toStdString();
}
