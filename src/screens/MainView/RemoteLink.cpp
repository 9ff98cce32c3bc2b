#include "screens/MainView/RemoteLink.h"

#include "core/Clock.h"
#include "core/Localization.h"
#include "vlc/VLCController.h"

#include <cmath>

namespace {
// Replies older than this mean the connection is lost (the remote's own
// status text says so from the same age on).
constexpr qint64 lostAfterSeconds = 2;
}

RemoteLink RemoteLinks::of(const VLCController& remote)
{
    const std::optional<double> last = remote.lastResponse();
    if (!last)
        return RemoteLink::Connecting;
    if (qint64(std::trunc(Clock::current().now() - *last)) > lostAfterSeconds)
        return RemoteLink::Lost;
    if (remote.passwordNotSet())
        return RemoteLink::PasswordNotSet;
    if (remote.passwordRequired())
        return remote.passwordRefused() ? RemoteLink::PasswordRefused : RemoteLink::PasswordNeeded;
    return RemoteLink::Connected;
}

bool RemoteLinks::wantsPassword(RemoteLink link)
{
    return link == RemoteLink::PasswordNeeded || link == RemoteLink::PasswordRefused;
}

QString RemoteLinks::note(RemoteLink link)
{
    switch (link) {
    case RemoteLink::Connecting:
        return localizedString("Connecting...");
    case RemoteLink::Connected:
        return localizedString("Connected");
    case RemoteLink::PasswordNeeded:
        return localizedString("Password needed");
    case RemoteLink::PasswordRefused:
        return localizedString("Wrong password");
    case RemoteLink::PasswordNotSet:
        return localizedString("No password set in VLC");
    case RemoteLink::Lost:
        return localizedString("Connection lost");
    }
    return {};
}
