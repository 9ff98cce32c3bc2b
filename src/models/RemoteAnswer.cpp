#include "models/RemoteAnswer.h"

#include "core/Clock.h"
#include "core/Localization.h"
#include "vlc/HostAddress.h"
#include "vlc/VLCController.h"

RemoteAnswer RemoteAnswers::of(const VLCController& remote)
{
    const std::optional<double> last = remote.lastResponse();
    if (!last || Clock::current().now() - *last > freshForSeconds)
        return HostAddress::read(remote.record().hostAddress).address ? RemoteAnswer::NoAnswer : RemoteAnswer::UnusableAddress;
    if (remote.remoteFound())
        return RemoteAnswer::AnswersAsVlc;
    if (remote.passwordNotSet())
        return RemoteAnswer::PasswordNotSet;
    // Wrong only once VLC has refused this very password: one just given
    // is on its way.
    if (remote.passwordRefused())
        return RemoteAnswer::PasswordRefused;
    if (remote.passwordRequired())
        return RemoteAnswer::PasswordNeeded;
    if (remote.forbidden())
        return RemoteAnswer::Forbidden;
    return RemoteAnswer::NoAnswer;
}

QString RemoteAnswers::describe(RemoteAnswer answer)
{
    switch (answer) {
    case RemoteAnswer::AnswersAsVlc:
        return localizedString("Answers as VLC");
    case RemoteAnswer::PasswordNeeded:
        return localizedString("Needs a password");
    case RemoteAnswer::PasswordRefused:
        return localizedString("Wrong password");
    case RemoteAnswer::PasswordNotSet:
        return localizedString("VLC has no password set");
    case RemoteAnswer::Forbidden:
        return localizedString("VLC refuses access");
    case RemoteAnswer::UnusableAddress:
        return localizedString("The address cannot be used");
    case RemoteAnswer::NoAnswer:
        break;
    }
    return localizedString("No answer");
}

QString RemoteAnswers::key(RemoteAnswer answer)
{
    switch (answer) {
    case RemoteAnswer::AnswersAsVlc:
        return QStringLiteral("answers");
    case RemoteAnswer::PasswordNeeded:
        return QStringLiteral("password-needed");
    case RemoteAnswer::PasswordRefused:
        return QStringLiteral("password-refused");
    case RemoteAnswer::PasswordNotSet:
        return QStringLiteral("password-not-set");
    case RemoteAnswer::Forbidden:
        return QStringLiteral("forbidden");
    case RemoteAnswer::UnusableAddress:
        return QStringLiteral("unusable-address");
    case RemoteAnswer::NoAnswer:
        break;
    }
    return QStringLiteral("no-answer");
}
