#include "net/Reachability_2.h"

#include "core/ConsoleLog.h"
#include "net/KernelNetworkStateSource.h"
#include "net/ReachabilityFlags.h"
#include "net/ReachabilityQuery_2.h"
#include "net/RouteDecision.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QPointer>
#include <QUrl>

namespace {
bool isUsableHostName(const QString& host)
{
    // What a URL accepts as its host; spaces, slashes and the like are not.
    if (host.trimmed().isEmpty())
        return false;
    QUrl url;
    url.setHost(host, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty();
}
}

Reachability_2& Reachability_2::sharedReachability()
{
    // Owned by the application object, so that its socket notifier goes
    // while the event loop still exists.
    static QPointer<Reachability_2> shared;
    if (!shared)
        shared = new Reachability_2(std::make_unique<KernelNetworkStateSource>(), QCoreApplication::instance());
    return *shared;
}

Reachability_2::Reachability_2(std::unique_ptr<NetworkStateSource> source, QObject* parent)
    : QObject(parent)
    , m_source(std::move(source))
{
    Q_ASSERT(m_source);
}

Reachability_2::~Reachability_2() = default;

bool Reachability_2::isReachableWithoutRequiringConnection(quint32 flags)
{
    const bool reachable = flags & ReachabilityFlags::reachable;
    const bool noConnectionRequired = !(flags & ReachabilityFlags::connectionRequired);
    // A carrier data network counts as connected even when it asks for a
    // connection: the platform brings it up on demand.
    const bool cellular = flags & ReachabilityFlags::cellular;
    return reachable && (cellular || noConnectionRequired);
}

NetworkStatus Reachability_2::internetStatusForFlags(std::optional<quint32> flags)
{
    // A direct link has no gateway, so it is no way to the internet.
    if (!flags || !isReachableWithoutRequiringConnection(*flags) || (*flags & ReachabilityFlags::direct))
        return NotReachable;
    return (*flags & ReachabilityFlags::transientConnection) ? ReachableViaCarrierDataNetwork : ReachableViaWiFiNetwork;
}

NetworkStatus Reachability_2::localWiFiStatusForFlags(std::optional<quint32> flags)
{
    if (flags && isReachableWithoutRequiringConnection(*flags) && (*flags & ReachabilityFlags::direct))
        return ReachableViaWiFiNetwork;
    return NotReachable;
}

NetworkStatus Reachability_2::hostStatusForFlags(std::optional<quint32> flags)
{
    // Unlike the internet check, a host on the attached link counts.
    if (!flags || !isReachableWithoutRequiringConnection(*flags))
        return NotReachable;
    return (*flags & ReachabilityFlags::transientConnection) ? ReachableViaCarrierDataNetwork : ReachableViaWiFiNetwork;
}

std::optional<quint32> Reachability_2::flagsFor(const QString& hostNameOrAddress)
{
    std::unique_ptr<ReachabilityQuery_2>& query = m_queries[hostNameOrAddress];
    if (!query) {
        query = std::make_unique<ReachabilityQuery_2>(hostNameOrAddress, m_source.get());
        connect(query.get(), &ReachabilityQuery_2::changed, this, &Reachability_2::networkReachabilityChanged);
    }
    if (m_notificationsEnabled && !query->isScheduled())
        query->schedule();
    return query->flags();
}

NetworkStatus Reachability_2::internetConnectionStatus()
{
    return internetStatusForFlags(flagsFor(defaultRouteAddress));
}

NetworkStatus Reachability_2::localWiFiConnectionStatus()
{
    return localWiFiStatusForFlags(flagsFor(linkLocalAddress));
}

NetworkStatus Reachability_2::remoteHostStatus()
{
    if (!m_hostName.isEmpty()) {
        if (!isUsableHostName(m_hostName)) {
            ConsoleLog::log(logNet, QStringLiteral("Failed to create SCNetworkReachabilityRef for host: %@"), m_hostName);
            return NotReachable;
        }
        return hostStatusForFlags(flagsFor(m_hostName));
    }
    if (!m_address.isEmpty()) {
        const QHostAddress parsed(m_address);
        if (parsed.protocol() != QAbstractSocket::IPv4Protocol) {
            ConsoleLog::log(logNet, QStringLiteral("Failed to convert an IP address string to a sockaddr_in: %@"), m_address);
            return NotReachable;
        }
        return hostStatusForFlags(flagsFor(m_address));
    }
    ConsoleLog::log(logNet, QStringLiteral("No hostName or address specified. Cannot determine reachability."));
    return NotReachable;
}

bool Reachability_2::isHostReachable(const QString& host)
{
    if (!isUsableHostName(host)) {
        ConsoleLog::log(logNet, QStringLiteral("Failed to create SCNetworkReachabilityRef for host: %@"), host);
        return false;
    }
    const std::optional<quint32> flags = flagsFor(host);
    return flags && isReachableWithoutRequiringConnection(*flags);
}

QHostAddress Reachability_2::defaultRouteIpv4Address()
{
    const std::optional<NetworkState> state = m_source->read();
    return state ? RouteDecision::defaultRouteIpv4Address(*state) : QHostAddress();
}

QStringList Reachability_2::reachabilityQueryKeys() const
{
    QStringList keys;
    for (const auto& entry : m_queries)
        keys.append(entry.first);
    return keys;
}

ReachabilityQuery_2* Reachability_2::reachabilityQuery(const QString& hostNameOrAddress) const
{
    const auto it = m_queries.find(hostNameOrAddress);
    return it == m_queries.end() ? nullptr : it->second.get();
}
