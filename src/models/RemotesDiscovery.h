#pragma once

#include "net/BonjourBrowserDelegate.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class AvahiConnection;
class BonjourBrowser;
class RemotesModel;

// Discovery for the remotes list: each run's computers become the list's
// found computers (probed as they come), and while the list shows, a new
// pass of the run every 10 seconds keeps them and adds the newcomers. A
// fresh scan forgets the found computers (but the one kept across scans)
// and starts a new run.
class RemotesDiscovery : public QObject, public BonjourBrowserDelegate {
    Q_OBJECT
    // "Scanning..." while a pass runs, else empty.
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)
public:
    static constexpr int refreshIntervalMs = 10000;

    // connection: the program's shared one when none is given.
    explicit RemotesDiscovery(RemotesModel& model, AvahiConnection* connection = nullptr, QObject* parent = nullptr);
    ~RemotesDiscovery() override;

    QString status() const;
    bool isActive() const { return m_refreshTimer.isActive(); }
    // Active: a new pass every refreshIntervalMs (the first run starts with
    // the first scan).
    void setActive(bool active);
    BonjourBrowser* browser() const { return m_browser; }

    Q_INVOKABLE void scan();
    Q_INVOKABLE void refreshScan();

    void statusChangedInBrowser(BonjourBrowser* browser) override;
    void uniqueComputersChangedInBrowser(BonjourBrowser* browser) override;

signals:
    void statusChanged();
    void activeChanged();
    // The run's computers are in the model's found list now.
    void discovered();

private:
    RemotesModel& m_model;
    QPointer<AvahiConnection> m_connection;
    BonjourBrowser* m_browser = nullptr; // a child; the previous run goes with deleteLater
    QTimer m_refreshTimer;
};
