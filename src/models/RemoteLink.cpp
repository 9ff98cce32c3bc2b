#include "models/RemoteLink.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
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

QString RemoteLinks::statusText(RemoteLink link, const QString& remoteName)
{
    switch (link) {
    case RemoteLink::Connecting:
        return fmt(localizedString("Trying to connect to %@"), remoteName);
    case RemoteLink::Lost:
        return fmt(localizedString("Lost connection to %@"), remoteName);
    case RemoteLink::PasswordNotSet:
        return fmt(localizedString("VLC on %@ has no password set"), remoteName);
    case RemoteLink::PasswordRefused:
        return fmt(localizedString("Wrong password for %@"), remoteName);
    case RemoteLink::PasswordNeeded:
        return fmt(localizedString("Password needed for %@"), remoteName);
    case RemoteLink::Connected:
        break;
    }
    return fmt(localizedString("Connected to %@"), remoteName);
}
