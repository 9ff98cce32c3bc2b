#include "net/DeviceNetworkAddress.h"
#include "net/NetworkStateSource.h"
#include "net/Reachability_2.h"
#include "net/ReachabilityFlags.h"
#include "net/ReachabilityQuery_2.h"
#include "net/RouteDecision.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace ReachabilityFlags;

namespace {
// Hands the monitor whatever kernel state the test sets.
class FakeNetworkStateSource : public NetworkStateSource {
public:
    std::optional<NetworkState> state;
    int watchStarts = 0;
    std::optional<NetworkState> read() override { return state; }
    void startWatching() override { ++watchStarts; }
    void change(std::optional<NetworkState> next)
    {
        state = std::move(next);
        emit changed();
    }
};

NetworkInterfaceInfo iface(const QString& name, const QStringList& addresses, bool up = true)
{
    NetworkInterfaceInfo info { name, up, name == QLatin1String("lo"), {} };
    for (const QString& a : addresses)
        info.addresses.append(QHostAddress(a));
    return info;
}

NetworkRoute route(const QString& dev, const QString& net, int prefix, bool viaGateway = false, int metric = 0)
{
    return NetworkRoute { dev, QHostAddress(net), prefix, viaGateway, metric };
}

NetworkState loopbackOnly() { return { { iface("lo", { "127.0.0.1", "::1" }) }, {} }; }

NetworkState with(NetworkState s, const NetworkInterfaceInfo& i, std::vector<NetworkRoute> routes = {})
{
    s.interfaces.push_back(i);
    s.routes.insert(s.routes.end(), routes.begin(), routes.end());
    return s;
}

// An address from the router and a default route through it.
NetworkState homeNetwork()
{
    return with(loopbackOnly(), iface("wlan0", { "192.168.1.20" }),
                { route("wlan0", "0.0.0.0", 0, true), route("wlan0", "192.168.1.0", 24) });
}

// A Wi-Fi without any server: the address was picked from 169.254/16.
NetworkState linkLocalWiFi()
{
    return with(loopbackOnly(), iface("wlan0", { "169.254.17.3" }), { route("wlan0", "169.254.0.0", 16) });
}

struct Monitor {
    FakeNetworkStateSource* source = new FakeNetworkStateSource;
    Reachability_2 reachability { std::unique_ptr<NetworkStateSource>(source) };
    explicit Monitor(std::optional<NetworkState> state) { source->state = std::move(state); }
};

// Counts a monitor's change announcements.
struct ChangeCounter {
    QObject context;
    int count = 0;
    explicit ChangeCounter(Reachability_2& reachability)
    {
        QObject::connect(&reachability, &Reachability_2::networkReachabilityChanged, &context, [this] { ++count; });
    }
};
}

TEST(ReachabilityRules, FlagWords)
{
    auto withoutConnection = &Reachability_2::isReachableWithoutRequiringConnection;
    EXPECT_FALSE(withoutConnection(0));
    EXPECT_TRUE(withoutConnection(reachable | transientConnection | direct));
    EXPECT_FALSE(withoutConnection(reachable | connectionRequired));
    EXPECT_TRUE(withoutConnection(reachable | connectionRequired | cellular));
    EXPECT_FALSE(withoutConnection(cellular | connectionRequired));

    EXPECT_EQ(Reachability_2::internetStatusForFlags(std::nullopt), NotReachable);
    EXPECT_EQ(Reachability_2::internetStatusForFlags(reachable), ReachableViaWiFiNetwork);
    EXPECT_EQ(Reachability_2::internetStatusForFlags(reachable | transientConnection), ReachableViaCarrierDataNetwork);
    EXPECT_EQ(Reachability_2::internetStatusForFlags(reachable | transientConnection | direct), NotReachable);

    EXPECT_EQ(Reachability_2::localWiFiStatusForFlags(reachable | direct), ReachableViaWiFiNetwork);
    EXPECT_EQ(Reachability_2::localWiFiStatusForFlags(reachable), NotReachable);
    EXPECT_EQ(Reachability_2::localWiFiStatusForFlags(direct), NotReachable);
    EXPECT_EQ(Reachability_2::localWiFiStatusForFlags(std::nullopt), NotReachable);

    // A remote host on the attached link counts; for the internet it would not.
    EXPECT_EQ(Reachability_2::hostStatusForFlags(reachable | direct), ReachableViaWiFiNetwork);
    EXPECT_EQ(Reachability_2::hostStatusForFlags(reachable | transientConnection), ReachableViaCarrierDataNetwork);
}

TEST(ReachabilityStatus, FromKernelStates)
{
    NetworkState cableOut = homeNetwork();
    cableOut.interfaces.back().up = false;
    const struct {
        const char* what;
        std::optional<NetworkState> state;
        NetworkStatus internet, localWiFi;
    } cases[] = {
        { "default route", homeNetwork(), ReachableViaWiFiNetwork, NotReachable },
        { "IPv6 default route only", with(loopbackOnly(), iface("eth0", { "2001:db8::5" }), { route("eth0", "::", 0, true) }),
          ReachableViaWiFiNetwork, NotReachable },
        { "link-local Wi-Fi", linkLocalWiFi(), NotReachable, ReachableViaWiFiNetwork },
        { "attached link, no gateway", with(loopbackOnly(), iface("eth0", { "10.0.0.5" }), { route("eth0", "10.0.0.0", 24) }),
          NotReachable, ReachableViaWiFiNetwork },
        { "default route plus link-local address", with(homeNetwork(), iface("eth1", { "169.254.9.9" })),
          ReachableViaWiFiNetwork, ReachableViaWiFiNetwork },
        { "default route plus link-local route", with(homeNetwork(), iface("eth1", {}), { route("eth1", "169.254.0.0", 16) }),
          ReachableViaWiFiNetwork, ReachableViaWiFiNetwork },
        { "loopback only", loopbackOnly(), NotReachable, NotReachable },
        { "default routes on loopback", with(loopbackOnly(), iface("dummy0", {}), { route("lo", "0.0.0.0", 0), route("lo", "::", 0) }),
          NotReachable, NotReachable },
        { "interface without carrier", cableOut, NotReachable, NotReachable },
        { "route on an interface that is gone", with(loopbackOnly(), iface("eth0", {}), { route("ppp0", "0.0.0.0", 0) }),
          NotReachable, NotReachable },
        { "link-local address on a down interface", with(loopbackOnly(), iface("wlan0", { "169.254.17.3" }, false)),
          NotReachable, NotReachable },
        { "state unreadable", std::nullopt, NotReachable, NotReachable },
    };
    for (const auto& c : cases) {
        Monitor m(c.state);
        EXPECT_EQ(m.reachability.internetConnectionStatus(), c.internet) << c.what;
        EXPECT_EQ(m.reachability.localWiFiConnectionStatus(), c.localWiFi) << c.what;
    }
}

TEST(DeviceNetworkAddress, TheIpv4AddressOfTheDefaultRoutesInterface)
{
    const struct {
        const char* what;
        std::optional<NetworkState> state;
        const char* expected;
    } cases[] = {
        { "default route", homeNetwork(), "192.168.1.20" },
        { "several addresses: the last", with(loopbackOnly(), iface("eth0", { "10.0.0.5", "fe80::1", "10.0.0.6" }),
                                              { route("eth0", "0.0.0.0", 0, true) }), "10.0.0.6" },
        { "the IPv4 route before a better IPv6 one",
          with(with(loopbackOnly(), iface("eth0", { "10.0.0.5" }), { route("eth0", "0.0.0.0", 0, true, 600) }),
               iface("wlan0", { "192.168.1.9", "2001:db8::9" }), { route("wlan0", "::", 0, true, 100) }), "10.0.0.5" },
        { "the lower metric",
          with(with(loopbackOnly(), iface("wlan0", { "192.168.1.9" }), { route("wlan0", "0.0.0.0", 0, true, 600) }),
               iface("eth0", { "10.0.0.5" }), { route("eth0", "0.0.0.0", 0, true, 100) }), "10.0.0.5" },
        { "no default route", linkLocalWiFi(), "no wifi Ip address" },
        { "interface without IPv4", with(loopbackOnly(), iface("eth0", { "2001:db8::5" }), { route("eth0", "::", 0, true) }),
          "no wifi Ip address" },
        { "unreadable", std::nullopt, "no wifi Ip address" },
    };
    for (const auto& c : cases) {
        Monitor monitor(c.state);
        EXPECT_EQ(DeviceNetworkAddress::wifiIP(monitor.reachability), QLatin1String(c.expected)) << c.what;
    }
}

TEST(ReachabilityStatus, RemoteHosts)
{
    Monitor m(with(linkLocalWiFi(), iface("eth0", { "192.168.5.2" }), { route("eth0", "192.168.5.0", 24) }));
    EXPECT_TRUE(m.reachability.isHostReachable(QStringLiteral("192.168.5.40")));
    EXPECT_FALSE(m.reachability.isHostReachable(QStringLiteral("198.51.100.7")));
    // Names are not resolved: they answer as the internet does.
    EXPECT_FALSE(m.reachability.isHostReachable(QStringLiteral("living-room.local")));
    EXPECT_TRUE(m.reachability.isHostReachable(QStringLiteral("LocalHost")));

    m.reachability.setAddress(QStringLiteral("192.168.5.40"));
    EXPECT_EQ(m.reachability.remoteHostStatus(), ReachableViaWiFiNetwork);
    m.reachability.setHostName(QStringLiteral("living-room.local")); // the name goes first
    EXPECT_EQ(m.reachability.remoteHostStatus(), NotReachable);
    m.source->state = homeNetwork();
    EXPECT_EQ(m.reachability.remoteHostStatus(), ReachableViaWiFiNetwork);

    ConsoleCapture console;
    m.reachability.setHostName(QStringLiteral("living room"));
    EXPECT_EQ(m.reachability.remoteHostStatus(), NotReachable);
    EXPECT_FALSE(m.reachability.isHostReachable(QString()));
    EXPECT_EQ(console.lines, (QStringList { "Failed to create SCNetworkReachabilityRef for host: living room",
                                            "Failed to create SCNetworkReachabilityRef for host: " }));
    m.reachability.setHostName(QString());
    m.reachability.setAddress(QStringLiteral("300.1.2.3"));
    EXPECT_EQ(m.reachability.remoteHostStatus(), NotReachable);
    m.reachability.setAddress(QString());
    EXPECT_EQ(m.reachability.remoteHostStatus(), NotReachable);
    EXPECT_EQ(console.lines.mid(2), (QStringList { "Failed to convert an IP address string to a sockaddr_in: 300.1.2.3",
                                                   "No hostName or address specified. Cannot determine reachability." }));
}

TEST(ReachabilityQueries, MadeLazilyKeptAndScheduledAtTheNextRequestWhileEnabled)
{
    Monitor m(homeNetwork());
    EXPECT_TRUE(m.reachability.reachabilityQueryKeys().isEmpty());
    m.reachability.internetConnectionStatus();
    EXPECT_EQ(m.reachability.reachabilityQueryKeys(), QStringList { "0.0.0.0" });
    ReachabilityQuery_2* internet = m.reachability.reachabilityQuery(QStringLiteral("0.0.0.0"));
    m.reachability.localWiFiConnectionStatus();
    m.reachability.internetConnectionStatus();
    EXPECT_EQ(m.reachability.reachabilityQueryKeys(), (QStringList { "0.0.0.0", "169.254.0.0" }));
    EXPECT_EQ(m.reachability.reachabilityQuery(QStringLiteral("0.0.0.0")), internet);
    ReachabilityQuery_2* linkLocal = m.reachability.reachabilityQuery(QStringLiteral("169.254.0.0"));
    EXPECT_FALSE(internet->isScheduled());
    EXPECT_EQ(m.source->watchStarts, 0);

    m.reachability.setNetworkStatusNotificationsEnabled(true);
    EXPECT_FALSE(internet->isScheduled()); // not before the next request
    m.reachability.internetConnectionStatus();
    EXPECT_TRUE(internet->isScheduled());
    EXPECT_FALSE(linkLocal->isScheduled());
    EXPECT_GE(m.source->watchStarts, 1);

    m.reachability.setNetworkStatusNotificationsEnabled(false);
    m.reachability.localWiFiConnectionStatus();
    EXPECT_FALSE(linkLocal->isScheduled());
    EXPECT_TRUE(internet->isScheduled()); // disabling does not unschedule
}

TEST(ReachabilityNotifications, AnnouncedWhenAScheduledQueryChanges)
{
    {
        Monitor never(homeNetwork());
        ChangeCounter changes(never.reachability);
        never.reachability.internetConnectionStatus();
        never.source->change(linkLocalWiFi());
        EXPECT_EQ(changes.count, 0);
    }

    const NetworkState withLinkLocal = with(homeNetwork(), iface("eth1", { "169.254.9.9" }));
    NetworkState gatewayGone = withLinkLocal;
    gatewayGone.routes.erase(gatewayGone.routes.begin());
    Monitor m(withLinkLocal);
    ChangeCounter changes(m.reachability);
    m.reachability.setNetworkStatusNotificationsEnabled(true);
    m.reachability.localWiFiConnectionStatus(); // only the link-local query is scheduled
    m.source->change(withLinkLocal); // the kernel spoke, nothing that matters changed
    m.source->change(gatewayGone); // the internet went, the link-local answer stayed
    EXPECT_EQ(changes.count, 0);
    m.source->change(loopbackOnly());
    EXPECT_EQ(changes.count, 1);
    m.source->change(std::nullopt); // unreadable is a change of its own
    EXPECT_EQ(changes.count, 2);

    m.reachability.internetConnectionStatus(); // now both are scheduled
    m.source->change(withLinkLocal);
    EXPECT_EQ(changes.count, 4); // once per query that changed
    m.reachability.setNetworkStatusNotificationsEnabled(false); // the queries stay scheduled
    m.source->change(loopbackOnly());
    EXPECT_EQ(changes.count, 6);
}
