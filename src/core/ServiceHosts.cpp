#include "core/ServiceHosts.h"

#include "core/UserDefaults.h"

QUrl ServiceHosts::configuredBase(const UserDefaults& defaults, const QString& key)
{
    QString text = defaults.stringForKey(key).trimmed();
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

QUrl ServiceHosts::helpSiteAddress(const UserDefaults& defaults, const QString& pathAndQuery)
{
    return serviceAddress(defaults, helpSiteKey, pathAndQuery);
}

QUrl ServiceHosts::serviceAddress(const UserDefaults& defaults, const QString& key, const QString& pathAndQuery)
{
    const QUrl base = configuredBase(defaults, key);
    if (base.isEmpty())
        return {};
    return QUrl(base.toString() + pathAndQuery, QUrl::TolerantMode);
}

QUrl ServiceHosts::translationService(const UserDefaults& defaults)
{
    return configuredBase(defaults, translationKey);
}

QStringList ServiceHosts::storeLinkPrefixes()
{
    return { QStringLiteral("appstream:") };
}
