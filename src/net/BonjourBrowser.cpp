#include "net/BonjourBrowser.h"

#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "net/AvahiConnection.h"
#include "net/AvahiServiceBrowse.h"
#include "net/AvahiServiceResolve.h"
#include "net/BonjourBrowserDelegate.h"

#include <algorithm>
#include <exception>

namespace {
// Avahi takes names without the final dot of the fully qualified form.
QString withoutFinalDot(const QString& name)
{
    return name.endsWith(u'.') ? name.chopped(1) : name;
}

QString keyOf(const QStringList& parts)
{
    return parts.join(QChar(0)); // a character no DNS-SD name holds
}

template <typename T>
void forget(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
    // It may be inside its own signal right now.
    item->deleteLater();
}
}

BonjourBrowser::BonjourBrowser(BonjourBrowserDelegate* delegate, AvahiConnection* connection, QObject* parent)
    : QObject(parent)
    , m_delegate(delegate)
    , m_delegateGuard(dynamic_cast<QObject*>(delegate))
    , m_delegateGuarded(m_delegateGuard != nullptr)
    , m_connection(connection ? connection : &AvahiConnection::shared())
{
}

BonjourBrowser::~BonjourBrowser()
{
    delete m_topLevelBrowser;
    for (AvahiServiceBrowse* browse : m_liveScanningObjects)
        delete browse;
    for (AvahiServiceResolve* resolution : m_resolutions)
        delete resolution;
}

BonjourBrowserDelegate* BonjourBrowser::delegate() const
{
    return m_delegateGuarded && !m_delegateGuard ? nullptr : m_delegate;
}

QString BonjourBrowser::status() const
{
    return m_liveScans >= 1 ? localizedString("Scanning...") : QString();
}

void BonjourBrowser::stop()
{
    m_delegate = nullptr;
    m_delegateGuard = nullptr;
    m_delegateGuarded = false;
    m_stopped = true;
}

void BonjourBrowser::startSearch(bool clearFirst)
{
    // The old browse ends quietly; it is counted out only after the new one
    // is counted in, so that a refresh does not flicker the status.
    const bool previousRunning = m_topLevelBrowser && m_topLevelBrowser->isRunning();
    if (m_topLevelBrowser) {
        m_topLevelBrowser->stop();
        m_topLevelBrowser->disconnect(this);
        m_topLevelBrowser->deleteLater(); // it may be inside its own signal
        m_topLevelBrowser = nullptr;
    }

    if (clearFirst) {
        m_allComputers.clear();
        m_uniqueComputers.clear();
        m_recordedServices.clear();
        if (!tellAllComputersChanged() || !tellUniqueComputersChanged())
            return;
    }

    m_typesThisPass.clear();
    m_instancesThisPass.clear();
    auto* browse = new AvahiServiceBrowse(m_connection, withoutFinalDot(serviceTypeEnumeration), QString(), this);
    m_topLevelBrowser = browse;
    connect(browse, &AvahiServiceBrowse::found, this, &BonjourBrowser::topLevelFound);
    // The first complete batch is the whole answer of this pass.
    connect(browse, &AvahiServiceBrowse::allForNow, this, [this, browse] {
        browse->stop();
        topLevelEnded();
    });
    connect(browse, &AvahiServiceBrowse::failed, this, &BonjourBrowser::topLevelEnded);
    QPointer<BonjourBrowser> alive(this);
    updateScans(1);
    if (alive && previousRunning)
        updateScans(-1);
}

void BonjourBrowser::topLevelEnded()
{
    updateScans(-1);
}

void BonjourBrowser::topLevelFound(const DnsSdService& entry)
{
    // Avahi splits an enumeration entry such as _http._tcp.local into the
    // name _http, the type _tcp and the domain local; DNS-SD names it
    // _http / _tcp.local. / "." and the rules below read that form.
    searchTopLevelService(entry.name, entry.type + u'.' + entry.domain + u'.', QStringLiteral("."));
}

std::optional<BonjourBrowser::BrowseTarget> BonjourBrowser::browseTargetForServiceType(const QString& name,
                                                                                       const QString& type,
                                                                                       const QString& domain)
{
    const QStringList parts = type.split(u'.');
    if (parts.size() != 3)
        return std::nullopt;
    BrowseTarget target;
    target.type = QStringLiteral("%1.%2.").arg(name, parts[0]);
    target.domain = domain == u"." ? parts[1] + u'.' : QStringLiteral("%1.%2").arg(parts[1], domain);
    return target;
}

void BonjourBrowser::searchTopLevelService(const QString& name, const QString& type, const QString& domain)
{
    if (m_stopped)
        return;
    const std::optional<BrowseTarget> target = browseTargetForServiceType(name, type, domain);
    if (!target) {
        ConsoleLog::log(logNet, QStringLiteral("unexpected format in bonjour type"));
        return;
    }
    const QString browseType = withoutFinalDot(target->type);
    const QString browseDomain = withoutFinalDot(target->domain);
    const QString key = keyOf({ browseType, browseDomain });
    if (m_typesThisPass.contains(key))
        return;
    m_typesThisPass.insert(key);

    auto* browse = new AvahiServiceBrowse(m_connection, browseType, browseDomain, this);
    m_liveScanningObjects.push_back(browse);
    connect(browse, &AvahiServiceBrowse::found, this, &BonjourBrowser::serviceFound);
    connect(browse, &AvahiServiceBrowse::allForNow, this, [this, browse] {
        browse->stop();
        browseEnded(browse);
    });
    connect(browse, &AvahiServiceBrowse::failed, this, [this, browse] { browseEnded(browse); });
    updateScans(1);
}

void BonjourBrowser::browseEnded(AvahiServiceBrowse* browse)
{
    forget(m_liveScanningObjects, browse);
    updateScans(-1);
}

void BonjourBrowser::serviceFound(const DnsSdService& service)
{
    if (m_stopped)
        return;
    const QString key
        = keyOf({ QString::number(service.interfaceIndex), service.name, service.type, service.domain });
    if (m_instancesThisPass.contains(key))
        return;
    m_instancesThisPass.insert(key);

    auto* resolution = new AvahiServiceResolve(m_connection, service, resolveTimeoutMs, this);
    m_resolutions.push_back(resolution);
    connect(resolution, &AvahiServiceResolve::resolved, this,
            [this, resolution](const QString& name, const QString& type, const QString& ipv4Address) {
                serviceResolved(resolution, name, type, ipv4Address);
            });
    connect(resolution, &AvahiServiceResolve::failed, this, [this, resolution] { resolutionEnded(resolution); });
    updateScans(1);
}

void BonjourBrowser::serviceResolved(AvahiServiceResolve* resolution, const QString& name, const QString& type,
                                     const QString& ipv4Address)
{
    QPointer<BonjourBrowser> alive(this);
    try {
        // IPv6-only services make no computer.
        if (!ipv4Address.isEmpty()) {
            const bool identified = type.contains(identifyingTypeMark, Qt::CaseSensitive);
            const DnsSdService& service = resolution->service();
            addComputer(name, ipv4Address, identified,
                        keyOf({ QString::number(service.interfaceIndex), name, type, service.domain, ipv4Address }));
        }
    } catch (const std::exception& e) {
        ConsoleLog::log(logNet, QStringLiteral("browser exception caught : %@"), QString::fromUtf8(e.what()));
    }
    if (alive)
        resolutionEnded(resolution);
}

void BonjourBrowser::resolutionEnded(AvahiServiceResolve* resolution)
{
    forget(m_resolutions, resolution);
    updateScans(-1);
}

void BonjourBrowser::addComputer(const QString& name, const QString& ipAddress, bool bwIdentified,
                                 const QString& serviceKey)
{
    // A later pass resolves the same service again; it is already merged.
    if (m_recordedServices.contains(serviceKey))
        return;
    m_recordedServices.insert(serviceKey);

    m_allComputers.append(BonjourComputer(name, ipAddress, bwIdentified));
    if (!tellAllComputersChanged())
        return;

    bool known = false;
    for (qsizetype i = 0; i < m_uniqueComputers.size(); ++i) {
        BonjourComputer& computer = m_uniqueComputers[i];
        if (computer.ipAddress() != ipAddress)
            continue;
        known = true;
        bool changed = computer.updateNameIfBetter(name);
        // Said as well, so that the owner learns of an identifying service
        // that came after the others of its computer.
        if (bwIdentified && !computer.bwIdentified()) {
            computer.setBwIdentified(true);
            changed = true;
        }
        if (changed && !tellUniqueComputersChanged())
            return;
    }
    if (!known) {
        m_uniqueComputers.append(BonjourComputer(name, ipAddress, bwIdentified));
        tellUniqueComputersChanged();
    }
}

void BonjourBrowser::updateScans(int delta)
{
    const int before = m_liveScans;
    m_liveScans += delta;
    if (before == 0 || m_liveScans == 0)
        tellStatusChanged();
}

bool BonjourBrowser::tellStatusChanged()
{
    QPointer<BonjourBrowser> alive(this);
    if (BonjourBrowserDelegate* d = delegate())
        d->statusChangedInBrowser(this);
    return alive;
}

bool BonjourBrowser::tellUniqueComputersChanged()
{
    QPointer<BonjourBrowser> alive(this);
    if (BonjourBrowserDelegate* d = delegate())
        d->uniqueComputersChangedInBrowser(this);
    return alive;
}

bool BonjourBrowser::tellAllComputersChanged()
{
    QPointer<BonjourBrowser> alive(this);
    if (BonjourBrowserDelegate* d = delegate())
        d->allComputersChangedInBrowser(this);
    return alive;
}
