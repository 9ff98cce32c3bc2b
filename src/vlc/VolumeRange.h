#pragma once

// How far the volume controls reach, in percent of normal volume: to 200 %,
// or with the "double volume" preference to 400 %, the top of VLC's scale
// (1024 of 256). Every control and command takes its limit from here.
namespace VolumeRange {
inline constexpr int normalMaximum = 200;
inline constexpr int doubledMaximum = 400;
// The same top on VLC's own scale (256 is 100 %). VLC 3 takes and reports
// more than that; a status is read up to it.
inline constexpr int vlcScaleMaximum = doubledMaximum * 256 / 100;

constexpr int maximumPercent(bool doubleVolume)
{
    return doubleVolume ? doubledMaximum : normalMaximum;
}
}
