#include "net/RouteDecision.h"

#include "net/ReachabilityFlags.h"

#include <algorithm>

namespace {
const QHostAddress ipv4LinkLocalNet(QStringLiteral("169.254.0.0"));
constexpr int ipv4LinkLocalPrefix = 16;

bool isIpv4LinkLocal(const QHostAddress& address)
{
    return address.protocol() == QAbstractSocket::IPv4Protocol
        && address.isInSubnet(ipv4LinkLocalNet, ipv4LinkLocalPrefix);
}
}

bool RouteDecision::carriesTraffic(const NetworkState& state, const QString& interfaceName)
{
    const NetworkInterfaceInfo* iface = state.interfaceNamed(interfaceName);
    return iface && iface->up && !iface->loopback;
}

quint32 RouteDecision::defaultRouteFlags(const NetworkState& state)
{
    const bool hasDefault = std::any_of(state.routes.begin(), state.routes.end(), [&](const NetworkRoute& r) {
        return r.isDefault() && carriesTraffic(state, r.interfaceName);
    });
    return hasDefault ? ReachabilityFlags::reachable : 0;
}

const NetworkRoute* RouteDecision::bestRoute(const NetworkState& state, const QHostAddress& address)
{
    const NetworkRoute* best = nullptr;
    for (const NetworkRoute& r : state.routes) {
        if (r.destination.protocol() != address.protocol() || !carriesTraffic(state, r.interfaceName))
            continue;
        if (!address.isInSubnet(r.destination, r.prefixLength))
            continue;
        // Longest prefix wins; among equals, the lowest metric, as the kernel does.
        if (!best || r.prefixLength > best->prefixLength
            || (r.prefixLength == best->prefixLength && r.metric < best->metric))
            best = &r;
    }
    return best;
}

bool RouteDecision::hasAttachedIpv4Link(const NetworkState& state)
{
    return std::any_of(state.interfaces.begin(), state.interfaces.end(), [](const NetworkInterfaceInfo& i) {
        return i.up && !i.loopback
            && std::any_of(i.addresses.begin(), i.addresses.end(), [](const QHostAddress& a) {
                   return a.protocol() == QAbstractSocket::IPv4Protocol;
               });
    });
}

bool RouteDecision::holdsLinkLocalIpv4(const NetworkState& state)
{
    return std::any_of(state.interfaces.begin(), state.interfaces.end(), [](const NetworkInterfaceInfo& i) {
        return i.up && !i.loopback && std::any_of(i.addresses.begin(), i.addresses.end(), isIpv4LinkLocal);
    });
}

quint32 RouteDecision::addressFlags(const NetworkState& state, const QHostAddress& address)
{
    constexpr quint32 directlyReachable = ReachabilityFlags::reachable | ReachabilityFlags::direct;

    if (address.isLoopback()) {
        // The main routing table does not list loopback; the interface decides.
        const bool loopbackUp = std::any_of(state.interfaces.begin(), state.interfaces.end(),
                                            [](const NetworkInterfaceInfo& i) { return i.loopback && i.up; });
        return loopbackUp ? directlyReachable : 0;
    }

    const bool linkLocal = isIpv4LinkLocal(address);
    if (linkLocal && holdsLinkLocalIpv4(state))
        return directlyReachable;

    if (const NetworkRoute* route = bestRoute(state, address))
        return route->viaGateway ? ReachabilityFlags::reachable : directlyReachable;

    // No route at all, not even a default one: link-local peers are still
    // next door on any attached IPv4 link.
    if (linkLocal && hasAttachedIpv4Link(state))
        return directlyReachable;
    return 0;
}

QHostAddress RouteDecision::defaultRouteIpv4Address(const NetworkState& state)
{
    const NetworkRoute* best = nullptr;
    for (const NetworkRoute& r : state.routes) {
        if (!r.isDefault() || !carriesTraffic(state, r.interfaceName))
            continue;
        const bool ipv4 = r.destination.protocol() == QAbstractSocket::IPv4Protocol;
        const bool bestIpv4 = best && best->destination.protocol() == QAbstractSocket::IPv4Protocol;
        if (!best || (ipv4 && !bestIpv4) || (ipv4 == bestIpv4 && r.metric < best->metric))
            best = &r;
    }
    if (!best)
        return QHostAddress();
    QHostAddress found;
    for (const QHostAddress& a : state.interfaceNamed(best->interfaceName)->addresses)
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            found = a;
    return found;
}
