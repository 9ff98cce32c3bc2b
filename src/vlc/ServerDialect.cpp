#include "vlc/ServerDialect.h"

#include "vlc/LegacyDialect.h"
#include "vlc/Vlc3Dialect.h"

const ServerDialect& ServerDialect::forApiVersion(int apiVersion)
{
    static const LegacyDialect legacy;
    static const Vlc3Dialect vlc3;
    if (apiVersion >= 3)
        return vlc3;
    return legacy;
}

QUrlQuery ServerDialect::command(const QString& command, const QString& value)
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("command"), command);
    if (!value.isNull())
        query.addQueryItem(QStringLiteral("val"), value);
    return query;
}
