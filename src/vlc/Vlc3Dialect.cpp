#include "vlc/Vlc3Dialect.h"

#include "core/StringHelpers.h"
#include "core/TextFormat.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

int Vlc3Dialect::vlcVolumeForPercent(int percent)
{
    return int(std::lround(std::clamp(percent, 0, 100000) * 256.0 / 100.0));
}

QUrlQuery Vlc3Dialect::volumeRequest(int percent) const
{
    return command(QStringLiteral("volume"), QString::number(vlcVolumeForPercent(percent)));
}

QUrlQuery Vlc3Dialect::speedRequest(int speed) const
{
    // The integer scale is the old one: 1000 is normal speed, 500 twice as
    // fast. VLC 3 wants the multiplier.
    const double multiplier = speed > 0 ? 1000.0 / speed : 1.0;
    return command(QStringLiteral("rate"), QString::number(multiplier, 'g', 6));
}

QUrlQuery Vlc3Dialect::rateRequest(double multiplier) const
{
    // The shortest text that reads back as the same number: 1.5, not 1.49925.
    return command(QStringLiteral("rate"), QString::number(multiplier, 'g', QLocale::FloatingPointShortest));
}

QUrlQuery Vlc3Dialect::audioDelayRequest(float seconds) const
{
    return command(QStringLiteral("audiodelay"), fmt(QStringLiteral("%f"), double(seconds)));
}

QUrlQuery Vlc3Dialect::aspectRatioRequest(const QString& ratio) const
{
    return command(QStringLiteral("aspectratio"), StringHelpers::fullyEscapedStringForUrl(ratio));
}

QUrlQuery Vlc3Dialect::inputRequest(const QString& command, const QString& path) const
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("command"), command);
    query.addQueryItem(QStringLiteral("input"), StringHelpers::fullyEscapedStringForUrl(path));
    return query;
}

int Vlc3Dialect::positionPercent(const PlayerStatus& status) const
{
    // A fraction of the item; clamped before it is scaled.
    return int(std::clamp(status.position.value_or(0.0), 0.0, 1.0) * 100.0);
}

int Vlc3Dialect::speed(const PlayerStatus& status) const
{
    const std::optional<double> multiplier = rate(status);
    return multiplier ? int(std::lround(1000.0 / *multiplier)) : 0;
}

std::optional<double> Vlc3Dialect::rate(const PlayerStatus& status) const
{
    // VLC 3 plays from 1/32 to 32 times as fast.
    const double rate = status.rate.value_or(0.0);
    if (!(rate > 0) || !std::isfinite(rate))
        return std::nullopt;
    return std::clamp(rate, 1.0 / 32, 32.0);
}

double Vlc3Dialect::audioDelay(const PlayerStatus& status) const
{
    return status.vlc3AudioDelay.value_or(0.0);
}

QString Vlc3Dialect::titleForItemName(const QString& name) const
{
    // VLC 3 sends the item's title as plain text; "/" can be part of it.
    return name;
}
