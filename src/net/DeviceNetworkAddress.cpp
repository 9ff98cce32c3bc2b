#include "net/DeviceNetworkAddress.h"

#include "net/Reachability_2.h"

QString DeviceNetworkAddress::wifiIP()
{
    return wifiIP(Reachability_2::sharedReachability());
}

QString DeviceNetworkAddress::wifiIP(Reachability_2& reachability)
{
    const QHostAddress address = reachability.defaultRouteIpv4Address();
    return address.isNull() ? noAddressText : address.toString();
}
