#pragma once

#include "net/NetlinkRouteMonitor.h"
#include "net/NetworkStateSource.h"

#include <QTimer>

// The Linux kernel's interfaces (getifaddrs) and main routing tables (/proc),
// read in the calling thread's network namespace. Changes are announced by
// netlink; when netlink cannot be opened, a gentle poll stands in.
class KernelNetworkStateSource : public NetworkStateSource {
    Q_OBJECT
public:
    // A link coming up announces itself, its addresses and its routes one by
    // one; reading once after the burst avoids reading half-made states.
    static constexpr int settleMs = 100;
    static constexpr int pollIntervalMs = 5000;

    explicit KernelNetworkStateSource(QObject* parent = nullptr);
    ~KernelNetworkStateSource() override;

    std::optional<NetworkState> read() override;
    void startWatching() override;

    bool isWatching() const { return m_watching; }
    bool isPolling() const { return m_poll.isActive(); }

private:
    void startPolling();

    NetlinkRouteMonitor m_netlink;
    QTimer m_settle;
    QTimer m_poll;
    bool m_watching = false;
};
