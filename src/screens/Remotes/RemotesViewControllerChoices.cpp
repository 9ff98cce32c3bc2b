// What the remotes list does when a computer or a fixed row is chosen:
// open the remote, offer to save it, explain why it cannot be used, ask for
// its password, or go to another screen.
#include "screens/Remotes/RemotesViewController.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "models/Navigator.h"
#include "models/RemotesModel.h"
#include "models/SaveOffer.h"
#include "models/RemoteWaker.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

void RemotesViewController::selectRemote(const std::shared_ptr<VLCController>& remote)
{
    if (!remote)
        return;
    const RemoteChoice choice = RemoteChoice::of(*remote, RemoteWaker::canWake(*remote));
    switch (choice.outcome) {
    case RemoteChoice::Outcome::OpenRemote:
        displayRemote(remote);
        return;
    case RemoteChoice::Outcome::OfferToSave:
        offerToSaveIfAppropriate(remote);
        return;
    case RemoteChoice::Outcome::AskPassword:
        promptForPassword(remote);
        break;
    case RemoteChoice::Outcome::Explain:
        explain(remote, choice);
        break;
    }
    // So that the icon is right if VLC has become reachable since.
    remote->searchForPlayerLink();
}

void RemotesViewController::explain(const std::shared_ptr<VLCController>& remote, const RemoteChoice& choice)
{
    std::vector<SheetButton> buttons;
    for (const RemoteChoice::Button& button : choice.buttons)
        buttons.push_back({ button.title, sheetAction(remote, button.action) });
    showSheet(choice.message, buttons);
}

std::function<void()> RemotesViewController::sheetAction(const std::shared_ptr<VLCController>& remote,
                                                         RemoteChoice::Action action)
{
    const auto self = QPointer(this);
    const auto weak = std::weak_ptr(remote);
    switch (action) {
    case RemoteChoice::Action::None:
        return {};
    case RemoteChoice::Action::Help:
        return [this] { help(); };
    case RemoteChoice::Action::CantSee:
        return [this] { cantSee(); };
    case RemoteChoice::Action::WakeComputer:
        return [this, weak] {
            if (const auto r = weak.lock())
                wakeComputer(r);
        };
    case RemoteChoice::Action::ChangeAddress:
        return [self, weak] {
            // Only a saved remote has an address of its own to change.
            const auto r = weak.lock();
            if (r && self && self->m_remotes.isSaved(*r))
                self->editRemote(r);
        };
    }
    return {};
}

void RemotesViewController::wakeComputer(const std::shared_ptr<VLCController>& remote)
{
    RemoteWaker* waker = RemoteWaker::instance();
    if (!waker || !remote)
        return;
    waker->wakeComputer(*remote, [self = QPointer<RemotesViewController>(this)](WakeOnLan::Outcome outcome) {
        const QString failure = RemoteWaker::failureMessage(outcome);
        if (self && !failure.isEmpty())
            self->showSheet(failure, { { localizedString("Ok"), {} } });
    });
}

void RemotesViewController::showSheet(const QString& message, const std::vector<SheetButton>& buttons)
{
    AlertRequest sheet;
    sheet.message = message;
    sheet.actionSheet = true;
    std::vector<std::function<void()>> actions;
    for (const SheetButton& button : buttons) {
        sheet.buttons << button.title;
        actions.push_back(button.action);
    }
    sheet.completion = [self = QPointer<RemotesViewController>(this), actions](int index) {
        if (self && index >= 0 && size_t(index) < actions.size() && actions[size_t(index)])
            actions[size_t(index)]();
    };
    m_context.alerts.present(sheet);
}

void RemotesViewController::promptForPassword(const std::shared_ptr<VLCController>& remote)
{
    m_context.alerts.present(ListPasswordPrompt::request(
        *remote, [self = QPointer<RemotesViewController>(this), weak = std::weak_ptr(remote)](
                     ListPasswordPrompt::Answer answer, const QString& text) {
            const auto remote = weak.lock();
            if (!self || !remote)
                return;
            if (answer == ListPasswordPrompt::Answer::Help)
                self->help();
            else if (answer == ListPasswordPrompt::Answer::Ok)
                self->m_passwordPrompt.supply(remote, text);
        }));
}

void RemotesViewController::offerToSaveIfAppropriate(const std::shared_ptr<VLCController>& remote)
{
    if (SaveOffer::isSavedAlready(m_remotes.savedList(), *remote)) {
        displayRemote(remote);
        return;
    }
    m_remoteWeAreAboutToSaveOrDisplay = remote;
    m_context.alerts.present(SaveOffer::offer([self = QPointer<RemotesViewController>(this)](bool yes) {
        if (!self)
            return;
        const auto remote = self->m_remoteWeAreAboutToSaveOrDisplay.lock();
        self->m_remoteWeAreAboutToSaveOrDisplay.reset();
        if (!remote)
            return;
        if (!yes) {
            self->displayRemote(remote);
            return;
        }
        self->m_remotes.save(remote);
        self->updateTableStructure();
        self->m_context.alerts.present(SaveOffer::savedNotice());
    }));
}

void RemotesViewController::displayRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote)
        m_context.navigator.showRemote(remote);
}

void RemotesViewController::editRemote(const std::shared_ptr<VLCController>& remote)
{
    if (remote)
        m_context.navigator.showRemoteConfig(remote);
}

// --- Other screens -------------------------------------------------------------------

void RemotesViewController::pushWebPage(const QString& page)
{
    m_context.navigator.showHelp(page);
}

void RemotesViewController::help()
{
    pushWebPage(QStringLiteral("help"));
}

void RemotesViewController::cantSee()
{
    pushWebPage(QStringLiteral("cantSee"));
}

void RemotesViewController::setup()
{
    m_context.navigator.showSetupInstructions();
}

void RemotesViewController::info()
{
    m_context.navigator.showSettings();
}

void RemotesViewController::showNews()
{
    m_context.navigator.showNews();
}

void RemotesViewController::showSkins()
{
    m_context.navigator.showSkins();
}
