#include "net/AvahiServiceBrowse.h"

#include "net/AvahiConnection.h"

#include <avahi-client/lookup.h>
#include <avahi-common/error.h>

#include <QTimer>

AvahiServiceBrowse::AvahiServiceBrowse(AvahiConnection* connection, const QString& type, const QString& domain,
                                       QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_type(type)
    , m_domain(domain)
{
    AvahiClient* client = connection ? connection->client() : nullptr;
    if (!client) {
        QTimer::singleShot(0, this, [this] { fail(QStringLiteral("no Avahi daemon")); });
        return;
    }
    auto callback = [](AvahiServiceBrowser* browser, AvahiIfIndex interface, AvahiProtocol protocol, AvahiBrowserEvent event,
                       const char* name, const char* type, const char* domain, AvahiLookupResultFlags,
                       void* userdata) {
        auto* self = static_cast<AvahiServiceBrowse*>(userdata);
        switch (event) {
        case AVAHI_BROWSER_NEW:
            emit self->found(DnsSdService { interface, protocol, QString::fromUtf8(name), QString::fromUtf8(type),
                                            QString::fromUtf8(domain) });
            break;
        case AVAHI_BROWSER_ALL_FOR_NOW:
            emit self->allForNow();
            break;
        case AVAHI_BROWSER_FAILURE:
            self->fail(QString::fromUtf8(avahi_strerror(avahi_client_errno(avahi_service_browser_get_client(browser)))));
            break;
        case AVAHI_BROWSER_REMOVE:
        case AVAHI_BROWSER_CACHE_EXHAUSTED:
            break;
        }
    };
    // An empty domain browses the daemon's default domain.
    const QByteArray typeUtf8 = type.toUtf8();
    const QByteArray domainUtf8 = domain.toUtf8();
    m_browser = avahi_service_browser_new(client, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, typeUtf8.constData(),
                                          domain.isEmpty() ? nullptr : domainUtf8.constData(),
                                          AvahiLookupFlags(0), callback, this);
    if (!m_browser) {
        const QString reason = QString::fromUtf8(avahi_strerror(avahi_client_errno(client)));
        QTimer::singleShot(0, this, [this, reason] { fail(reason); });
        return;
    }
    connect(connection, &AvahiConnection::lost, this, [this] { fail(QStringLiteral("the Avahi daemon went away")); });
}

AvahiServiceBrowse::~AvahiServiceBrowse()
{
    stop();
}

void AvahiServiceBrowse::stop()
{
    m_active = false;
    if (m_browser)
        avahi_service_browser_free(m_browser);
    m_browser = nullptr;
}

void AvahiServiceBrowse::fail(const QString& reason)
{
    if (!m_active)
        return;
    stop();
    emit failed(reason);
}
