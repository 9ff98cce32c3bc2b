#include "screens/MainView/RemotePasswordPrompt.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/RemoteLink.h"
#include "models/RemoteSession.h"
#include "ui/ViewController.h"
#include "vlc/VLCController.h"

#include <QPointer>

RemotePasswordPrompt::RemotePasswordPrompt(const AppContext& context, RemoteSession& session, ViewController& screen)
    : QObject(&screen)
    , m_context(context)
    , m_session(session)
    , m_screen(screen)
{
    connect(&session, &RemoteSession::passwordWanted, this, [this] {
        if (m_screen.isVisibleOnStack())
            prompt();
    });
    connect(&session, &RemoteSession::passwordNotSetNoticed, this, [this] {
        if (m_screen.isVisibleOnStack())
            showNoPasswordHint();
    });
}

RemotePasswordPrompt::~RemotePasswordPrompt() = default;

void RemotePasswordPrompt::askAgain()
{
    const std::shared_ptr<VLCController> remote = m_session.remote();
    if (remote && RemoteLinks::wantsPassword(remote->connectionState()))
        prompt();
    else if (remote && remote->connectionState() == RemoteLink::PasswordNotSet)
        showNoPasswordHint();
}

void RemotePasswordPrompt::showNoPasswordHint()
{
    if (const auto remote = m_session.remote())
        // The same words as the command-line remote's.
        m_context.alerts.present(AlertRequest::notice(remote->status(), VLCController::noPasswordHint()));
}

void RemotePasswordPrompt::prompt()
{
    const std::shared_ptr<VLCController> remote = m_session.remote();
    if (!remote || m_open)
        return;
    const QString name = remote->name();
    AlertRequest prompt;
    prompt.title = fmt(localizedString("Password for %@"), name);
    prompt.message = remote->connectionState() == RemoteLink::PasswordRefused
        ? fmt(localizedString("VLC on %@ did not accept the password. Enter the password of its web interface."), name)
        : fmt(localizedString("VLC on %@ asks for the password of its web interface."), name);
    prompt.buttons = { localizedString("Cancel"), localizedString("Connect") };
    prompt.hasTextField = true;
    prompt.secureTextEntry = true;
    prompt.textPlaceholder = localizedString("Password");
    prompt.textCompletion = [self = QPointer<RemotePasswordPrompt>(this), remote](int index, const QString& text) {
        if (!self)
            return;
        self->m_open = false;
        // Kept in the remote: a saved remote is written again with it.
        if (index == 1 && remote == self->m_session.remote())
            self->m_session.supplyPassword(text);
        else
            self->m_session.declinePassword();
    };
    m_open = true;
    m_context.alerts.present(prompt);
}
