#include "app/SavedRemotesFile.h"
#include "AtspiTree.h"
#include "LaunchedApp.h"
#include "RealVlcTest.h"
#include "screens/MainView/MainViewController.h"
#include "screens/Remotes/RemotesViewController.h"
#include "skin/Skin.h"
#include "ui/FitLabel.h"
#include "vlc/VLCController.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

// What a screen reader hears of the real window, read through the
// desktop's accessibility bus (AtspiTree).
namespace {
using AtspiTree::Element;

class AccessibilityBus : public RealVlcTest {
protected:
    void SetUp() override
    {
        // Only missing packages skip; a machine that has them must show the tree.
        if (const QString why = AtspiTree::missing(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        AtspiTree::join();
        if (HasFatalFailure())
            return;
        startVlc();
    }

    static std::vector<Element> tree() { return AtspiTree::read(); }
    static const Element* find(const std::vector<Element>& elements, const QString& role, const QString& nameOrDescription)
    {
        return AtspiTree::find(elements, role, nameOrDescription);
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
