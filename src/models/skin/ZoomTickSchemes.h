#pragma once

#include <QString>

// The tick scales of a skin's two zoom sliders: the volume in percent and
// the position in seconds. As the zoom (pixels per unit) falls, ticks and
// labels grow coarser, so a long range never draws more than a few labels
// per screen.
namespace ZoomTickSchemes {
struct Ticks {
    int large;
    int medium;
    int small; // 0: none
    int labelInterval;

    friend bool operator==(const Ticks&, const Ticks&) = default;
};

Ticks volume(double zoom);
Ticks position(double zoom);
// "%d" of the volume.
QString volumeLabel(int value);
// "h:m:s" from an hour on, else "m:s", fields not zero-padded.
QString positionLabel(int seconds);
}
