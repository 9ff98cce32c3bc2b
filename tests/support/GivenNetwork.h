#pragma once

#include "net/NetworkStateSource.h"

#include <QHostAddress>

// Kernel states given by the test: online (a default route on eth0) or
// loopback alone. Changes are announced by the test, as the real source
// would post them.
class GivenNetwork : public NetworkStateSource {
public:
    void setOnline(bool online)
    {
        m_online = online;
        emit changed();
    }
    std::optional<NetworkState> read() override
    {
        NetworkState state;
        NetworkInterfaceInfo lo { QStringLiteral("lo"), true, true, { QHostAddress::LocalHost } };
        state.interfaces.push_back(lo);
        if (m_online) {
            state.interfaces.push_back({ QStringLiteral("eth0"), true, false, { QHostAddress(QStringLiteral("192.168.1.9")) } });
            state.routes.push_back({ QStringLiteral("eth0"), QHostAddress(QStringLiteral("0.0.0.0")), 0, true, 100 });
        }
        return state;
    }
    void startWatching() override { }

private:
    bool m_online = true;
};
