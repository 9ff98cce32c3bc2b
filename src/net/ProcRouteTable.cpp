#include "net/ProcRouteTable.h"

#include <QFile>
#include <QList>
#include <QtEndian>

#include <bit>

namespace {
// Route flags from <linux/route.h>, spelled out to keep that header away.
constexpr uint routeUp = 0x0001;
constexpr uint routeGateway = 0x0002;
constexpr uint routeReject = 0x0200;

bool usable(uint flags)
{
    return (flags & routeUp) && !(flags & routeReject);
}

QList<QByteArray> fieldsOf(const QByteArray& line)
{
    return line.simplified().split(' ');
}

// /proc/thread-self follows the calling thread into another network
// namespace; /proc/net follows only the process's main thread.
std::optional<QByteArray> readProcNet(const char* name)
{
    for (const QString& dir : { QStringLiteral("/proc/thread-self/net/"), QStringLiteral("/proc/net/") }) {
        QFile file(dir + QLatin1String(name));
        if (file.open(QIODevice::ReadOnly))
            return file.readAll();
    }
    return std::nullopt;
}
}

std::vector<NetworkRoute> ProcRouteTable::parseIpv4(const QByteArray& text)
{
    // Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT;
    // addresses are the raw network-order words printed in hex.
    std::vector<NetworkRoute> routes;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> f = fieldsOf(lines.at(i));
        if (f.size() < 8)
            continue;
        bool ok[5] = {};
        const quint32 destination = f.at(1).toUInt(&ok[0], 16);
        const quint32 gateway = f.at(2).toUInt(&ok[1], 16);
        const uint flags = f.at(3).toUInt(&ok[2], 16);
        const int metric = f.at(6).toInt(&ok[3]);
        const quint32 mask = f.at(7).toUInt(&ok[4], 16);
        if (!(ok[0] && ok[1] && ok[2] && ok[3] && ok[4]) || !usable(flags))
            continue;
        NetworkRoute route;
        route.interfaceName = QString::fromUtf8(f.at(0));
        route.destination = QHostAddress(qFromBigEndian(destination));
        route.prefixLength = std::popcount(mask);
        route.viaGateway = (flags & routeGateway) && gateway != 0;
        route.metric = metric;
        routes.push_back(route);
    }
    return routes;
}

std::vector<NetworkRoute> ProcRouteTable::parseIpv6(const QByteArray& text)
{
    // destination prefix source prefix next-hop metric refcount use flags device;
    // no header line.
    std::vector<NetworkRoute> routes;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> f = fieldsOf(line);
        if (f.size() < 10 || f.at(0).size() != 32)
            continue;
        bool ok[3] = {};
        const int prefix = f.at(1).toInt(&ok[0], 16);
        const int metric = int(f.at(5).toUInt(&ok[1], 16));
        const uint flags = f.at(8).toUInt(&ok[2], 16);
        const QByteArray destination = QByteArray::fromHex(f.at(0));
        if (!(ok[0] && ok[1] && ok[2]) || destination.size() != 16 || prefix > 128 || !usable(flags))
            continue;
        NetworkRoute route;
        route.interfaceName = QString::fromUtf8(f.at(9));
        route.destination = QHostAddress(reinterpret_cast<const quint8*>(destination.constData()));
        route.prefixLength = prefix;
        route.viaGateway = (flags & routeGateway) && QByteArray::fromHex(f.at(4)) != QByteArray(16, '\0');
        route.metric = metric;
        routes.push_back(route);
    }
    return routes;
}

std::optional<std::vector<NetworkRoute>> ProcRouteTable::read()
{
    const std::optional<QByteArray> ipv4 = readProcNet("route");
    const std::optional<QByteArray> ipv6 = readProcNet("ipv6_route"); // absent when IPv6 is off
    if (!ipv4 && !ipv6)
        return std::nullopt;
    std::vector<NetworkRoute> routes = ipv4 ? parseIpv4(*ipv4) : std::vector<NetworkRoute> {};
    if (ipv6) {
        const std::vector<NetworkRoute> more = parseIpv6(*ipv6);
        routes.insert(routes.end(), more.begin(), more.end());
    }
    return routes;
}
