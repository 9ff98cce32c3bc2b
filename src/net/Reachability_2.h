#pragma once

#include "net/NetworkStatus.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>

class NetworkStateSource;
class ReachabilityQuery_2;

// Answers whether the device has a route to the internet or to a local
// Wi-Fi network, and announces changes with networkReachabilityChanged().
// Queries are made at the first request for their address and kept; they are
// scheduled for change announcements at the next request made while
// notifications are enabled, and stay scheduled.
class Reachability_2 : public QObject {
    Q_OBJECT
public:
    static inline const QString defaultRouteAddress = QStringLiteral("0.0.0.0");
    static inline const QString linkLocalAddress = QStringLiteral("169.254.0.0");

    // The monitor of the running program, reading the kernel; it lives as
    // long as the application object.
    static Reachability_2& sharedReachability();

    explicit Reachability_2(std::unique_ptr<NetworkStateSource> source, QObject* parent = nullptr);
    ~Reachability_2() override;

    // An optional host for remoteHostStatus(): a name, or else an IPv4 address.
    QString hostName() const { return m_hostName; }
    void setHostName(const QString& hostName) { m_hostName = hostName; }
    QString address() const { return m_address; }
    void setAddress(const QString& address) { m_address = address; }

    bool networkStatusNotificationsEnabled() const { return m_notificationsEnabled; }
    void setNetworkStatusNotificationsEnabled(bool enabled) { m_notificationsEnabled = enabled; }

    NetworkStatus internetConnectionStatus();
    NetworkStatus localWiFiConnectionStatus();
    NetworkStatus remoteHostStatus();
    bool isHostReachable(const QString& host);

    static bool isReachableWithoutRequiringConnection(quint32 flags);

    // This device's IPv4 address on the network of its default route (see
    // RouteDecision::defaultRouteIpv4Address); null when there is none or
    // the state cannot be read.
    QHostAddress defaultRouteIpv4Address();

    // The decision rules; nothing stands for flags that could not be read.
    static NetworkStatus internetStatusForFlags(std::optional<quint32> flags);
    static NetworkStatus localWiFiStatusForFlags(std::optional<quint32> flags);
    static NetworkStatus hostStatusForFlags(std::optional<quint32> flags);

    // The watched hosts and addresses that have a query so far.
    QStringList reachabilityQueryKeys() const;
    ReachabilityQuery_2* reachabilityQuery(const QString& hostNameOrAddress) const;

signals:
    // A scheduled query's answer changed: the statuses are worth reading again.
    void networkReachabilityChanged();

private:
    std::optional<quint32> flagsFor(const QString& hostNameOrAddress);

    QString m_hostName;
    QString m_address;
    bool m_notificationsEnabled = false;
    std::unique_ptr<NetworkStateSource> m_source;
    // Declared after the source, so the queries go first.
    std::map<QString, std::unique_ptr<ReachabilityQuery_2>> m_queries;
};
