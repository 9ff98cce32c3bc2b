// Waking a computer, tried only between two network namespaces made here
// (a veth pair 10.78.0.1 <-> 10.78.0.2): nothing reaches a real interface.
#include "TestSupport.h"
#include "net/NeighbourTable.h"
#include "net/WakeOnLan.h"
#include "models/RemoteWaker.h"
#include "models/RemotesModel.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QCoreApplication>
#include <QFile>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

namespace {
const QString computerHardware = QStringLiteral("02:5e:10:00:00:02");

// The computer's side: answers the probe as VLC does, and prints every
// datagram that reaches ports 9 and 7 as "port hex".
const char* const computerScript = R"(
import http.server, select, socket, sys
page = open(sys.argv[1], 'rb').read()
class H(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.send_response(200)
        self.send_header('Content-Type', 'text/html')
        self.send_header('Content-Length', str(len(page)))
        self.end_headers()
        self.wfile.write(page)
    def log_message(self, *a): pass
web = http.server.HTTPServer(('10.78.0.2', 8080), H)
udp = {}
for port in (9, 7):
    s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    s.bind(('0.0.0.0', port))
    udp[s] = port
print('ready', flush=True)
while True:
    ready, _, _ = select.select([web] + list(udp), [], [])
    for s in ready:
        if s is web:
            web.handle_request()
        else:
            data = s.recv(2048)
            print(udp[s], data.hex(), flush=True)
)";

class TwoNamespaces {
public:
    TwoNamespaces()
    {
        const QString pid = QString::number(QCoreApplication::applicationPid());
        m_here = QStringLiteral("pl-wol-a-") + pid;
        m_there = QStringLiteral("pl-wol-b-") + pid;
        m_ready = ip({ "netns", "add", m_here }) && ip({ "netns", "add", m_there })
            && ip({ "-n", m_here, "link", "add", "wa", "type", "veth", "peer", "name", "wb", "netns", m_there })
            && ip({ "-n", m_there, "link", "set", "wb", "address", computerHardware })
            && ip({ "-n", m_here, "addr", "add", "10.78.0.1/24", "brd", "+", "dev", "wa" })
            && ip({ "-n", m_there, "addr", "add", "10.78.0.2/24", "brd", "+", "dev", "wb" })
            && ip({ "-n", m_here, "link", "set", "wa", "up" }) && ip({ "-n", m_there, "link", "set", "wb", "up" })
            && ip({ "-n", m_there, "link", "set", "lo", "up" });
    }
    ~TwoNamespaces()
    {
        leave();
        if (m_computer.state() != QProcess::NotRunning) {
            m_computer.kill();
            m_computer.waitForFinished(3000);
        }
        ip({ "netns", "del", m_there });
        ip({ "netns", "del", m_here });
    }

    static bool canRun(QString* why)
    {
        if (::geteuid() != 0)
            *why = QStringLiteral("needs root for network namespaces");
        else if (QStandardPaths::findExecutable(QStringLiteral("ip")).isEmpty()
                 || QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
            *why = QStringLiteral("needs ip and python3");
        else
            return true;
        return false;
    }

    bool ready() const { return m_ready; }

    bool startComputer(const QString& scriptPath, const QString& pagePath)
    {
        m_computer.start(QStringLiteral("ip"), { "netns", "exec", m_there, "python3", "-u", scriptPath, pagePath });
        return waitUntil([&] { return computerOutput().contains("ready"); }, 10000);
    }
    QByteArray computerOutput()
    {
        m_output += m_computer.readAllStandardOutput();
        return m_output;
    }

    // The calling thread's sockets and /proc/thread-self/net are the first
    // namespace's from here on.
    bool enter()
    {
        m_home = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
        const int target = ::open(qPrintable(QStringLiteral("/run/netns/") + m_here), O_RDONLY | O_CLOEXEC);
        const bool entered = m_home >= 0 && target >= 0 && ::setns(target, CLONE_NEWNET) == 0;
        if (target >= 0)
            ::close(target);
        return entered;
    }
    void leave()
    {
        if (m_home < 0)
            return;
        if (::setns(m_home, CLONE_NEWNET) != 0)
            qFatal("cannot return to the test's own network namespace");
        ::close(m_home);
        m_home = -1;
    }

private:
    static bool ip(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral("ip"), arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QString m_here, m_there;
    bool m_ready = false;
    int m_home = -1;
    QProcess m_computer;
    QByteArray m_output;
};
}

TEST(WakeOnLan, MagicPacketAndHardwareAddresses)
{
    const std::optional<QByteArray> bytes = WakeOnLan::parseHardwareAddress(QStringLiteral("02-5E-10-00-00-02"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(WakeOnLan::formatHardwareAddress(*bytes), computerHardware);
    for (const char* bad : { "", "02:5e:10:00:00", "02:5e:10:00:00:02:03", "02:5e-10:00:00:02", "zz:5e:10:00:00:02" })
        EXPECT_FALSE(WakeOnLan::parseHardwareAddress(QString::fromLatin1(bad))) << bad;

    const QByteArray packet = WakeOnLan::magicPacket(*bytes);
    ASSERT_EQ(packet.size(), 102);
    EXPECT_EQ(packet.left(6), QByteArray(6, char(0xFF)));
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(packet.mid(6 + 6 * i, 6), *bytes);

    const QByteArray table = "IP address       HW type     Flags       HW address            Mask     Device\n"
                             "10.78.0.2        0x1         0x2         02:5e:10:00:00:02     *        wa\n"
                             "10.78.0.3        0x1         0x0         00:00:00:00:00:00     *        wa\n";
    EXPECT_EQ(NeighbourTable::hardwareAddressIn(table, QHostAddress(QStringLiteral("10.78.0.2"))), computerHardware);
    EXPECT_FALSE(NeighbourTable::hardwareAddressIn(table, QHostAddress(QStringLiteral("10.78.0.3"))))
        << "an incomplete entry names no computer";
    EXPECT_FALSE(NeighbourTable::hardwareAddressIn(table, QHostAddress(QStringLiteral("10.78.0.4"))));
}

TEST(WakeOnLan, LearnsTheAddressWhenTheRemoteAnswersAndWakesItByBroadcast)
{
    QString why;
    if (!TwoNamespaces::canRun(&why))
        GTEST_SKIP() << qPrintable(why);
    TwoNamespaces net;
    ASSERT_TRUE(net.ready());
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("computer.py"));
    const QString page = dir.filePath(QStringLiteral("start.html"));
    {
        QFile s(script), p(page);
        ASSERT_TRUE(s.open(QIODevice::WriteOnly) && p.open(QIODevice::WriteOnly));
        s.write(computerScript);
        p.write(fixture(QStringLiteral("vlc3-start-page-head.html")));
    }
    ASSERT_TRUE(net.startComputer(script, page)) << net.computerOutput().constData();
    ASSERT_TRUE(net.enter());

    {
        QNetworkAccessManager network; // made inside, so its sockets are too
        // As the remotes list has it: the saved remotes' answers reach the waker.
        SavedRemoteList saved(&network);
        RemotesModel list(saved, &network);
        RemoteWaker waker;
        list.setWaker(&waker);
        auto shared = std::make_shared<VLCController>(RemoteRecord::forAddress(QStringLiteral("10.78.0.2:8080")), &network);
        shared->setPassword(QStringLiteral("secret"));
        saved.add(shared);
        VLCController& remote = *shared;

        remote.searchForPlayerLink();
        ASSERT_TRUE(waitUntil([&] { return !remote.record().hardwareAddress.isEmpty(); }))
            << "the neighbour table after the probe should name the computer";
        EXPECT_EQ(remote.record().hardwareAddress, computerHardware);

        std::optional<WakeOnLan::Outcome> outcome;
        waker.wakeComputer(remote, [&](WakeOnLan::Outcome o) { outcome = o; });
        ASSERT_TRUE(waitUntil([&] { return outcome.has_value(); }));
        EXPECT_EQ(*outcome, WakeOnLan::Outcome::Sent);
        EXPECT_TRUE(waker.isWaking(remote));
        const QByteArray expected = WakeOnLan::magicPacket(*WakeOnLan::parseHardwareAddress(computerHardware)).toHex();
        ASSERT_TRUE(waitUntil([&] {
            const QByteArray out = net.computerOutput();
            return out.contains("9 " + expected) && out.contains("7 " + expected);
        })) << net.computerOutput().constData();

        // Its answer ends the waking.
        remote.searchForPlayerLink();
        EXPECT_TRUE(waitUntil([&] { return !waker.isWaking(remote); }));

        // An address on no local subnet is never broadcast to.
        remote.setHostAddress(QStringLiteral("192.0.2.7"));
        outcome.reset();
        waker.wakeComputer(remote, [&](WakeOnLan::Outcome o) { outcome = o; });
        ASSERT_TRUE(waitUntil([&] { return outcome.has_value(); }));
        EXPECT_EQ(*outcome, WakeOnLan::Outcome::NotOnLocalNetwork);
    }
    net.leave();
}
