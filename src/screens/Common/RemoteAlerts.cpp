#include "screens/Common/RemoteAlerts.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "ui/AlertView.h"
#include "vlc/HostAddress.h"

void RemoteAlerts::showForRequest(const RequestResult& result)
{
    if (!result.invalidAddress)
        return;
    const QString title = localizedString("Error...");
    for (const AlertView* shown : AlertView::visibleAlerts())
        if (shown->title() == title)
            return;
    AlertPresenter::show(title,
                         fmt(localizedString("there was an internal error trying to access %@\n\nSorry."), result.target),
                         { localizedString("Ok") });
}

void RemoteAlerts::showDrivesNotFound()
{
    AlertPresenter::show(localizedString("No Luck..."),
                         localizedString("Normally, your drives are listed just above your C: drive (Windows) or in "
                                         "//Volumes (Mac).\n\nPlayerLink couldn't find anything in either of those "
                                         "this time."),
                         { localizedString("Ok") });
}

QString RemoteAlerts::addressProblem(const QString& address)
{
    const HostAddress::Reading reading = HostAddress::read(address);
    switch (reading.problem) {
    case HostAddress::Problem::None:
        return {};
    case HostAddress::Problem::NoHost:
        return localizedString("No address is given.");
    case HostAddress::Problem::NotHttp:
    case HostAddress::Problem::NamesAPage:
    case HostAddress::Problem::CarriesUserName:
        return fmt(localizedString("'%@' is more than an address: give only the computer's name or address, and the "
                                   "port after a colon if it is not 8080."),
                   reading.shown);
    case HostAddress::Problem::NotIpv6InBrackets:
    case HostAddress::Problem::NotAHost:
        break;
    case HostAddress::Problem::BadPort:
        return fmt(localizedString("'%@': the port after the colon must be a number from 1 to 65535."), reading.shown);
    }
    return fmt(localizedString("'%@' is not the name or address of a computer."), reading.shown);
}
