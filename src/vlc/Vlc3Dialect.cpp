#include "vlc/Vlc3Dialect.h"

#include "core/StringHelpers.h"
#include "core/TextFormat.h"

#include <cmath>

int Vlc3Dialect::vlcVolumeForPercent(int percent)
{
    return int(std::lround(percent * 256.0 / 100.0));
}

QString Vlc3Dialect::volumeRequest(const QString& base, int percent) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=volume&val=%d"), base, vlcVolumeForPercent(percent));
}

QString Vlc3Dialect::speedRequest(const QString& base, int speed) const
{
    // The integer scale is the old one: 1000 is normal speed, 500 twice as
    // fast. VLC 3 wants the multiplier.
    const double multiplier = speed > 0 ? 1000.0 / speed : 1.0;
    return fmt(QStringLiteral("%@requests/status.xml?command=rate&val=%@"), base,
               QString::number(multiplier, 'g', 6));
}

QString Vlc3Dialect::audioDelayRequest(const QString& base, float seconds) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=audiodelay&val=%f"), base, double(seconds));
}

QString Vlc3Dialect::aspectRatioRequest(const QString& base, const QString& ratio) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=aspectratio&val=%@"), base,
               StringHelpers::fullyEscapedStringForUrl(ratio));
}

QString Vlc3Dialect::inputRequest(const QString& base, const QString& command, const QString& path) const
{
    return fmt(QStringLiteral("%@requests/status.xml?command=%@&input=%@"), base, command,
               StringHelpers::fullyEscapedStringForUrl(path));
}

int Vlc3Dialect::positionPercent(const XmlNode& status) const
{
    const double fraction = StringHelpers::doubleValue(status.XMLObjectForKey(u"position").value_or(QString()));
    return int(fraction * 100.0);
}

int Vlc3Dialect::speed(const XmlNode& status) const
{
    const double rate = StringHelpers::doubleValue(status.XMLObjectForKey(u"rate").value_or(QString()));
    return rate > 0 ? int(std::lround(1000.0 / rate)) : 0;
}

double Vlc3Dialect::audioDelay(const XmlNode& status) const
{
    return StringHelpers::doubleValue(status.XMLObjectForKey(u"audiodelay").value_or(QString()));
}

QString Vlc3Dialect::titleForItemName(const QString& name) const
{
    // VLC 3 sends the item's title as plain text; "/" can be part of it.
    return name;
}
