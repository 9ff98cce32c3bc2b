#include "models/skin/ZoomTickSchemes.h"

#include "core/TextFormat.h"

#include <iterator>

namespace {
struct Scheme {
    double aboveZoom; // applies when the zoom is greater than this
    ZoomTickSchemes::Ticks ticks;
};

// From the closest zoom down; the last row takes everything else.
constexpr Scheme positionSchemes[] = {
    { 50, { 3600, 60, 1, 1 } },     { 5, { 3600, 60, 1, 10 } },     { 1.5, { 3600, 60, 10, 60 } },
    { 0.75, { 3600, 900, 60, 60 } }, { 0.2, { 3600, 900, 60, 300 } }, { 0.04, { 3600, 900, 60, 900 } },
    { -1, { 3600, 900, 0, 3600 } },
};
}

ZoomTickSchemes::Ticks ZoomTickSchemes::volume(double zoom)
{
    const bool closeUp = zoom > 50;
    return { 100, 10, closeUp ? 1 : 0, closeUp ? 10 : 50 };
}

ZoomTickSchemes::Ticks ZoomTickSchemes::position(double zoom)
{
    for (const Scheme& candidate : positionSchemes)
        if (zoom > candidate.aboveZoom)
            return candidate.ticks;
    return positionSchemes[std::size(positionSchemes) - 1].ticks;
}

QString ZoomTickSchemes::volumeLabel(int value)
{
    return fmt(QStringLiteral("%d"), value);
}

QString ZoomTickSchemes::positionLabel(int value)
{
    const int hours = value / 3600;
    const int minutes = value / 60 - 60 * hours;
    const int seconds = value % 60;
    if (hours != 0)
        return fmt(QStringLiteral("%d:%02d:%02d"), hours, minutes, seconds);
    return fmt(QStringLiteral("%d:%02d"), minutes, seconds);
}
