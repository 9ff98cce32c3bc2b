#include "vlc/LegacyDialect.h"

#include "core/StringHelpers.h"
#include "core/TextFormat.h"

#include <QUrl>

QString LegacyDialect::volumeRequest(const QString& base, int percent) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=volume&val=%d%%25"), base, percent);
}

QString LegacyDialect::speedRequest(const QString& base, int speed) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=rate&val=%d"), base, speed);
}

QString LegacyDialect::audioDelayRequest(const QString& base, float seconds) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=audio_delay&val=%f"), base, double(seconds));
}

QString LegacyDialect::aspectRatioRequest(const QString& base, const QString& ratio) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=aspect_ratio&val=%@"), base, ratio);
}

QString LegacyDialect::inputRequest(const QString& base, const QString& command, const QString& path) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=%@&input=%@"), base, command, preparePath(path));
}

QString LegacyDialect::preparePath(const QString& path)
{
    QString prepared = path;
    prepared.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    prepared.replace(QStringLiteral("'"), QStringLiteral("\\'"));
    return StringHelpers::fullyEscapedStringForUrl(prepared);
}

int LegacyDialect::positionPercent(const XmlNode& status) const
{
    return int(StringHelpers::intValue(status.XMLObjectForKey(u"position").value_or(QString())));
}

int LegacyDialect::speed(const XmlNode& status) const
{
    return int(StringHelpers::intValue(status.XMLObjectForKey(u"rate").value_or(QString())));
}

double LegacyDialect::audioDelay(const XmlNode& status) const
{
    return StringHelpers::doubleValue(status.XMLObjectForKey(u"audioDelay").value_or(QString()));
}

QString LegacyDialect::titleForItemName(const QString& name) const
{
    QString title = QUrl::fromPercentEncoding(name.toUtf8());
    title.replace(u'\\', u'/');
    return title.mid(title.lastIndexOf(u'/') + 1);
}
