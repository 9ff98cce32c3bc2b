#include "net/AvahiServiceResolve.h"

#include "net/AvahiConnection.h"

#include <avahi-client/lookup.h>
#include <avahi-common/error.h>

#include <arpa/inet.h>

namespace {
QString dottedQuad(const AvahiAddress* address)
{
    if (!address || address->proto != AVAHI_PROTO_INET)
        return QString();
    char text[256] = {};
    if (!::inet_ntop(AF_INET, &address->data.ipv4.address, text, sizeof text))
        return QString();
    return QString::fromLatin1(text);
}
}

AvahiServiceResolve::AvahiServiceResolve(AvahiConnection* connection, const DnsSdService& service, int timeoutMs,
                                         QObject* parent)
    : QObject(parent)
    , m_connection(connection)
    , m_service(service)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] { fail(QStringLiteral("timed out")); });

    AvahiClient* client = connection ? connection->client() : nullptr;
    if (!client) {
        QTimer::singleShot(0, this, [this] { fail(QStringLiteral("no Avahi daemon")); });
        return;
    }
    auto callback = [](AvahiServiceResolver* resolver, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                       const char* name, const char* type, const char*, const char*, const AvahiAddress* address,
                       uint16_t, AvahiStringList*, AvahiLookupResultFlags, void* userdata) {
        auto* self = static_cast<AvahiServiceResolve*>(userdata);
        if (event == AVAHI_RESOLVER_FOUND) {
            const QString ipv4 = dottedQuad(address);
            const QString resolvedName = QString::fromUtf8(name);
            const QString resolvedType = QString::fromUtf8(type);
            self->finish();
            emit self->resolved(resolvedName, resolvedType, ipv4);
        } else {
            self->fail(QString::fromUtf8(avahi_strerror(avahi_client_errno(avahi_service_resolver_get_client(resolver)))));
        }
    };
    const QByteArray name = service.name.toUtf8();
    const QByteArray type = service.type.toUtf8();
    const QByteArray domain = service.domain.toUtf8();
    // Only IPv4 addresses make a computer, so only they are asked for.
    m_resolver = avahi_service_resolver_new(client, service.interfaceIndex, service.protocol, name.constData(),
                                            type.constData(), domain.constData(), AVAHI_PROTO_INET,
                                            AvahiLookupFlags(0), callback, this);
    if (!m_resolver) {
        const QString reason = QString::fromUtf8(avahi_strerror(avahi_client_errno(client)));
        QTimer::singleShot(0, this, [this, reason] { fail(reason); });
        return;
    }
    connect(connection, &AvahiConnection::lost, this, [this] { fail(QStringLiteral("the Avahi daemon went away")); });
    m_timeout.start(timeoutMs);
}

AvahiServiceResolve::~AvahiServiceResolve()
{
    finish();
}

void AvahiServiceResolve::finish()
{
    m_active = false;
    m_timeout.stop();
    if (m_resolver)
        avahi_service_resolver_free(m_resolver);
    m_resolver = nullptr;
}

void AvahiServiceResolve::fail(const QString& reason)
{
    if (!m_active)
        return;
    finish();
    emit failed(reason);
}
