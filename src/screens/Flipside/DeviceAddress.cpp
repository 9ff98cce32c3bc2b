#include "screens/Flipside/DeviceAddress.h"

#include "core/Localization.h"
#include "net/KernelNetworkStateSource.h"

QString DeviceAddress::wifiIP()
{
    KernelNetworkStateSource source;
    return wifiIPFrom(source.read());
}

QString DeviceAddress::wifiIPFrom(const std::optional<NetworkState>& state)
{
    if (state) {
        // The IPv4 default route with the lowest metric on a live interface.
        const NetworkRoute* best = nullptr;
        for (const NetworkRoute& route : state->routes) {
            const NetworkInterfaceInfo* iface = state->interfaceNamed(route.interfaceName);
            if (!route.isDefault() || route.destination.protocol() != QAbstractSocket::IPv4Protocol || !iface
                || !iface->up || iface->loopback)
                continue;
            if (!best || route.metric < best->metric)
                best = &route;
        }
        if (best)
            for (const QHostAddress& address : state->interfaceNamed(best->interfaceName)->addresses)
                if (address.protocol() == QAbstractSocket::IPv4Protocol)
                    return address.toString();
    }
    return localizedString("no wifi Ip address");
}
