#include "app/SavedRemotesFile.h"
#include "LaunchedApp.h"
#include "RealVlcTest.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "skin/Skin.h"
#include "ui/FitLabel.h"
#include "vlc/VLCController.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

// What a screen reader hears of the real window, read the way Orca reads
// it: through the desktop's accessibility bus (AT-SPI), by a client in
// another process. The test runs on a display and a session bus of its
// own (xvfb-run, dbus-run-session); the test starts the bus launcher
// through the session bus, and the registry starts when first asked for.
namespace {
const QString launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

QString python()
{
    // The desktop's Python, where the Debian package puts pyatspi.
    return QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                  : QStringLiteral("python3");
}

struct Element {
    QString path, role, name, description, text;
    QStringList states;
    QList<double> value; // current, minimum, maximum
    bool showing() const { return states.contains(QStringLiteral("showing")); }
};

class AccessibilityBus : public RealVlcTest {
protected:
    void SetUp() override
    {
        // Only missing packages skip; a machine that has them must show the tree.
        QProcess probe;
        probe.start(python(), { QStringLiteral("-c"), QStringLiteral("import pyatspi") });
        const bool pyatspi = probe.waitForFinished(20000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
        if (!QFileInfo::exists(launcher) || !pyatspi)
            GTEST_SKIP() << "AT-SPI is not installed: needs the Debian packages at-spi2-core and python3-pyatspi "
                            "(scripts/install-deps.sh)";
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "needs a real display: run through CTest (xvfb-run, PLAYERLINK_TEST_PLATFORM=xcb)";
        ASSERT_FALSE(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").contains(QStringLiteral("nonexistent")))
            << "needs a session bus of its own: run through CTest (dbus-run-session)";
        // Qt joins the accessibility bus once its launcher is there, and
        // only asks it to start when a screen reader would be running.
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        ASSERT_TRUE(bus && bus->startService(QStringLiteral("org.a11y.Bus")).isValid())
            << "the session bus could not start at-spi-bus-launcher";
        ASSERT_TRUE(waitUntil([] { return QAccessible::isActive(); }, 10000))
            << "the application did not join the accessibility bus (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1?)";
        startVlc();
    }

    // The application's elements as the bus shows them now.
    std::vector<Element> tree()
    {
        QProcess reader;
        reader.start(python(), { QStringLiteral(PLAYERLINK_ATSPI_TREE_SCRIPT),
                                 QString::number(QCoreApplication::applicationPid()), QStringLiteral("10") });
        // The answers come from this process's event loop: keep it turning.
        const bool done = waitUntil([&] { return reader.state() == QProcess::NotRunning; }, 30000);
        if (!done)
            reader.kill();
        EXPECT_TRUE(done && reader.exitCode() == 0) << reader.readAllStandardError().toStdString();
        std::vector<Element> elements;
        for (const QByteArray& line : reader.readAllStandardOutput().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (o.isEmpty())
                continue;
            Element e { o[u"path"].toString(), o[u"role"].toString(), o[u"name"].toString(),
                        o[u"description"].toString(), o[u"text"].toString(), {}, {} };
            for (const QJsonValue& state : o[u"states"].toArray())
                e.states << state.toString();
            for (const QJsonValue& v : o[u"value"].toArray())
                e.value << v.toDouble();
            elements.push_back(e);
        }
        return elements;
    }

    static const Element* find(const std::vector<Element>& elements, const QString& role, const QString& nameOrDescription)
    {
        for (const Element& e : elements)
            if (e.role == role && e.showing() && (e.name == nameOrDescription || e.description == nameOrDescription))
                return &e;
        return nullptr;
    }
};

RemoteRecord saved(const QString& name, const QString& address, const QString& password)
{
    RemoteRecord record = RemoteRecord::forAddress(address);
    record.nickname = name;
    record.password = password;
    return record;
}

QString stateAt(RemotesViewController* list, int row)
{
    TableViewCell* cell = list->myTableView()->cellForRowAtIndexPath(IndexPath(0, row));
    return cell && cell->accessoryView() ? cell->accessoryView()->objectName() : QString();
}
}

TEST_F(AccessibilityBus, TheRemotesListTellsEachComputersStateWithItsName)
{
    ScopedHome home;
    LaunchedApp app([&] {
        ASSERT_TRUE(SavedRemotesFile().save({ saved(QStringLiteral("First PC"), vlc->hostAddress(), vlc->password()),
                                              saved(QStringLiteral("Second PC"), vlc->hostAddress(), QString()),
                                              saved(QStringLiteral("Third PC"),
                                                    QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()), QString()) }));
    });
    app.app->window()->show();
    RemotesViewController* list = app.factory().remotesViewController();
    ASSERT_TRUE(waitUntil([&] {
        return stateAt(list, 0) == u"state-answers" && stateAt(list, 1) == u"state-password-needed"
            && stateAt(list, 2) == u"state-no-answer";
    }, 15000)) << stateAt(list, 0).toStdString() << " " << stateAt(list, 1).toStdString() << " " << stateAt(list, 2).toStdString();

    const std::vector<Element> elements = tree();
    const struct {
        const char* name;
        const char* state;
    } rows[] = { { "First PC", "Answers as VLC" }, { "Second PC", "Needs a password" }, { "Third PC", "No answer" } };
    for (const auto& row : rows) {
        const Element* item = find(elements, QStringLiteral("list item"), QString::fromLatin1(row.name));
        ASSERT_TRUE(item) << row.name;
        EXPECT_EQ(item->description, QString::fromLatin1(row.state)) << row.name;
    }
    for (const Element& e : elements)
        if (e.showing() && e.role == u"push button") {
            EXPECT_FALSE(e.name.isEmpty()) << "a button without a name at " << e.path.toStdString();
        }
}

TEST_F(AccessibilityBus, TheRemoteScreenReadsOutTitleStatusTimesAndTheWheelsValues)
{
    ScopedHome home;
    LaunchedApp app([] { UserDefaults::standard().setInteger(PreferenceKeys::usersWhatsNewVersion, 2); });
    app.app->window()->show();
    app.app->connectTo(vlc->hostAddress(), vlc->password());
    MainViewController* screen = app.factory().mainViewController();
    ASSERT_TRUE(waitUntil([&] {
        return app.top() == screen && !app.navigation()->isTransitioning() && screen->currentRemote()->state().isPlaying()
            && screen->currentRemote()->state().timeLengthSeconds() == 30 && screen->currentRemote()->state().volume() == 100;
    }, 15000));
    const int elapsedBefore = screen->currentRemote()->state().smoothedTimeElapsedSeconds();

    const std::vector<Element> elements = tree();
    const int elapsedAfter = screen->currentRemote()->state().smoothedTimeElapsedSeconds();
    auto label = [&](const char* description) {
        const Element* e = find(elements, QStringLiteral("label"), QString::fromLatin1(description));
        return e ? *e : Element {};
    };
    // Each text reads as its value, and says what it is.
    EXPECT_EQ(label("Now Playing").name, QStringLiteral("alpha.wav"));
    EXPECT_EQ(label("Now Playing").text, QStringLiteral("alpha.wav"));
    EXPECT_EQ(label("Status").name, QStringLiteral("Connected to ") + vlc->hostAddress());
    EXPECT_EQ(label("Length").name, QStringLiteral("00:30"));
    auto seconds = [](const QString& time) {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d\\d):(\\d\\d)$")).match(time);
        return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
    };
    const int elapsed = seconds(label("Time Elapsed").name);
    EXPECT_GE(elapsed, elapsedBefore) << label("Time Elapsed").name.toStdString();
    EXPECT_LE(elapsed, elapsedAfter);
    EXPECT_NEAR(seconds(label("Time Remaining").name), 30 - elapsed, 2);
    // The navigation bar's title says it too.
    int titled = 0;
    for (const Element& e : elements)
        titled += e.role == u"label" && e.showing() && e.name == u"alpha.wav";
    EXPECT_EQ(titled, 2);

    // The wheels (on the second page, out of view) are spin boxes with the
    // time and volume they show.
    auto wheel = [&](const char* name) {
        for (const Element& e : elements)
            if (e.role == u"spin button" && e.name == QString::fromLatin1(name))
                return e.value;
        return QList<double> {};
    };
    EXPECT_EQ(wheel("Minutes"), (QList<double> { 0, 0, 0 }));
    EXPECT_EQ(wheel("Volume"), (QList<double> { 100, 0, 200 }));
    const QList<double> second = wheel("Seconds");
    ASSERT_EQ(second.size(), 3);
    EXPECT_GE(int(second[0]), elapsedBefore);
    EXPECT_LE(int(second[0]), elapsedAfter);
    EXPECT_EQ(second[2], 59);
    // Its captions once each, not once for each layer of their drawing.
    int timeCaptions = 0;
    for (const Element& e : elements)
        timeCaptions += e.name == u"Time:";
    EXPECT_EQ(timeCaptions, 1);

    // Every button and slider on view has a name; the sliders their value.
    for (const Element& e : elements) {
        if (!e.showing() || (e.role != u"push button" && e.role != u"slider"))
            continue;
        EXPECT_FALSE(e.name.isEmpty()) << e.role.toStdString() << " without a name at " << e.path.toStdString();
        if (e.role == u"slider") {
            EXPECT_EQ(e.value.size(), 3) << e.name.toStdString();
        }
    }
    EXPECT_TRUE(find(elements, QStringLiteral("push button"), QStringLiteral("Full screen")));
    const Element* skip = find(elements, QStringLiteral("push button"), QStringLiteral("Skip Forward"));
    ASSERT_TRUE(skip);
    EXPECT_EQ(skip->description, QStringLiteral("30 Seconds"));
}
