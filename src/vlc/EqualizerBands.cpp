#include "vlc/EqualizerBands.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

QString EqualizerBands::label(int band)
{
    if (band < 0 || band >= count)
        return QString();
    const int hertz = frequencies[size_t(band)];
    return hertz < 1000 ? QStringLiteral("%1 Hz").arg(hertz) : QStringLiteral("%1 kHz").arg(hertz / 1000);
}

std::optional<double> EqualizerBands::gainToSend(double db)
{
    if (!std::isfinite(db))
        return std::nullopt;
    const double tenths = std::round(std::clamp(db, minGain, maxGain) * 10) / 10;
    return tenths == 0 ? 0.0 : tenths; // never "-0"
}

QString EqualizerBands::wireText(double db)
{
    return QString::number(gainToSend(db).value_or(0.0), 'g', QLocale::FloatingPointShortest);
}
