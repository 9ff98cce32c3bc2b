#pragma once

#include "net/DnsSdService.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

struct AvahiServiceResolver;
class AvahiConnection;

// Resolves one service instance to an IPv4 address, within a time-out.
// Ends exactly once: resolved() at the first address, or failed() (the
// time-out, the daemon's refusal or its going away, or no daemon at all;
// never inside the constructor).
class AvahiServiceResolve : public QObject {
    Q_OBJECT
public:
    AvahiServiceResolve(AvahiConnection* connection, const DnsSdService& service, int timeoutMs,
                        QObject* parent = nullptr);
    ~AvahiServiceResolve() override;

    const DnsSdService& service() const { return m_service; }
    bool isRunning() const { return m_active; }

signals:
    // ipv4Address is dotted-quad text; empty when the service has no IPv4
    // address. name and type as the resolution reports them.
    void resolved(const QString& name, const QString& type, const QString& ipv4Address);
    void failed(const QString& reason);

private:
    void finish();
    void fail(const QString& reason);

    QPointer<AvahiConnection> m_connection;
    DnsSdService m_service;
    AvahiServiceResolver* m_resolver = nullptr;
    QTimer m_timeout;
    bool m_active = true;
};
