#include "models/RemoteChoiceFlow.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "models/Navigator.h"
#include "models/RemoteChoice.h"
#include "models/RemoteWaker.h"
#include "models/RemotesModel.h"
#include "models/SaveOffer.h"
#include "vlc/SavedRemoteList.h"
#include "vlc/VLCController.h"

#include <QPointer>

RemoteChoiceFlow::RemoteChoiceFlow(RemotesModel& remotes, SavedRemoteList& saved, RemoteWaker& waker,
                                   AlertPresenter& alerts, Navigator& navigator, QObject* parent)
    : QObject(parent)
    , m_remotes(remotes)
    , m_saved(saved)
    , m_waker(waker)
    , m_alerts(alerts)
    , m_navigator(navigator)
{
    connect(&m_remotes, &RemotesModel::answeredAsVlc, this, [this](int row) {
        const std::shared_ptr<VLCController> remote = m_remotes.remoteAt(row);
        // The one just given a password opens through its prompt.
        if (remote && remote != m_passwordPrompt.awaited()
            && m_defaultOpening.opensByItself(*remote, row < m_remotes.savedCount()))
            choose(remote);
    });
}

void RemoteChoiceFlow::setListShowing(bool showing)
{
    m_defaultOpening.setListShowing(showing);
    if (!showing)
        stopAwaiting();
}

void RemoteChoiceFlow::choose(const std::shared_ptr<VLCController>& remote)
{
    if (!remote)
        return;
    const RemoteChoice choice = RemoteChoice::of(*remote, RemoteWaker::canWake(*remote));
    switch (choice.outcome) {
    case RemoteChoice::Outcome::OpenRemote:
        m_navigator.showRemote(remote);
        return;
    case RemoteChoice::Outcome::OfferToSave:
        offerToSave(remote);
        return;
    case RemoteChoice::Outcome::AskPassword:
        askPassword(remote);
        break;
    case RemoteChoice::Outcome::Explain:
        explain(remote, choice);
        break;
    }
    // So that the icon is right if VLC has become reachable since.
    remote->searchForPlayerLink();
}

void RemoteChoiceFlow::wake(const std::shared_ptr<VLCController>& remote)
{
    m_waker.wakeComputer(*remote, [self = QPointer(this)](WakeOnLan::Outcome outcome) {
        const QString failure = RemoteWaker::failureMessage(outcome);
        if (!self || failure.isEmpty())
            return;
        AlertRequest sheet;
        sheet.message = failure;
        sheet.actionSheet = true;
        sheet.buttons = { localizedString("Ok") };
        self->m_alerts.present(sheet);
    });
}

void RemoteChoiceFlow::offerToSave(const std::shared_ptr<VLCController>& remote)
{
    if (SaveOffer::isSavedAlready(m_saved, *remote)) {
        m_navigator.showRemote(remote);
        return;
    }
    m_alerts.present(SaveOffer::offer([self = QPointer(this), weak = std::weak_ptr(remote)](bool yes) {
        const auto r = weak.lock();
        if (!self || !r)
            return;
        if (!yes) {
            self->m_navigator.showRemote(r);
            return;
        }
        self->m_remotes.save(r);
        self->m_alerts.present(SaveOffer::savedNotice());
    }));
}

void RemoteChoiceFlow::askPassword(const std::shared_ptr<VLCController>& remote)
{
    m_alerts.present(ListPasswordPrompt::request(
        *remote, [self = QPointer(this), weak = std::weak_ptr(remote)](ListPasswordPrompt::Answer answer,
                                                                       const QString& password) {
            const auto r = weak.lock();
            if (!self || !r)
                return;
            if (answer == ListPasswordPrompt::Answer::Help)
                self->m_navigator.showHelp(QStringLiteral("help"));
            else if (answer == ListPasswordPrompt::Answer::Ok)
                self->awaitAnswer(r, password);
        }));
}

void RemoteChoiceFlow::awaitAnswer(const std::shared_ptr<VLCController>& remote, const QString& password)
{
    stopAwaiting();
    m_awaiting = connect(remote.get(), &VLCController::requestConcluded, this, [this](const RequestResult& result) {
        const std::shared_ptr<VLCController> awaited = m_passwordPrompt.awaited();
        if (!awaited || result.reply != ReplyKind::Probe)
            return;
        switch (m_passwordPrompt.next(*awaited)) {
        case ListPasswordPrompt::Next::Wait:
            return;
        case ListPasswordPrompt::Next::Open:
            stopAwaiting();
            choose(awaited);
            return;
        case ListPasswordPrompt::Next::AskAgain:
            stopAwaiting();
            askPassword(awaited);
            return;
        }
    });
    m_passwordPrompt.supply(remote, password);
}

void RemoteChoiceFlow::stopAwaiting()
{
    disconnect(m_awaiting);
    m_passwordPrompt.forget();
}

void RemoteChoiceFlow::explain(const std::shared_ptr<VLCController>& remote, const RemoteChoice& choice)
{
    AlertRequest sheet;
    sheet.message = choice.message;
    sheet.actionSheet = true;
    std::vector<RemoteChoice::Action> actions;
    for (const RemoteChoice::Button& button : choice.buttons) {
        sheet.buttons << button.title;
        actions.push_back(button.action);
    }
    sheet.completion = [self = QPointer(this), weak = std::weak_ptr(remote), actions](int index) {
        const auto r = weak.lock();
        if (!self || !r || index < 0 || size_t(index) >= actions.size())
            return;
        switch (actions[size_t(index)]) {
        case RemoteChoice::Action::None:
            return;
        case RemoteChoice::Action::WakeComputer:
            self->wake(r);
            return;
        case RemoteChoice::Action::Help:
            self->m_navigator.showHelp(QStringLiteral("help"));
            return;
        case RemoteChoice::Action::CantSee:
            self->m_navigator.showHelp(QStringLiteral("cantSee"));
            return;
        case RemoteChoice::Action::ChangeAddress:
            // Only a saved remote has an address of its own to change.
            if (self->m_remotes.isSaved(*r))
                self->m_navigator.showRemoteConfig(r);
            return;
        }
    };
    m_alerts.present(sheet);
}
