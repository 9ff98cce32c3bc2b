#include "core/ConsoleLog.h"
#include "DnsSdNamespace.h"
#include "net/AvahiConnection.h"
#include "net/BonjourBrowser.h"
#include "net/BonjourBrowserDelegate.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

namespace {
const QString secondHost = QStringLiteral("plsecond.local");
const QString secondAddress = QStringLiteral("10.77.0.3");

// Hears what a run says, and when each computer first appeared.
class Listener : public QObject, public BonjourBrowserDelegate {
public:
    QStringList statuses;
    int uniqueChanges = 0;
    int allChanges = 0;
    QElapsedTimer clock;
    QMap<QString, qint64> firstSeenMs;

    void statusChangedInBrowser(BonjourBrowser* browser) override { statuses << browser->status(); }
    void uniqueComputersChangedInBrowser(BonjourBrowser* browser) override
    {
        ++uniqueChanges;
        for (const BonjourComputer& computer : browser->uniqueComputers())
            if (!firstSeenMs.contains(computer.ipAddress()))
                firstSeenMs[computer.ipAddress()] = clock.elapsed();
    }
    void allComputersChangedInBrowser(BonjourBrowser*) override { ++allChanges; }
};

const BonjourComputer* computerAt(const BonjourBrowser& browser, const QString& address)
{
    for (const BonjourComputer& computer : browser.uniqueComputers())
        if (computer.ipAddress() == address)
            return &computer;
    return nullptr;
}

int linesContaining(const ConsoleCapture& log, const QString& fragment)
{
    return static_cast<int>(std::count_if(log.lines.begin(), log.lines.end(),
                                          [&](const QString& line) { return line.contains(fragment); }));
}

const QString outageLine = QStringLiteral("DNS-SD unavailable");
}

class DiscoveryEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!DnsSdNamespace::canRun())
            return;
        s_net = std::make_unique<DnsSdNamespace>();
        // A second computer: its address answers nothing, as a computer
        // without VLC would.
        if (s_net->ready() && !(s_net->ip(QStringLiteral("addr add 10.77.0.3/24 dev vb"))
                                && s_net->publishAddress(secondHost, secondAddress)))
            s_net.reset();
    }
    static void TearDownTestSuite() { s_net.reset(); }

    void SetUp() override
    {
        QString why;
        if (!DnsSdNamespace::canRun(&why))
            GTEST_SKIP() << why.toStdString();
        ASSERT_TRUE(s_net && s_net->ready()) << (s_net ? s_net->error() : QString("set-up failed")).toStdString();
        ASSERT_TRUE(s_net->startDaemon()) << s_net->error().toStdString();
        ASSERT_TRUE(waitUntil([] { return AvahiConnection::shared().isRunning(); }, 10000));
    }
    void TearDown() override
    {
        if (!s_net)
            return;
        s_net->unpublishAll();
        s_net->startDaemon();
        s_net->publishAddress(secondHost, secondAddress);
    }

    // Runs one pass of the browser to its end.
    static bool pass(BonjourBrowser& browser, bool clearFirst)
    {
        browser.startSearch(clearFirst);
        return waitUntil([&] { return browser.liveScans() == 0; }, 20000);
    }
    static QString publish(const QString& name, const QString& type, const QString& host = {})
    {
        return s_net->publishService(name, type, 8080, host);
    }

    static std::unique_ptr<DnsSdNamespace> s_net;
};

std::unique_ptr<DnsSdNamespace> DiscoveryEndToEnd::s_net;

TEST_F(DiscoveryEndToEnd, OneComputerPerAddressWithItsBestNameAndIdentification)
{
    ASSERT_EQ(publish("0123456789ab@Living Room", "_http._tcp"), "0123456789ab@Living Room");
    ASSERT_FALSE(publish("00112233AABB", "_http._tcp", secondHost).isEmpty());

    Listener listener;
    BonjourBrowser browser(&listener);
    listener.clock.start();
    ASSERT_TRUE(pass(browser, true));
    const qint64 passMs = listener.clock.elapsed();
    ASSERT_EQ(browser.uniqueComputers().size(), 2);
    EXPECT_EQ(listener.statuses, QStringList({ "Scanning...", "" }));
    std::cout << "[ measured ] published computers found after " << listener.firstSeenMs.value(DnsSdNamespace::daemonAddress)
              << " and " << listener.firstSeenMs.value(secondAddress) << " ms; the pass ended after " << passMs
              << " ms" << std::endl;

    // Each rule in turn, each name arriving in a pass of its own.
    ASSERT_FALSE(publish("Living Room", "_ssh._tcp").isEmpty());
    ASSERT_FALSE(publish("Second Box", "_ssh._tcp", secondHost).isEmpty());
    ASSERT_TRUE(pass(browser, false));
    EXPECT_EQ(computerAt(browser, DnsSdNamespace::daemonAddress)->name(), "Living Room");
    EXPECT_EQ(computerAt(browser, secondAddress)->name(), "Second Box");

    ASSERT_FALSE(publish("Bob", "_sftp-ssh._tcp").isEmpty());
    ASSERT_TRUE(pass(browser, false));
    EXPECT_EQ(computerAt(browser, DnsSdNamespace::daemonAddress)->name(), "Living Room");
    EXPECT_FALSE(computerAt(browser, DnsSdNamespace::daemonAddress)->bwIdentified());

    // The identifying type, last, with a name that is no better: the
    // computer is marked, and the delegate hears of it.
    ASSERT_FALSE(publish("Living Room PlayerLink", "_bw-ident._tcp").isEmpty());
    const int changesBefore = listener.uniqueChanges;
    ASSERT_TRUE(pass(browser, false));
    const BonjourComputer* first = computerAt(browser, DnsSdNamespace::daemonAddress);
    EXPECT_EQ(first->name(), "Living Room");
    EXPECT_TRUE(first->bwIdentified());
    EXPECT_FALSE(computerAt(browser, secondAddress)->bwIdentified());
    EXPECT_EQ(listener.uniqueChanges, changesBefore + 1);

    // One entry per resolved service, not one per pass.
    EXPECT_EQ(browser.uniqueComputers().size(), 2);
    EXPECT_EQ(browser.allComputers().size(), 6);

    // Starting afresh empties the lists and finds them again.
    listener.statuses.clear();
    ASSERT_TRUE(pass(browser, true));
    EXPECT_EQ(browser.uniqueComputers().size(), 2);
    EXPECT_EQ(listener.statuses, QStringList({ "Scanning...", "" }));
}

TEST_F(DiscoveryEndToEnd, ServicesWithoutAnIpv4AddressMakeNoComputer)
{
    ASSERT_TRUE(s_net->publishAddress(QStringLiteral("sixonly.local"), QStringLiteral("fd00::77")));
    ASSERT_FALSE(publish("Only Six", "_ipp._tcp", QStringLiteral("sixonly.local")).isEmpty());

    Listener listener;
    BonjourBrowser browser(&listener);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(pass(browser, true));
    std::cout << "[ measured ] a pass with an unresolvable service ended after " << clock.elapsed() << " ms"
              << std::endl;
    EXPECT_TRUE(browser.uniqueComputers().isEmpty());
    EXPECT_EQ(listener.statuses, QStringList({ "Scanning...", "" }));
}

TEST_F(DiscoveryEndToEnd, WithoutTheDaemonNothingIsFoundAndItComesBack)
{
    ConsoleCapture log;
    ASSERT_FALSE(publish("Living Room", "_http._tcp").isEmpty());
    // A service that does not resolve keeps a resolution running.
    ASSERT_TRUE(s_net->publishAddress(QStringLiteral("sixonly.local"), QStringLiteral("fd00::77")));
    ASSERT_FALSE(publish("Only Six", "_ipp._tcp", QStringLiteral("sixonly.local")).isEmpty());

    Listener listener;
    BonjourBrowser browser(&listener);
    browser.startSearch(true);
    ASSERT_TRUE(waitUntil([&] { return computerAt(browser, DnsSdNamespace::daemonAddress); }, 10000));
    ASSERT_GE(browser.liveScans(), 1);

    // The daemon goes: what runs ends, what was found stays, one line says so.
    s_net->stopDaemon();
    s_net->unpublish(QStringLiteral("sixonly.local"));
    s_net->unpublish(QStringLiteral("Only Six"));
    ASSERT_TRUE(waitUntil([&] { return browser.liveScans() == 0; }, 10000));
    EXPECT_EQ(browser.status(), "");
    EXPECT_FALSE(AvahiConnection::shared().isRunning());
    EXPECT_EQ(browser.uniqueComputers().size(), 1);
    EXPECT_EQ(linesContaining(log, outageLine), 1) << log.lines.join('\n').toStdString();

    // Passes without the daemon end at once and say nothing more.
    listener.statuses.clear();
    ASSERT_TRUE(pass(browser, true));
    EXPECT_TRUE(browser.uniqueComputers().isEmpty());
    EXPECT_EQ(listener.statuses, QStringList({ "Scanning...", "" }));
    AvahiConnection lateComer; // as a program started while the daemon is away
    Listener lateListener;
    BonjourBrowser lateBrowser(&lateListener, &lateComer);
    ASSERT_TRUE(pass(lateBrowser, true));
    EXPECT_TRUE(lateBrowser.uniqueComputers().isEmpty());
    EXPECT_EQ(linesContaining(log, outageLine), 2); // one for each connection

    // The daemon is back: both connections return by themselves.
    ASSERT_TRUE(s_net->startDaemon()) << s_net->error().toStdString();
    ASSERT_TRUE(waitUntil([&] { return AvahiConnection::shared().isRunning() && lateComer.isRunning(); }, 10000));
    ASSERT_TRUE(pass(browser, true));
    ASSERT_TRUE(pass(lateBrowser, true));
    ASSERT_TRUE(computerAt(browser, DnsSdNamespace::daemonAddress));
    ASSERT_TRUE(computerAt(lateBrowser, DnsSdNamespace::daemonAddress));
    EXPECT_EQ(computerAt(lateBrowser, DnsSdNamespace::daemonAddress)->name(), "Living Room");
    EXPECT_EQ(linesContaining(log, outageLine), 2);
}

TEST_F(DiscoveryEndToEnd, AStoppedRunTellsNobodyAndStartsNothingNew)
{
    ASSERT_FALSE(publish("Living Room", "_http._tcp").isEmpty());
    Listener listener;
    auto browser = std::make_unique<BonjourBrowser>(&listener);
    browser->startSearch(true);
    browser->stop();
    ASSERT_TRUE(waitUntil([&] { return browser->liveScans() == 0; }, 10000));
    EXPECT_TRUE(browser->uniqueComputers().isEmpty());
    EXPECT_EQ(listener.statuses, QStringList({ "Scanning..." })); // nothing after stop
    EXPECT_EQ(browser->delegate(), nullptr);

    // A run whose delegate goes keeps running and tells nobody.
    auto gone = std::make_unique<Listener>();
    BonjourBrowser orphan(gone.get());
    orphan.startSearch(true);
    gone.reset();
    EXPECT_EQ(orphan.delegate(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return orphan.liveScans() == 0; }, 10000));
    EXPECT_EQ(orphan.uniqueComputers().size(), 1);
}

TEST_F(DiscoveryEndToEnd, TheCommandLineListsWhatItFinds)
{
    ASSERT_FALSE(publish("Living Room", "_http._tcp").isEmpty());
    ASSERT_FALSE(publish("Living Room PlayerLink", "_bw-ident._tcp").isEmpty());
    // A name that would retitle and clear a terminal, as anyone on the network may announce.
    const QString hostile = QStringLiteral("Second\x1b]0;x\x07\u009b2J Box");
    ASSERT_EQ(publish(hostile, "_http._tcp", secondHost), hostile);
    // The child finds the private bus through the environment, as this process does.
    auto discover = [](int* exitCode, const QStringList& options = { "--json" }) {
        QProcess cli;
        cli.start(QStringLiteral(PLAYERLINK_CLI_PATH), options + QStringList { "discover" });
        EXPECT_TRUE(cli.waitForFinished(30000));
        *exitCode = cli.exitCode();
        return std::make_pair(cli.readAllStandardOutput(), QString::fromUtf8(cli.readAllStandardError()));
    };
    int exitCode = -1;
    const auto [json, errors] = discover(&exitCode);
    EXPECT_EQ(exitCode, 0) << errors.toStdString();
    QStringList found; // in order of discovery, which is either
    for (const QJsonValue& computer : QJsonDocument::fromJson(json).array())
        found << QString::fromUtf8(QJsonDocument(computer.toObject()).toJson(QJsonDocument::Compact));
    found.sort();
    EXPECT_EQ(found, QStringList({ R"({"address":"10.77.0.1","identified":true,"name":"Living Room"})",
                                   R"({"address":"10.77.0.3","identified":false,"name":"Second\u001b]0;x\u0007)"
                                   "\u009b" R"(2J Box"})" }));
    const QString text = QString::fromUtf8(discover(&exitCode, {}).first);
    EXPECT_TRUE(text.contains(QStringLiteral("10.77.0.3\tSecond\\x1b]0;x\\x07\\u009b2J Box\n"))) << text.toStdString();

    s_net->stopDaemon();
    const auto [nothing, complaint] = discover(&exitCode);
    EXPECT_EQ(exitCode, 3);
    EXPECT_TRUE(complaint.contains("Avahi daemon is not running")) << complaint.toStdString();
}

TEST_F(DiscoveryEndToEnd, ItsComputersAreReachableFromInsideOnly)
{
    // What the remotes list needs to probe a found computer.
    auto canListenOn = [](const QString& address) {
        QTcpServer server;
        return server.listen(QHostAddress(address), 0);
    };
    EXPECT_FALSE(canListenOn(DnsSdNamespace::daemonAddress));
    ASSERT_TRUE(s_net->enter());
    EXPECT_TRUE(canListenOn(DnsSdNamespace::daemonAddress));
    EXPECT_TRUE(canListenOn(secondAddress));
    s_net->leave();
    EXPECT_FALSE(canListenOn(DnsSdNamespace::daemonAddress));
}
