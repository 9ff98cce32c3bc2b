#pragma once

#include "net/NetworkState.h"

#include <QString>

#include <optional>

// The device's address on the local network as the settings screen shows
// it: the IPv4 address of the interface that carries the default route.
// (Stands in until the network layer offers its own wifiIP.)
class DeviceAddress {
public:
    // "no wifi Ip address" (localised) when there is none.
    static QString wifiIP();
    static QString wifiIPFrom(const std::optional<NetworkState>& state);
};
