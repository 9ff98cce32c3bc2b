#include "net/KernelNetworkStateSource.h"

#include "net/ProcRouteTable.h"

#include <algorithm>

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace {
std::optional<std::vector<NetworkInterfaceInfo>> readInterfaces()
{
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return std::nullopt;
    std::vector<NetworkInterfaceInfo> interfaces;
    // getifaddrs lists an interface once per address, and once more (as a
    // packet address) even when it has no IP address at all.
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        const QString name = QString::fromUtf8(entry->ifa_name);
        auto it = std::find_if(interfaces.begin(), interfaces.end(),
                               [&](const NetworkInterfaceInfo& i) { return i.name == name; });
        if (it == interfaces.end()) {
            NetworkInterfaceInfo info;
            info.name = name;
            info.up = (entry->ifa_flags & IFF_UP) && (entry->ifa_flags & IFF_RUNNING);
            info.loopback = entry->ifa_flags & IFF_LOOPBACK;
            interfaces.push_back(info);
            it = interfaces.end() - 1;
        }
        const sockaddr* address = entry->ifa_addr;
        if (address && (address->sa_family == AF_INET || address->sa_family == AF_INET6))
            it->addresses.append(QHostAddress(address));
    }
    ::freeifaddrs(list);
    return interfaces;
}
}

KernelNetworkStateSource::KernelNetworkStateSource(QObject* parent)
    : NetworkStateSource(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, &NetworkStateSource::changed);
    m_poll.setInterval(pollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &NetworkStateSource::changed);

    connect(&m_netlink, &NetlinkRouteMonitor::kernelChanged, this, [this] {
        // Not restarted by further announcements, so that a flapping link
        // still gets read now and then.
        if (!m_settle.isActive())
            m_settle.start();
    });
    connect(&m_netlink, &NetlinkRouteMonitor::failed, this, [this] {
        startPolling();
        emit changed(); // announcements may have been lost with the socket
    });
}

KernelNetworkStateSource::~KernelNetworkStateSource() = default;

std::optional<NetworkState> KernelNetworkStateSource::read()
{
    std::optional<std::vector<NetworkInterfaceInfo>> interfaces = readInterfaces();
    std::optional<std::vector<NetworkRoute>> routes = ProcRouteTable::read();
    if (!interfaces || !routes)
        return std::nullopt;
    return NetworkState { std::move(*interfaces), std::move(*routes) };
}

void KernelNetworkStateSource::startWatching()
{
    if (m_watching)
        return;
    m_watching = true;
    if (!m_netlink.open())
        startPolling();
}

void KernelNetworkStateSource::startPolling()
{
    m_poll.start();
}
