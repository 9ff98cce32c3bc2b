#pragma once

#include "net/DnsSdService.h"

#include <QObject>
#include <QPointer>
#include <QString>

struct AvahiServiceBrowser;
class AvahiConnection;

// One browse of one service type in one domain, on all interfaces. It keeps
// reporting until stopped or until it fails; a browse that cannot start
// (no daemon) fails from the event loop, never inside the constructor.
class AvahiServiceBrowse : public QObject {
    Q_OBJECT
public:
    AvahiServiceBrowse(AvahiConnection* connection, const QString& type, const QString& domain,
                       QObject* parent = nullptr);
    ~AvahiServiceBrowse() override;

    QString type() const { return m_type; }
    QString domain() const { return m_domain; }
    // From construction until stopped or failed.
    bool isRunning() const { return m_active; }

    // Ends the browse without a signal.
    void stop();

signals:
    void found(const DnsSdService& service);
    // Everything known now was reported; more would come only later.
    void allForNow();
    // The browse ended on its own: it could not start, the daemon refused it,
    // or the daemon went away.
    void failed(const QString& reason);

private:
    void fail(const QString& reason);

    QPointer<AvahiConnection> m_connection;
    QString m_type;
    QString m_domain;
    AvahiServiceBrowser* m_browser = nullptr;
    bool m_active = true;
};
