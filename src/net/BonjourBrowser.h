#pragma once

#include "net/BonjourComputer.h"
#include "net/DnsSdService.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

class AvahiConnection;
class AvahiServiceBrowse;
class AvahiServiceResolve;
class BonjourBrowserDelegate;

// One discovery run: asks DNS-SD for every service type advertised on the
// local network, browses each type, resolves each instance to its IPv4
// address, and keeps one BonjourComputer per address with the best name seen
// for it. Whether a computer runs VLC is for the caller to find out.
//
// Every browse ends after its first complete batch of results and every
// resolution after resolveTimeoutMs, so a pass finishes by itself; calling
// startSearch(false) again (the remotes list does so every 10 seconds)
// starts a new pass that keeps what was found.
//
// Without an Avahi daemon every browse fails at once: the run finds nothing,
// the connection logs one line, and a later pass works once the daemon is
// back. Main thread only.
class BonjourBrowser : public QObject {
    Q_OBJECT
public:
    static constexpr int resolveTimeoutMs = 5000;
    static inline const QString serviceTypeEnumeration = QStringLiteral("_services._dns-sd._udp.");
    // A service type containing this marks the maker's desktop side.
    static inline const QString identifyingTypeMark = QStringLiteral("bw-ident");

    // The designated initialiser. The delegate is not owned; a delegate that
    // is also a QObject is forgotten when it is destroyed. connection: the
    // program's shared one when none is given.
    explicit BonjourBrowser(BonjourBrowserDelegate* delegate, AvahiConnection* connection = nullptr,
                            QObject* parent = nullptr);
    BonjourBrowser() = delete; // "Not the designated initialiser for BonjourBrowser"
    // Ends every browse and resolution at once, telling nobody.
    ~BonjourBrowser() override;

    // Stops the current top-level browse; with clearFirst, empties both
    // computer lists and says so (all, then unique); then starts a new one.
    void startSearch(bool clearFirst);
    // Forgets the delegate and starts no new browse of a type and no new
    // resolution; those running end on their own.
    void stop();

    // "Scanning..." while any browse or resolution runs, else empty.
    QString status() const;
    int liveScans() const { return m_liveScans; }
    bool isStopped() const { return m_stopped; }
    BonjourBrowserDelegate* delegate() const;

    // One per IPv4 address, in order of first arrival.
    const QList<BonjourComputer>& uniqueComputers() const { return m_uniqueComputers; }
    // One per resolved service, in order of arrival.
    const QList<BonjourComputer>& allComputers() const { return m_allComputers; }

    // Adds delta to the running browses and resolutions; tells the delegate
    // when the count leaves or reaches 0.
    void updateScans(int delta);

    // What to browse for one entry of the service-type enumeration, named as
    // DNS-SD names it (name "_http", type "_tcp.local.", domain "."): the
    // service type and domain, each ending in a dot; nothing when the type
    // does not split at its dots into exactly three parts.
    struct BrowseTarget {
        QString type;
        QString domain;
    };
    static std::optional<BrowseTarget> browseTargetForServiceType(const QString& name, const QString& type,
                                                                  const QString& domain);

private:
    void topLevelFound(const DnsSdService& entry);
    void topLevelEnded();
    void searchTopLevelService(const QString& name, const QString& type, const QString& domain);
    void serviceFound(const DnsSdService& service);
    void browseEnded(AvahiServiceBrowse* browse);
    void serviceResolved(AvahiServiceResolve* resolution, const QString& name, const QString& type,
                         const QString& ipv4Address);
    void resolutionEnded(AvahiServiceResolve* resolution);
    void addComputer(const QString& name, const QString& ipAddress, bool bwIdentified, const QString& serviceKey);

    // Each returns false when the delegate destroyed this run meanwhile.
    bool tellStatusChanged();
    bool tellUniqueComputersChanged();
    bool tellAllComputersChanged();

    BonjourBrowserDelegate* m_delegate;
    QPointer<QObject> m_delegateGuard;
    bool m_delegateGuarded = false;
    QPointer<AvahiConnection> m_connection;

    AvahiServiceBrowse* m_topLevelBrowser = nullptr; // a child; replaced by every pass
    QList<BonjourComputer> m_allComputers;
    QList<BonjourComputer> m_uniqueComputers;
    // The running browses of a type and resolutions; ended ones go.
    std::vector<AvahiServiceBrowse*> m_liveScanningObjects;
    std::vector<AvahiServiceResolve*> m_resolutions;
    int m_liveScans = 0;
    bool m_stopped = false;

    // A type seen on several interfaces is browsed once per pass, and an
    // instance seen over IPv4 and IPv6 resolved once per pass and interface.
    QSet<QString> m_typesThisPass;
    QSet<QString> m_instancesThisPass;
    // Services already in allComputers, so that later passes, which resolve
    // everything again, do not add them over and over.
    QSet<QString> m_recordedServices;
};
