#include "net/ReachabilityQuery_2.h"

#include "net/NetworkStateSource.h"
#include "net/RouteDecision.h"

ReachabilityQuery_2::ReachabilityQuery_2(const QString& hostNameOrAddress, NetworkStateSource* source, QObject* parent)
    : QObject(parent)
    , m_hostNameOrAddress(hostNameOrAddress)
    , m_address(hostNameOrAddress.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
                    ? QHostAddress(QHostAddress::LocalHost) // always this machine, no lookup needed
                    : QHostAddress(hostNameOrAddress))
    , m_source(source)
{
    Q_ASSERT(m_source);
}

ReachabilityQuery_2::~ReachabilityQuery_2() = default;

std::optional<quint32> ReachabilityQuery_2::flags() const
{
    const std::optional<NetworkState> state = m_source->read();
    if (!state)
        return std::nullopt;
    // Names are not resolved here: that could block the main thread. Any
    // name is as reachable as the internet is.
    if (m_address.isNull() || m_address == QHostAddress::AnyIPv4 || m_address == QHostAddress::AnyIPv6)
        return RouteDecision::defaultRouteFlags(*state);
    return RouteDecision::addressFlags(*state, m_address);
}

void ReachabilityQuery_2::schedule()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    m_lastFlags = flags();
    connect(m_source, &NetworkStateSource::changed, this, &ReachabilityQuery_2::networkMayHaveChanged);
    m_source->startWatching();
}

void ReachabilityQuery_2::networkMayHaveChanged()
{
    // The kernel announces far more than matters here (address lifetimes,
    // unrelated interfaces), and every observer re-reads the status when told.
    // So tell only when this query's answer actually changed, as the phone
    // platform does.
    const std::optional<quint32> now = flags();
    if (now == m_lastFlags)
        return;
    m_lastFlags = now;
    emit changed();
}
