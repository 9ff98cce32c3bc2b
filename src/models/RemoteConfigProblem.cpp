#include "models/RemoteConfigProblem.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "models/RemoteAddressProblem.h"

QString RemoteConfigProblem::describe(const QString& nickname, const QString& address)
{
    if (nickname.isEmpty() || address.isEmpty())
        return localizedString("Please enter a name as well as an address for the new remote.");
    // An address no request can be made of would only fail at every probe.
    return RemoteAddressProblem::describe(address);
}

void RemoteConfigProblem::show(AlertPresenter& alerts, const QString& problem)
{
    alerts.present(AlertRequest::notice(localizedString("Details..."), problem));
}
