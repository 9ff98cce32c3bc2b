#include "DnsSdNamespace.h"
#include "../widgets/LaunchedApp.h"
#include "models/RemotesDiscovery.h"
#include "net/AvahiConnection.h"
#include "net/BonjourBrowser.h"
#include "screens/Remotes/RemotesViewController.h"
#include "VlcInstance.h"
#include "vlc/VLCController.h"

#include <QElapsedTimer>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <iostream>

namespace {
const QString secondHost = QStringLiteral("plsecond.local");
const QString secondAddress = QStringLiteral("10.77.0.3");

std::shared_ptr<VLCController> foundAt(const RemotesViewController* list, const QString& address)
{
    for (const auto& remote : list->playerLinks())
        if (remote->record().hostAddress == address)
            return remote;
    return nullptr;
}

// The state icon of the found computer's row ("" while it has no row on screen).
QString stateOf(RemotesViewController* list, const QString& address)
{
    const auto& found = list->playerLinks();
    for (size_t i = 0; i < found.size(); ++i) {
        if (found[i]->record().hostAddress != address)
            continue;
        TableViewCell* cell = list->myTableView()->cellForRowAtIndexPath(IndexPath(1, int(i)));
        return cell && cell->accessoryView() ? cell->accessoryView()->objectName() : QString();
    }
    return {};
}
}

// The list as a person sees it on a network the test makes: computers
// published with Avahi in a namespace, one of them running a real VLC on
// VLC's usual port.
TEST(RemotesDiscoveryEndToEnd, FoundComputersAreListedOncePerAddressWithTheirStateAndCanBeSaved)
{
    QString why;
    if (!DnsSdNamespace::canRun(&why) || !VlcInstance::canRun(&why))
        GTEST_SKIP() << why.toStdString();
    DnsSdNamespace net;
    ASSERT_TRUE(net.ready()) << net.error().toStdString();
    ASSERT_TRUE(net.ip(QStringLiteral("addr add 10.77.0.3/24 dev vb")));
    ASSERT_TRUE(net.publishAddress(secondHost, secondAddress));
    // Everything below, VLC and the application's network access, runs inside.
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

    ASSERT_FALSE(net.publishService(QStringLiteral("0123456789ab@Living Room"), QStringLiteral("_http._tcp"), 8080).isEmpty());
    ASSERT_FALSE(net.publishService(QStringLiteral("Second Box"), QStringLiteral("_http._tcp"), 80, secondHost).isEmpty());

    ScopedHome home;
    QElapsedTimer clock;
    clock.start();
    LaunchedApp run;
    RemotesViewController* list = run.factory().remotesViewController();
    ASSERT_TRUE(waitUntil([&] { return stateOf(list, DnsSdNamespace::daemonAddress) == "state-password-needed"; }, 30000))
        << stateOf(list, DnsSdNamespace::daemonAddress).toStdString();
    const qint64 shownMs = clock.elapsed();
    ASSERT_TRUE(waitUntil([&] { return stateOf(list, secondAddress) == "state-no-answer"; }, 30000));
    std::cout << "[ measured ] a computer published in the namespace was listed with its state " << shownMs
              << " ms after the list appeared" << std::endl;

    // One row per address, each with its most readable name; each name
    // arrives in a pass of its own (as the 10-second refresh makes them).
    const auto livingRoom = foundAt(list, DnsSdNamespace::daemonAddress);
    EXPECT_EQ(livingRoom->name(), "0123456789ab@Living Room");
    EXPECT_EQ(foundAt(list, secondAddress)->name(), "Second Box");
    ASSERT_FALSE(net.publishService(QStringLiteral("Living Room"), QStringLiteral("_sftp-ssh._tcp"), 22).isEmpty());
    list->discovery().refreshScan();
    ASSERT_TRUE(waitUntil([&] { return livingRoom->name() == "Living Room"; }, 25000)) << livingRoom->name().toStdString();
    ASSERT_FALSE(net.publishService(QStringLiteral("Bob"), QStringLiteral("_ssh._tcp"), 22).isEmpty());
    list->discovery().refreshScan();
    ASSERT_TRUE(waitUntil([&] {
        const auto& all = list->bonjourBrowser()->allComputers();
        return std::any_of(all.begin(), all.end(), [](const BonjourComputer& c) { return c.name() == "Bob"; });
    }, 25000));
    EXPECT_EQ(livingRoom->name(), "Living Room") << "a 3-letter name never replaces a readable one";
    EXPECT_EQ(list->playerLinks().size(), size_t(2));

    // The desktop side's own service, arriving last, marks the computer.
    ASSERT_FALSE(net.publishService(QStringLiteral("Living Room PlayerLink"), QStringLiteral("_bw-ident._tcp"), 8080).isEmpty());
    list->discovery().refreshScan();
    ASSERT_TRUE(waitUntil([&] { return livingRoom->record().discoveredFromBwIdent; }, 25000));
    EXPECT_EQ(livingRoom->name(), "Living Room");
    EXPECT_EQ(list->playerLinks().size(), size_t(2));

    // Choosing it asks for VLC's password; with it VLC answers, and a
    // computer of the desktop side is offered for saving.
    const auto& found = list->playerLinks();
    const int row = int(std::find(found.begin(), found.end(), livingRoom) - found.begin());
    list->didSelectRowAtIndexPath(list->myTableView(), IndexPath(1, row));
    AlertView* prompt = AlertView::topAlert();
    ASSERT_TRUE(prompt && prompt->textField());
    prompt->textField()->setText(vlc.password());
    prompt->pressButton(2);
    ASSERT_TRUE(waitUntil([&] {
        AlertView* sheet = AlertView::topAlert();
        return sheet && sheet->title() == "Would you like to save this Remote to your 'Saved Remotes' list?";
    }, 10000));
    EXPECT_EQ(stateOf(list, DnsSdNamespace::daemonAddress), "state-answers");
    AlertView::topAlert()->pressButton(0);
    ASSERT_EQ(run.factory().savedRemotes().size(), size_t(1));
    EXPECT_EQ(run.factory().savedRemotes().recordAt(0).hostAddress, DnsSdNamespace::daemonAddress);
    EXPECT_EQ(run.factory().savedRemotes().recordAt(0).password, vlc.password());
    ASSERT_TRUE(AlertView::topAlert());
    EXPECT_EQ(AlertView::topAlert()->title(), "Remote Saved");
}
