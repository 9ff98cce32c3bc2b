#include "screens/Common/RemoteAlerts.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "ui/AlertView.h"

void RemoteAlerts::showForRequest(AlertPresenter& alerts, const RequestResult& result)
{
    if (!result.invalidAddress)
        return;
    const QString title = localizedString("Error...");
    for (const AlertView* shown : AlertView::visibleAlerts())
        if (shown->title() == title)
            return;
    alerts.present(AlertRequest::notice(
        title, fmt(localizedString("there was an internal error trying to access %@\n\nSorry."), result.target)));
}
