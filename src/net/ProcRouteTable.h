#pragma once

#include "net/NetworkState.h"

#include <QByteArray>

#include <optional>
#include <vector>

// The kernel's main routing tables as /proc presents them
// (net/route for IPv4, net/ipv6_route for IPv6).
class ProcRouteTable {
public:
    static std::vector<NetworkRoute> parseIpv4(const QByteArray& text);
    static std::vector<NetworkRoute> parseIpv6(const QByteArray& text);

    // The routes of the calling thread's network namespace; nothing when
    // neither table can be read.
    static std::optional<std::vector<NetworkRoute>> read();
};
