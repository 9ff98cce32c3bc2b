// playerlink's remotes list on a network the test makes: computers
// published with a real Avahi daemon in a namespace of its own, one of them
// running a real VLC, found, forgotten when they leave, and chosen from the
// configuration form. A program of its own, since the D-Bus library takes
// the bus address once per process.

#include "DnsSdNamespace.h"
#include "TestSupport.h"
#include "ProgramWindow.h"
#include "VlcInstance.h"
#include "net/AvahiConnection.h"
#include "vlc/SavedRemoteList.h"

#include <QProcess>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(PlayerLinkPlugin)

namespace {
void type(ProgramWindow& w, const QString& field, const QString& text)
{
    w.click(w.item(field));
    for (QChar c : text)
        QTest::keyClick(w.window, c.toLatin1());
}

// Whether the namespace's daemon still answers a browse with a service
// whose name holds this word (a withdrawn one lingers in its cache for a
// moment; the parsable output writes a space as \032).
bool advertised(const DnsSdNamespace& net, const QString& name)
{
    const QStringList command = net.commandInside({ QStringLiteral("avahi-browse"), QStringLiteral("-tp"),
                                                    QStringLiteral("_http._tcp") });
    QProcess browse;
    browse.start(command.first(), command.mid(1));
    browse.waitForFinished(10000);
    return QString::fromUtf8(browse.readAllStandardOutput()).contains(name);
}

bool settled(ProgramWindow& w, int depth)
{
    return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
}
}

// Computers published with Avahi in a namespace, one of them running VLC
// on its usual port: the list shows them with their state, a new scan
// forgets one that left the network, and the configuration form takes a
// found computer's address and name from its chooser.
TEST(RemotesDiscovery, FoundComputersComeAndGoWithTheirStateAndFillTheConfigurationForm)
{
    QString why;
    if (!DnsSdNamespace::canRun(&why) || !VlcInstance::canRun(&why))
        GTEST_SKIP() << why.toStdString();
    DnsSdNamespace net;
    ASSERT_TRUE(net.ready()) << net.error().toStdString();
    const QString secondAddress = QStringLiteral("10.77.0.3");
    ASSERT_TRUE(net.ip(QStringLiteral("addr add 10.77.0.3/24 dev vb")));
    ASSERT_TRUE(net.publishAddress(QStringLiteral("plsecond.local"), secondAddress));
    ASSERT_TRUE(net.enter());
    struct Leave {
        DnsSdNamespace& net;
        ~Leave() { net.leave(); }
    } leave { net };

    VlcInstance::Options options;
    options.httpHost = DnsSdNamespace::daemonAddress;
    options.port = 8080;
    VlcInstance vlc(options);
    ASSERT_TRUE(vlc.started()) << vlc.error().toStdString();
    ASSERT_TRUE(waitUntil([] { return AvahiConnection::shared().isRunning(); }, 10000));
    ASSERT_FALSE(net.publishService(QStringLiteral("Living Room"), QStringLiteral("_http._tcp"), 8080).isEmpty());
    ASSERT_FALSE(net.publishService(QStringLiteral("Second Box"), QStringLiteral("_http._tcp"), 80,
                                    QStringLiteral("plsecond.local")).isEmpty());

    ScopedHome home;
    ProgramWindow w(false);
    auto stateOf = [&](const QString& address) {
        QQuickItem* row = w.item(QStringLiteral("remote-") + address);
        QQuickItem* icon = row ? ProgramWindow::find(row, [](QQuickItem* item) {
            return item->objectName().startsWith(u"state-") && item->isVisible();
        }) : nullptr;
        return icon ? icon->objectName() : QString();
    };
    const QString livingRoom = DnsSdNamespace::daemonAddress;
    ASSERT_TRUE(waitUntil([&] { return stateOf(livingRoom) == u"state-password-needed"; }, 30000))
        << stateOf(livingRoom).toStdString();
    ASSERT_TRUE(waitUntil([&] { return stateOf(secondAddress) == u"state-no-answer"; }, 30000));

    // Gone from the network, gone from the list after a new scan.
    net.unpublish(QStringLiteral("Second Box"));
    ASSERT_TRUE(waitUntil([&] { return !advertised(net, QStringLiteral("Second")); }, 15000));
    w.click(w.item(QStringLiteral("scanButton")));
    EXPECT_TRUE(waitUntil([&] { return !w.item(QStringLiteral("remote-") + secondAddress); }, 3000));
    ASSERT_TRUE(waitUntil([&] { return stateOf(livingRoom) == u"state-password-needed"; }, 30000));
    EXPECT_FALSE(w.item(QStringLiteral("remote-") + secondAddress));

    // The form's chooser lists the found computers; the one chosen fills
    // the form, which then saves it.
    w.click(w.item(QStringLiteral("addComputer")));
    ASSERT_TRUE(settled(w, 2));
    ASSERT_TRUE(w.item(QStringLiteral("chooseFound")));
    w.click(w.item(QStringLiteral("chooseFound")));
    ASSERT_TRUE(settled(w, 3));
    QQuickItem* found = w.item(QStringLiteral("found-") + livingRoom);
    ASSERT_TRUE(found);
    EXPECT_GE(found->height(), 48);
    w.click(found);
    ASSERT_TRUE(settled(w, 2));
    EXPECT_EQ(w.item(QStringLiteral("addressField"))->property("text").toString(), livingRoom);
    EXPECT_EQ(w.item(QStringLiteral("nameField"))->property("text").toString(), u"Living Room");
    type(w, QStringLiteral("configPasswordField"), vlc.password());
    w.click(w.item(QStringLiteral("saveButton")));
    ASSERT_TRUE(settled(w, 1));
    ASSERT_EQ(w.remotes.saved().size(), 1u);
    EXPECT_EQ(w.remotes.saved().recordAt(0).hostAddress, livingRoom);
    EXPECT_EQ(w.remotes.saved().recordAt(0).password, vlc.password());
}
