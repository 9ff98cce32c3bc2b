#include "vlc/LegacyDialect.h"

#include "core/StringHelpers.h"
#include "core/TextFormat.h"

#include <QUrl>

#include <algorithm>
#include <cmath>
#include <limits>

QUrlQuery LegacyDialect::volumeRequest(int percent) const
{
    return command(QStringLiteral("volume"), fmt(QStringLiteral("%d%%25"), percent));
}

QUrlQuery LegacyDialect::speedRequest(int speed) const
{
    return command(QStringLiteral("rate"), QString::number(speed));
}

QUrlQuery LegacyDialect::rateRequest(double multiplier) const
{
    // The older interface has only the integer scale: 1000 is normal speed.
    const double speed = multiplier > 0 && std::isfinite(multiplier) ? 1000.0 / multiplier : 1000.0;
    return speedRequest(int(std::lround(std::clamp(speed, 1.0, 1e6))));
}

QUrlQuery LegacyDialect::audioDelayRequest(float seconds) const
{
    return command(QStringLiteral("audio_delay"), fmt(QStringLiteral("%f"), double(seconds)));
}

QUrlQuery LegacyDialect::aspectRatioRequest(const QString& ratio) const
{
    // The older form inserts the text as it is.
    return command(QStringLiteral("aspect_ratio"), ratio);
}

QUrlQuery LegacyDialect::inputRequest(const QString& command, const QString& path) const
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("command"), command);
    query.addQueryItem(QStringLiteral("input"), preparePath(path));
    return query;
}

QString LegacyDialect::preparePath(const QString& path)
{
    QString prepared = path;
    prepared.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    prepared.replace(QStringLiteral("'"), QStringLiteral("\\'"));
    return StringHelpers::fullyEscapedStringForUrl(prepared);
}

int LegacyDialect::positionPercent(const PlayerStatus& status) const
{
    const double value = status.position.value_or(0.0);
    // The integer reading of the text, as the older interface wrote it.
    return int(std::clamp(std::trunc(value), double(std::numeric_limits<int>::min()),
                          double(std::numeric_limits<int>::max())));
}

int LegacyDialect::speed(const PlayerStatus& status) const
{
    // 1000 is normal speed; VLC plays down to a 32nd of it.
    return int(std::min(status.rate.value_or(0.0), 32000.0));
}

std::optional<double> LegacyDialect::rate(const PlayerStatus& status) const
{
    const int scale = speed(status);
    if (scale <= 0)
        return std::nullopt;
    return 1000.0 / scale;
}

double LegacyDialect::audioDelay(const PlayerStatus& status) const
{
    return status.audioDelay.value_or(0.0);
}

QString LegacyDialect::titleForItemName(const QString& name) const
{
    QString title = QUrl::fromPercentEncoding(name.toUtf8());
    title.replace(u'\\', u'/');
    return title.mid(title.lastIndexOf(u'/') + 1);
}
