#include "models/AddressErrorAlert.h"

#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/RemoteSession.h"
#include "vlc/VLCController.h"

#include <QPointer>

AddressErrorAlert::AddressErrorAlert(RemoteSession& session, AlertPresenter& alerts, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_alerts(alerts)
{
    connect(&session, &RemoteSession::remoteChanged, this, &AddressErrorAlert::follow);
    follow();
}

void AddressErrorAlert::follow()
{
    disconnect(m_listening);
    if (const std::shared_ptr<VLCController> remote = m_session.remote())
        m_listening = connect(remote.get(), &VLCController::requestConcluded, this,
                              &AddressErrorAlert::showForRequest);
}

void AddressErrorAlert::showForRequest(const RequestResult& result)
{
    if (!result.invalidAddress || m_showing)
        return;
    m_showing = true;
    AlertRequest alert = AlertRequest::notice(
        localizedString("Error..."),
        fmt(localizedString("there was an internal error trying to access %@\n\nSorry."), result.target));
    alert.completion = [self = QPointer(this)](int) {
        if (self)
            self->m_showing = false;
    };
    m_alerts.present(alert);
}
