#include "net/NetlinkRouteMonitor.h"

#include <QSocketNotifier>

#include <cerrno>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

NetlinkRouteMonitor::NetlinkRouteMonitor(QObject* parent)
    : QObject(parent)
{
}

NetlinkRouteMonitor::~NetlinkRouteMonitor()
{
    close();
}

bool NetlinkRouteMonitor::open()
{
    if (isOpen())
        return true;
    const int fd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
    if (fd < 0)
        return false;
    sockaddr_nl local {};
    local.nl_family = AF_NETLINK;
    local.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR | RTMGRP_IPV4_ROUTE | RTMGRP_IPV6_ROUTE;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &NetlinkRouteMonitor::drain);
    return true;
}

void NetlinkRouteMonitor::close()
{
    m_notifier.reset(); // before the descriptor it watches
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void NetlinkRouteMonitor::drain()
{
    // The content does not matter: whoever listens reads the whole state
    // again. Empty the socket so that the notifier does not fire at once again.
    char buffer[8192];
    bool announced = false;
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            announced = true;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == ENOBUFS) { // the kernel dropped announcements for us
            announced = true;
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        close(); // any other error would make the notifier spin
        emit failed();
        return;
    }
    if (announced)
        emit kernelChanged();
}
