#include "models/RemotesDiscovery.h"

#include "models/RemotesModel.h"
#include "net/AvahiConnection.h"
#include "net/BonjourBrowser.h"

RemotesDiscovery::RemotesDiscovery(RemotesModel& model, AvahiConnection* connection, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_connection(connection)
{
    m_refreshTimer.setInterval(refreshIntervalMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &RemotesDiscovery::refreshScan);
}

RemotesDiscovery::~RemotesDiscovery()
{
    if (m_browser)
        m_browser->stop();
}

QString RemotesDiscovery::status() const
{
    return m_browser ? m_browser->status() : QString();
}

void RemotesDiscovery::setActive(bool active)
{
    if (active == isActive())
        return;
    if (active)
        m_refreshTimer.start();
    else
        m_refreshTimer.stop();
    emit activeChanged();
}

void RemotesDiscovery::scan()
{
    m_model.clearFound();
    if (m_browser) {
        // The old run may be inside a callback of its own: it goes later,
        // telling nobody.
        m_browser->stop();
        m_browser->deleteLater();
    }
    m_browser = new BonjourBrowser(this, m_connection, this);
    m_browser->startSearch(true);
    if (isActive())
        m_refreshTimer.start(); // the next pass a whole interval from now
    emit statusChanged();
}

void RemotesDiscovery::refreshScan()
{
    if (m_browser)
        m_browser->startSearch(false);
}

void RemotesDiscovery::statusChangedInBrowser(BonjourBrowser* browser)
{
    if (browser == m_browser)
        emit statusChanged();
}

void RemotesDiscovery::uniqueComputersChangedInBrowser(BonjourBrowser* browser)
{
    if (browser != m_browser)
        return;
    m_model.setDiscovered(browser->uniqueComputers());
    emit discovered();
}
