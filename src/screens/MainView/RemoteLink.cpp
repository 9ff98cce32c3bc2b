#include "screens/MainView/RemoteLink.h"

#include "core/Localization.h"
#include "vlc/VLCController.h"

RemoteLink RemoteLinks::of(const VLCController& remote)
{
    return remote.connectionState();
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
    case RemoteLink::UnusableReplies:
        return localizedString("No usable answer");
    }
    return {};
}
