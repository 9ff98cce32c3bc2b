#include "net/AvahiConnection.h"

#include "core/ConsoleLog.h"
#include "net/QtAvahiPoll.h"

#include <avahi-client/client.h>
#include <avahi-common/error.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
bool usable(int state)
{
    // Registering and collision concern our own host name; browsing works.
    return state == AVAHI_CLIENT_S_RUNNING || state == AVAHI_CLIENT_S_REGISTERING
        || state == AVAHI_CLIENT_S_COLLISION;
}
}

AvahiConnection& AvahiConnection::shared()
{
    static QPointer<AvahiConnection> shared;
    if (!shared)
        shared = new AvahiConnection(QCoreApplication::instance());
    return *shared;
}

AvahiConnection::AvahiConnection(QObject* parent)
    : QObject(parent)
    , m_poll(std::make_unique<QtAvahiPoll>())
{
    open();
}

AvahiConnection::~AvahiConnection()
{
    // Possibly destroyed with the application object, when timers and
    // notifiers can no longer start.
    m_poll->shutDown();
    closeClient();
}

AvahiClient* AvahiConnection::client()
{
    if (!m_client && !m_reopenQueued && (!m_sinceAttempt.isValid() || m_sinceAttempt.hasExpired(retryIntervalMs)))
        open();
    return m_running ? m_client : nullptr;
}

void AvahiConnection::open()
{
    m_sinceAttempt.start();
    // The state callback runs for the first time inside avahi_client_new(),
    // before m_client is set; it is handed the client itself.
    auto callback = [](AvahiClient* client, AvahiClientState state, void* userdata) {
        static_cast<AvahiConnection*>(userdata)->handleState(client, state);
    };
    int error = 0;
    // NO_FAIL: when the daemon is not on the bus, wait for it there.
    m_client = avahi_client_new(m_poll->api(), AVAHI_CLIENT_NO_FAIL, callback, this, &error);
    if (!m_client) {
        m_running = false;
        reportOutage(QString::fromUtf8(avahi_strerror(error)));
    }
}

void AvahiConnection::handleState(AvahiClient* client, int state)
{
    if (usable(state)) {
        m_outageReported = false;
        if (!m_running) {
            m_running = true;
            emit running();
        }
        return;
    }
    const bool wasRunning = m_running;
    m_running = false;
    if (wasRunning)
        emit lost();
    if (state == AVAHI_CLIENT_CONNECTING) {
        reportOutage(QStringLiteral("the daemon is not running"));
        return;
    }
    if (state == AVAHI_CLIENT_FAILURE) {
        reportOutage(QString::fromUtf8(avahi_strerror(avahi_client_errno(client))));
        // Avahi is inside this client's callback: free it and start over
        // once control is back in the event loop, and not more often than
        // the retry interval, should the new client fail at once as well.
        if (!m_reopenQueued) {
            m_reopenQueued = true;
            const qint64 waited = m_sinceAttempt.isValid() ? m_sinceAttempt.elapsed() : retryIntervalMs;
            QTimer::singleShot(std::max<qint64>(0, retryIntervalMs - waited), this, &AvahiConnection::reopen);
        }
    }
}

void AvahiConnection::reopen()
{
    m_reopenQueued = false;
    closeClient();
    open();
}

void AvahiConnection::closeClient()
{
    if (m_running) {
        m_running = false;
        emit lost();
    }
    if (m_client)
        avahi_client_free(m_client);
    m_client = nullptr;
}

void AvahiConnection::reportOutage(const QString& reason)
{
    if (m_outageReported)
        return;
    m_outageReported = true;
    ConsoleLog::log(logNet, QStringLiteral("DNS-SD unavailable (%@): no computers are discovered until the Avahi daemon runs"),
                    reason);
}
