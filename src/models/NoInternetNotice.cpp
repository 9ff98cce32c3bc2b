#include "models/NoInternetNotice.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "net/Reachability_2.h"

#include <QPointer>

NoInternetNotice::NoInternetNotice(Reachability_2& reachability, AlertPresenter& alerts, QObject* parent)
    : QObject(parent)
    , m_reachability(reachability)
    , m_alerts(alerts)
{
}

NoInternetNotice::~NoInternetNotice() = default;

QString NoInternetNotice::title()
{
    return localizedString("No Internet...");
}

bool NoInternetNotice::internetIsAvailable()
{
    return m_reachability.internetConnectionStatus() != NotReachable
        || m_reachability.localWiFiConnectionStatus() != NotReachable;
}

void NoInternetNotice::check()
{
    if (m_showing || internetIsAvailable())
        return;
    m_reachability.setNetworkStatusNotificationsEnabled(true);
    m_reachability.internetConnectionStatus(); // schedules the change watch
    connect(&m_reachability, &Reachability_2::networkReachabilityChanged, this,
            &NoInternetNotice::networkStatusChanged, Qt::UniqueConnection);
    m_showing = true;
    AlertRequest alert = AlertRequest::notice(
        title(),
        localizedString("It looks like you don't have an internet connection at the moment.\n\nYou can set up "
                        "remotes, but you won't be able to use them until you are connected"));
    alert.completion = [self = QPointer(this)](int) {
        if (self)
            self->m_showing = false;
    };
    m_alerts.present(alert);
}

void NoInternetNotice::networkStatusChanged()
{
    if (!internetIsAvailable())
        return;
    disconnect(&m_reachability, &Reachability_2::networkReachabilityChanged, this,
               &NoInternetNotice::networkStatusChanged);
    m_reachability.setNetworkStatusNotificationsEnabled(false);
    if (m_showing)
        m_alerts.withdraw(title());
    m_showing = false;
}
