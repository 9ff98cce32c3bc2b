#include "net/DeviceNetworkAddress.h"
#include "net/KernelNetworkStateSource.h"
#include "net/ProcRouteTable.h"
#include "net/Reachability_2.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

TEST(ProcRouteTable, ReadsUsableRoutesOfBothFamilies)
{
    const std::vector<NetworkRoute> v4 = ProcRouteTable::parseIpv4(
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
        "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
        "wlan0\t0001A8C0\t00000000\t0001\t0\t0\t600\t00FFFFFF\t0\t0\t0\n"
        "eth0\t0000000A\t00000000\t0201\t0\t0\t0\t000000FF\t0\t0\t0\n" // rejecting
        "eth0\t0000010A\t00000000\t0000\t0\t0\t0\t0000FFFF\t0\t0\t0\n"); // not up
    ASSERT_EQ(v4.size(), 2u);
    EXPECT_TRUE(v4[0].isDefault() && v4[0].viaGateway && v4[0].metric == 600);
    EXPECT_EQ(v4[1].destination, QHostAddress(QStringLiteral("192.168.1.0")));
    EXPECT_EQ(v4[1].prefixLength, 24);
    EXPECT_FALSE(v4[1].viaGateway);

    const std::vector<NetworkRoute> v6 = ProcRouteTable::parseIpv6(
        "20010db8000000000000000000000000 40 00000000000000000000000000000000 00 "
        "00000000000000000000000000000000 00000100 00000001 00000000 00000001     eth0\n"
        "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
        "20010db8000000000000000000000001 00000400 00000002 00000000 00000003     eth0\n"
        "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
        "00000000000000000000000000000000 ffffffff 00000001 00000000 00200200       lo\n");
    ASSERT_EQ(v6.size(), 2u);
    EXPECT_EQ(v6[0].destination, QHostAddress(QStringLiteral("2001:db8::")));
    EXPECT_EQ(v6[0].prefixLength, 64);
    EXPECT_FALSE(v6[0].viaGateway);
    EXPECT_TRUE(v6[1].isDefault() && v6[1].viaGateway && v6[1].interfaceName == "eth0");
}

namespace {
// A network namespace of the test's own that the main thread steps into;
// whatever is made in it goes when it is deleted.
class ScratchNamespace {
public:
    const QString name = QStringLiteral("plreach%1").arg(QCoreApplication::applicationPid());

    bool enter()
    {
        m_home = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
        m_created = ::geteuid() == 0 && m_home >= 0 && run({ "netns", "add", name });
        m_target = m_created ? ::open(qPrintable("/run/netns/" + name), O_RDONLY | O_CLOEXEC) : -1;
        m_inside = m_target >= 0 && ::setns(m_target, CLONE_NEWNET) == 0;
        return m_inside;
    }
    ~ScratchNamespace()
    {
        if (m_inside && ::setns(m_home, CLONE_NEWNET) != 0)
            qFatal("cannot return to the test's own network namespace");
        for (int fd : { m_home, m_target })
            if (fd >= 0)
                ::close(fd);
        if (m_created)
            run({ "netns", "del", name });
    }
    bool ip(const QString& command) { return run(QStringList { "-n", name } + command.split(u' ')); }

private:
    static bool run(const QStringList& args) { return QProcess::execute(QStringLiteral("ip"), args) == 0; }
    int m_home = -1, m_target = -1;
    bool m_created = false, m_inside = false;
};
}

TEST(KernelNetworkState, StatusesAndChangesInAScratchNamespace)
{
    ScratchNamespace ns;
    if (!ns.enter())
        GTEST_SKIP() << "needs root, iproute2 and permission to create network namespaces";
    // Without IPv6 the namespace stays quiet between the steps, so each wait
    // below ends only through the announcement of its own step.
    for (const char* scope : { "all", "default" }) {
        QFile sysctl(QStringLiteral("/proc/sys/net/ipv6/conf/%1/disable_ipv6").arg(QLatin1String(scope)));
        if (sysctl.open(QIODevice::WriteOnly))
            sysctl.write("1");
    }
    auto* source = new KernelNetworkStateSource;
    Reachability_2 reachability { std::unique_ptr<NetworkStateSource>(source) };
    int changes = 0;
    QObject::connect(&reachability, &Reachability_2::networkReachabilityChanged, [&] { ++changes; });

    ASSERT_TRUE(ns.ip("link set lo up"));
    EXPECT_EQ(reachability.internetConnectionStatus(), NotReachable);
    EXPECT_EQ(reachability.localWiFiConnectionStatus(), NotReachable);
    EXPECT_TRUE(reachability.isHostReachable(QStringLiteral("127.0.0.1")));

    // A link with an address and no gateway: an ad-hoc network.
    for (const char* step : { "link add va type veth peer name vb", "addr add 10.77.1.1/24 dev va", "link set va up",
                              "link set vb up" })
        ASSERT_TRUE(ns.ip(QString::fromLatin1(step)));
    ASSERT_TRUE(waitUntil([&] { return reachability.localWiFiConnectionStatus() == ReachableViaWiFiNetwork; }));
    EXPECT_EQ(reachability.internetConnectionStatus(), NotReachable);
    EXPECT_TRUE(reachability.isHostReachable(QStringLiteral("10.77.1.2")));
    EXPECT_FALSE(reachability.isHostReachable(QStringLiteral("10.78.0.1")));

    reachability.setNetworkStatusNotificationsEnabled(true); // netlink opens inside the namespace
    reachability.internetConnectionStatus();
    reachability.localWiFiConnectionStatus();
    EXPECT_FALSE(source->isPolling());

    // Internet appears, and 169.254/16 now goes through the gateway.
    ASSERT_TRUE(ns.ip("route add default via 10.77.1.2 dev va"));
    EXPECT_TRUE(waitUntil([&] { return changes >= 2; }));
    EXPECT_EQ(reachability.internetConnectionStatus(), ReachableViaWiFiNetwork);
    EXPECT_EQ(reachability.localWiFiConnectionStatus(), NotReachable);
    EXPECT_EQ(DeviceNetworkAddress::wifiIP(reachability), "10.77.1.1");

    ASSERT_TRUE(ns.ip("addr add 169.254.20.1/16 dev va"));
    EXPECT_TRUE(waitUntil([&] { return changes >= 3; }));
    EXPECT_EQ(reachability.localWiFiConnectionStatus(), ReachableViaWiFiNetwork);

    // The peer goes down: va loses its carrier, and with it every route.
    ASSERT_TRUE(ns.ip("link set vb down"));
    EXPECT_TRUE(waitUntil([&] { return changes >= 5; }));
    EXPECT_EQ(reachability.internetConnectionStatus(), NotReachable);
    EXPECT_EQ(reachability.localWiFiConnectionStatus(), NotReachable);
    EXPECT_EQ(changes, 5);
}
