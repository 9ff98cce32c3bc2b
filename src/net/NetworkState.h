#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

#include <vector>

// One network interface as far as reachability cares.
struct NetworkInterfaceInfo {
    QString name;
    bool up = false; // administratively up and with a carrier
    bool loopback = false;
    QList<QHostAddress> addresses;
};

// One usable route (rejecting and disabled routes are left out).
struct NetworkRoute {
    QString interfaceName;
    QHostAddress destination; // the network; 0.0.0.0 or :: for a default route
    int prefixLength = 0;
    bool viaGateway = false;
    int metric = 0;

    bool isDefault() const { return prefixLength == 0; }
};

// A snapshot of the kernel's interfaces and routes.
struct NetworkState {
    std::vector<NetworkInterfaceInfo> interfaces;
    std::vector<NetworkRoute> routes;

    const NetworkInterfaceInfo* interfaceNamed(const QString& name) const
    {
        for (const NetworkInterfaceInfo& iface : interfaces)
            if (iface.name == name)
                return &iface;
        return nullptr;
    }
};
