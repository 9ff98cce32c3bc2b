#pragma once

#include <QObject>

class AlertPresenter;
class Reachability_2;

// "No Internet..." at launch, when neither the internet nor a local Wi-Fi
// network can be reached: remotes can be set up, not used. The alert goes
// by itself once either can be reached again.
class NoInternetNotice : public QObject {
    Q_OBJECT
public:
    // reachability and alerts: not owned, they outlive this.
    NoInternetNotice(Reachability_2& reachability, AlertPresenter& alerts, QObject* parent = nullptr);
    ~NoInternetNotice() override;

    // At launch: tells when there is no network, and watches for its return.
    void check();
    bool isShowing() const { return m_showing; }
    static QString title();

private:
    bool internetIsAvailable();
    void networkStatusChanged();

    Reachability_2& m_reachability;
    AlertPresenter& m_alerts;
    bool m_showing = false;
};
