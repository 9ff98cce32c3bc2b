#pragma once

#include "core/Localization.h"

#include <QString>

class Reachability_2;

// The device's own address on its network, as the settings screen shows it.
class DeviceNetworkAddress {
public:
    // English, as it is compared; the settings screen shows it translated.
    static inline const QString noAddressText = QStringLiteral(L10N_NOOP("no wifi Ip address"));

    // The IPv4 address, as dotted quad, of the interface that carries the
    // default route; noAddressText when there is none. A desktop has no
    // fixed Wi-Fi interface name, so the route decides.
    static QString wifiIP();
    static QString wifiIP(Reachability_2& reachability);
};
