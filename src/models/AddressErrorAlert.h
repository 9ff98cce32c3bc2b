#pragma once

#include <QObject>

class AlertPresenter;
class RemoteSession;
struct RequestResult;

// "Error..." when a request of the session's remote could not be built from
// its address; nothing for any other outcome (network failures show only
// through the connection text). One at a time: every poll of such an
// address fails alike, and the next may tell again once it was answered.
class AddressErrorAlert : public QObject {
    Q_OBJECT
public:
    // session and alerts: not owned, they outlive this.
    AddressErrorAlert(RemoteSession& session, AlertPresenter& alerts, QObject* parent = nullptr);

    void showForRequest(const RequestResult& result);

private:
    void follow();

    RemoteSession& m_session;
    AlertPresenter& m_alerts;
    QMetaObject::Connection m_listening;
    bool m_showing = false;
};
