#pragma once

#include "models/DefaultRemoteOpening.h"
#include "models/ListPasswordPrompt.h"

#include <QObject>

#include <memory>

class AlertPresenter;
class Navigator;
class RemoteWaker;
class RemotesModel;
class SavedRemoteList;
struct RemoteChoice;
class VLCController;

// What choosing a computer in the remotes list leads to (RemoteChoice): one
// that answers opens on the remote screen (one found by the setup helper is
// first offered for saving); one that asks for its password is asked for it
// on the list, and opens once it answers; for any other a sheet explains why
// not, offering to wake a saved computer that can be woken. The saved
// default opens by itself as it first answers while the list shows.
class RemoteChoiceFlow : public QObject {
    Q_OBJECT
public:
    // All of them outlive this.
    RemoteChoiceFlow(RemotesModel& remotes, SavedRemoteList& saved, RemoteWaker& waker, AlertPresenter& alerts,
                     Navigator& navigator, QObject* parent = nullptr);

    void choose(const std::shared_ptr<VLCController>& remote);
    void wake(const std::shared_ptr<VLCController>& remote);
    // The list shows or goes: a password given on it opens its remote only
    // while it shows, and the default only opens on it.
    void setListShowing(bool showing);
    // The user chose a remote elsewhere: the default no longer opens over it.
    void endDefaultOpening() { m_defaultOpening.end(); }

private:
    void explain(const std::shared_ptr<VLCController>& remote, const RemoteChoice& choice);
    void offerToSave(const std::shared_ptr<VLCController>& remote);
    void askPassword(const std::shared_ptr<VLCController>& remote);
    // The password was given at the prompt: opens the remote once it answers.
    void awaitAnswer(const std::shared_ptr<VLCController>& remote, const QString& password);
    void stopAwaiting();

    RemotesModel& m_remotes;
    SavedRemoteList& m_saved;
    RemoteWaker& m_waker;
    AlertPresenter& m_alerts;
    Navigator& m_navigator;
    ListPasswordPrompt m_passwordPrompt;
    DefaultRemoteOpening m_defaultOpening;
    QMetaObject::Connection m_awaiting;
};
