#pragma once

#include "net/NetworkState.h"

#include <QHostAddress>
#include <QtGlobal>

// Turns a snapshot of interfaces and routes into the reachability flag word
// for a destination. Pure functions, so that every decision can be checked
// against made-up kernel states.
class RouteDecision {
public:
    // Internet access: a default route (IPv4 or IPv6) on an interface that is
    // up and not loopback. Reachable, never direct.
    static quint32 defaultRouteFlags(const NetworkState& state);

    // The route the kernel would pick for this address: reachable, and direct
    // when that route has no gateway. Link-local IPv4 destinations are also
    // directly reachable from an interface holding a link-local address, and
    // from any attached IPv4 link when no route covers them (an ad-hoc
    // network without a gateway).
    static quint32 addressFlags(const NetworkState& state, const QHostAddress& address);

    // The device's own IPv4 address on the network that carries its default
    // route (an IPv4 default route preferred, then the lowest metric); the
    // last of that interface's IPv4 addresses when it has several. Null when
    // there is no such route or address.
    static QHostAddress defaultRouteIpv4Address(const NetworkState& state);

private:
    static bool carriesTraffic(const NetworkState& state, const QString& interfaceName);
    static const NetworkRoute* bestRoute(const NetworkState& state, const QHostAddress& address);
    static bool hasAttachedIpv4Link(const NetworkState& state);
    static bool holdsLinkLocalIpv4(const NetworkState& state);
};
