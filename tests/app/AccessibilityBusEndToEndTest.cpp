// What a screen reader hears of playerlink's window, read through the
// desktop's accessibility bus (AtspiTree) against a real VLC: each computer
// of the remotes list with its state, and the remote screen's title, texts
// and times, with the scales and wheels giving their values and ranges.

#include "AtspiTree.h"
#include "RealVlcTest.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "models/RemoteSession.h"
#include "vlc/SavedRemoteList.h"

#include <QRegularExpression>
#include <QtQml/qqmlextensionplugin.h>

#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(PlayerLinkPlugin)

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
};

RemoteRecord saved(const QString& name, const QString& address, const QString& password)
{
    RemoteRecord record = RemoteRecord::forAddress(address);
    record.nickname = name;
    record.password = password;
    return record;
}

int seconds(const QString& time)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d+):(\\d\\d)$")).match(time);
    return m.hasMatch() ? m.captured(1).toInt() * 60 + m.captured(2).toInt() : -1;
}
}

TEST_F(AccessibilityBus, TheRemotesListTellsEachComputersStateWithItsName)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(false, [&](RemotesScreen& remotes) {
        remotes.saved().setRecords({ saved(QStringLiteral("First PC"), vlc->hostAddress(), vlc->password()),
                                     saved(QStringLiteral("Second PC"), vlc->hostAddress(), QString()),
                                     saved(QStringLiteral("Third PC"), QStringLiteral("127.0.0.1:%1").arg(unusedLoopbackPort()),
                                           QString()) });
    });
    ASSERT_TRUE(waitUntil([&] {
        return w.item(QStringLiteral("state-answers")) && w.item(QStringLiteral("state-password-needed"))
            && w.item(QStringLiteral("state-no-answer"));
    }, 15000));

    const std::vector<Element> elements = AtspiTree::read();
    const struct {
        const char* name;
        const char* state;
    } rows[] = { { "First PC", "Answers as VLC" }, { "Second PC", "Needs a password" }, { "Third PC", "No answer" } };
    for (const auto& row : rows) {
        const Element* item = AtspiTree::find(elements, QStringLiteral("list item"), QString::fromLatin1(row.name));
        ASSERT_TRUE(item) << row.name;
        EXPECT_EQ(item->description, QString::fromLatin1(row.state)) << row.name;
    }
    for (const Element& e : elements)
        if (e.showing() && e.role == u"push button") {
            EXPECT_FALSE(e.name.isEmpty()) << "a button without a name at " << e.path.toStdString();
        }
}

TEST_F(AccessibilityBus, TheRemoteScreenReadsOutTitleStatusTimesAndTheValuesOfScalesAndWheels)
{
    if (IsSkipped() || HasFatalFailure())
        return;
    ProgramWindow w(true, [&](RemotesScreen& remotes) { remotes.connectTo(vlc->hostAddress(), vlc->password()); });
    const RemoteSession& session = w.remotes.session();
    ASSERT_TRUE(waitUntil([&] {
        return session.isPlaying() && session.length() == 30 && session.volume() == 100 && !session.title().isEmpty();
    }, 15000)) << "VLC said: " << vlc->log().toStdString();
    const int elapsedBefore = session.elapsed();
    const std::vector<Element> elements = AtspiTree::read();
    const int elapsedAfter = session.elapsed() + 1;

    // Each text reads as what it shows, and says what it is.
    auto label = [&](const char* what) {
        const Element* e = AtspiTree::find(elements, QStringLiteral("label"), QString::fromLatin1(what));
        return e ? *e : Element {};
    };
    EXPECT_EQ(label("Now Playing").name, session.title());
    EXPECT_EQ(label("Now Playing").description, u"Now Playing");
    EXPECT_EQ(label("Status").name, session.connectionText());
    EXPECT_TRUE(label("Status").name.contains(vlc->hostAddress())) << label("Status").name.toStdString();
    EXPECT_EQ(seconds(label("Length").name), 30) << label("Length").name.toStdString();
    const int elapsed = seconds(label("Time Elapsed").name);
    EXPECT_GE(elapsed, elapsedBefore) << label("Time Elapsed").name.toStdString();
    EXPECT_LE(elapsed, elapsedAfter);
    // The bar's title says what plays too.
    int titled = 0;
    for (const Element& e : elements)
        titled += e.role == u"label" && e.showing() && e.name == session.title();
    EXPECT_GE(titled, 2);

    // The scales and the wheels (on the second page, out of view) give
    // their value and range: current, minimum, maximum.
    auto valueOf = [&](const char* role, const char* name) {
        for (const Element& e : elements)
            if (e.role == QString::fromLatin1(role) && e.name == QString::fromLatin1(name))
                return e.value;
        return QList<double> {};
    };
    EXPECT_EQ(valueOf("slider", "Volume"), (QList<double> { 100, 0, 200 }));
    const QList<double> position = valueOf("slider", "Position");
    ASSERT_EQ(position.size(), 3);
    EXPECT_GE(position[0], elapsedBefore - 1);
    EXPECT_LE(position[0], elapsedAfter);
    EXPECT_EQ(position[2], 30);
    EXPECT_EQ(valueOf("spin button", "Minutes"), (QList<double> { 0, 0, 0 }));
    EXPECT_EQ(valueOf("spin button", "Volume"), (QList<double> { 100, 0, 200 }));
    const QList<double> second = valueOf("spin button", "Seconds");
    ASSERT_EQ(second.size(), 3);
    EXPECT_GE(int(second[0]), elapsedBefore);
    EXPECT_LE(int(second[0]), elapsedAfter);
    EXPECT_EQ(second[1], 0);
    EXPECT_EQ(second[2], 59);

    // Every button and scale on view has a name.
    for (const Element& e : elements)
        if (e.showing() && (e.role == u"push button" || e.role == u"slider")) {
            EXPECT_FALSE(e.name.isEmpty()) << e.role.toStdString() << " without a name at " << e.path.toStdString();
        }
}
