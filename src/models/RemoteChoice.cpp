#include "models/RemoteChoice.h"

#include "core/Localization.h"
#include "models/RemoteAddressProblem.h"
#include "vlc/VLCController.h"

namespace {
const char* const forbiddenMessage
    = L10N_NOOP("It looks like VLC is running on that computer, but you need to allow your iPhone to access the "
                "remote interface.\n\nPlease tap on the 'Help' bar for instructions on how to do that.");
const char* const noSignMessage
    = L10N_NOOP("No sign of VLC at that computer.\n\nIf you know that VLC is running, then you probably just need to "
                "setup VLC to contact the remote.\n\nPlease tap on the 'Help' bar for instructions on how to do that.");
const char* const noPasswordSetMessage
    = L10N_NOOP("VLC is running on that computer, but its web interface has no password set, and VLC 3 lets nobody "
                "in without one.\n\nIn VLC's preferences, show all settings, open Interface, Main interfaces, Lua, and "
                "enter a password under 'Lua HTTP'. Then restart VLC and choose the computer here again.\n\nPlease "
                "tap on 'Help' for instructions on how to do that.");

RemoteChoice explaining(const QString& message, std::vector<RemoteChoice::Button> buttons)
{
    buttons.push_back({ localizedString("Ok"), RemoteChoice::Action::None });
    return { RemoteChoice::Outcome::Explain, message, std::move(buttons) };
}
}

RemoteChoice RemoteChoice::of(const VLCController& remote, bool canWake)
{
    using A = Action;
    switch (RemoteAnswers::of(remote)) {
    case RemoteAnswer::AnswersAsVlc:
        return { remote.record().discoveredFromBwIdent ? Outcome::OfferToSave : Outcome::OpenRemote, {}, {} };
    case RemoteAnswer::PasswordNeeded:
    case RemoteAnswer::PasswordRefused:
        return { Outcome::AskPassword, {}, {} };
    case RemoteAnswer::PasswordNotSet:
        return explaining(localizedString(noPasswordSetMessage), { { localizedString("Help"), A::Help } });
    case RemoteAnswer::Forbidden:
        return explaining(localizedString(forbiddenMessage), { { localizedString("Help"), A::Help } });
    case RemoteAnswer::NoAnswer: {
        std::vector<Button> buttons;
        if (canWake)
            buttons.push_back({ localizedString("Wake computer"), A::WakeComputer });
        buttons.push_back({ localizedString("Help"), A::CantSee });
        return explaining(localizedString(noSignMessage), std::move(buttons));
    }
    case RemoteAnswer::UnusableAddress:
        return explaining(RemoteAddressProblem::describe(remote.record().hostAddress),
                          { { localizedString("Change Address"), A::ChangeAddress } });
    }
    return {};
}
