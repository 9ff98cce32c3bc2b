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
    alerts.present({ title, fmt(localizedString("there was an internal error trying to access %@\n\nSorry."), result.target),
                     { localizedString("Ok") } });
}

void RemoteAlerts::showDrivesNotFound(AlertPresenter& alerts)
{
    alerts.present({ localizedString("No Luck..."),
                     localizedString("Normally, your drives are listed just above your C: drive (Windows) or in "
                                     "//Volumes (Mac).\n\nPlayerLink couldn't find anything in either of those "
                                     "this time."),
                     { localizedString("Ok") } });
}
