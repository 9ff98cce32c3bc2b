#include "models/ListPasswordPrompt.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/RemoteAnswer.h"
#include "vlc/VLCController.h"

AlertRequest ListPasswordPrompt::request(const VLCController& remote,
                                         std::function<void(Answer, const QString&)> answered)
{
    const bool refused = RemoteAnswers::of(remote) == RemoteAnswer::PasswordRefused;
    AlertRequest prompt;
    prompt.title = fmt(localizedString("Password for %@"), remote.name());
    prompt.message = refused
        ? localizedString("VLC on that computer did not accept the password.\n\nPlease enter it again, exactly as "
                          "it is set in VLC's preferences under 'Lua HTTP'.")
        : localizedString("VLC is running on that computer, and it asks for the password of its web "
                          "interface.\n\nPlease enter the password set in VLC's preferences under 'Lua HTTP'.");
    prompt.buttons = { localizedString("Cancel"), localizedString("Help"), localizedString("Ok") };
    prompt.hasTextField = true;
    prompt.secureTextEntry = true;
    prompt.textPlaceholder = localizedString("Password");
    prompt.textCompletion = [answered = std::move(answered)](int index, const QString& text) {
        if (answered)
            answered(index == 2 ? Answer::Ok : index == 1 ? Answer::Help : Answer::Cancel, text);
    };
    return prompt;
}

void ListPasswordPrompt::supply(const std::shared_ptr<VLCController>& remote, const QString& password)
{
    if (!remote)
        return;
    remote->setPassword(password);
    m_awaited = remote;
    remote->searchForPlayerLink();
}

ListPasswordPrompt::Next ListPasswordPrompt::next(const VLCController& remote)
{
    if (m_awaited.lock().get() != &remote)
        return Next::Wait;
    switch (RemoteAnswers::of(remote)) {
    case RemoteAnswer::AnswersAsVlc:
        m_awaited.reset();
        return Next::Open;
    case RemoteAnswer::PasswordRefused:
        m_awaited.reset();
        return Next::AskAgain;
    default:
        return Next::Wait;
    }
}
