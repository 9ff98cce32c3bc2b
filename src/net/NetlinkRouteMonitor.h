#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Listens to the kernel's routing announcements (links, IPv4 and IPv6
// addresses, IPv4 and IPv6 routes) on a NETLINK_ROUTE socket watched from the
// event loop, so that changes are noticed without polling.
class NetlinkRouteMonitor : public QObject {
    Q_OBJECT
public:
    explicit NetlinkRouteMonitor(QObject* parent = nullptr);
    ~NetlinkRouteMonitor() override;

    // Opens the socket in the calling thread's network namespace; false when
    // the kernel refuses. The socket stays in that namespace afterwards.
    bool open();
    bool isOpen() const { return m_fd >= 0; }

signals:
    // One or more announcements arrived (or some were lost to an overflow).
    void kernelChanged();
    // The socket broke and was closed; no further announcements will come.
    void failed();

private:
    void drain();
    void close();

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
