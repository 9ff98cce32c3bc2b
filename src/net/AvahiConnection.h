#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>

struct AvahiClient;
class QtAvahiPoll;

// The connection to the Avahi daemon over the system D-Bus, on the Qt event
// loop. While the daemon is away the connection waits for it on the bus and
// comes back by itself; when the bus itself cannot be reached, the next
// request for the client tries again (at most every retryIntervalMs).
// Each outage is logged once.
class AvahiConnection : public QObject {
    Q_OBJECT
public:
    static constexpr int retryIntervalMs = 3000;

    // The program's connection, owned by the application object and made at
    // its first use.
    static AvahiConnection& shared();

    explicit AvahiConnection(QObject* parent = nullptr);
    ~AvahiConnection() override;

    // The client while the daemon answers, else nullptr. Browsers and
    // resolvers made on it must be freed when lost() is emitted.
    AvahiClient* client();
    bool isRunning() const { return m_running; }

signals:
    // The daemon answers (again).
    void running();
    // The daemon or the bus went away. Everything made on the client must be
    // freed during this signal; the client goes right after.
    void lost();

private:
    void handleState(AvahiClient* client, int state);
    void open();
    void reopen();
    void closeClient();
    void reportOutage(const QString& reason);

    std::unique_ptr<QtAvahiPoll> m_poll;
    AvahiClient* m_client = nullptr;
    bool m_running = false;
    bool m_outageReported = false;
    bool m_reopenQueued = false;
    QElapsedTimer m_sinceAttempt; // invalid until the first attempt
};
