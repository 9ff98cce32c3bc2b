#include "core/ServiceHosts.h"

#include "core/UserDefaults.h"

QUrl ServiceHosts::configuredBase(const QString& key)
{
    QString text = UserDefaults::standard().stringForKey(key).trimmed();
    if (text.isEmpty())
        return {};
    if (!text.contains(QStringLiteral("://")))
        text.prepend(QStringLiteral("https://"));
    while (text.endsWith(u'/'))
        text.chop(1);
    const QUrl base(text, QUrl::StrictMode);
    if (!base.isValid() || base.host().isEmpty() || (base.scheme() != u"http" && base.scheme() != u"https"))
        return {};
    return base;
}

QUrl ServiceHosts::helpSiteAddress(const QString& pathAndQuery)
{
    return serviceAddress(helpSiteKey, pathAndQuery);
}

QUrl ServiceHosts::serviceAddress(const QString& key, const QString& pathAndQuery)
{
    const QUrl base = configuredBase(key);
    if (base.isEmpty())
        return {};
    return QUrl(base.toString() + pathAndQuery, QUrl::TolerantMode);
}

QUrl ServiceHosts::translationService()
{
    return configuredBase(translationKey);
}

QStringList ServiceHosts::storeLinkPrefixes()
{
    return { QStringLiteral("appstream:") };
}
