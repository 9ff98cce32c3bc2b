#include "models/RemoteAddressProblem.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "vlc/HostAddress.h"

QString RemoteAddressProblem::describe(const QString& address)
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
