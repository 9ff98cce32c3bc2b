#pragma once

#include "vlc/VolumeRange.h"

#include <QString>

#include <optional>

// The value logic of a skin's time and volume wheels, without any view:
// minutes, seconds and volume side by side. It says how many rows each
// wheel has and what they read, which rows follow the player, and what a
// turn of the user's asks for. While the user has a finger on a wheel the
// player's updates are ignored, so the wheel stays under the finger.
//
// The seconds wheel holds five turns of 0-59 (rows 0-299) and is kept in the
// middle ones (rows 60-240), so it can always roll on past 59 or back past 0.
class TimeVolumeWheels {
public:
    enum Wheel { MinutesWheel = 0, SecondsWheel = 1, VolumeWheel = 2 };
    static constexpr int secondsRows = 300;

    // The highest volume in percent (the volume wheel has a row for every
    // percent up to it).
    void setMaxVolume(int maximum) { m_maxVolume = maximum; }
    int maxVolume() const { return m_maxVolume; }

    int rowCount(Wheel wheel) const;
    static QString rowText(Wheel wheel, int row);

    // The rows the wheels show for the player's state (length and elapsed
    // in seconds, volume in percent); none while the user turns a wheel.
    struct Rows {
        int minutes;
        int seconds;
        int volume;
        // The item's length changed: the minutes wheel has other rows.
        bool minutesChanged;
    };
    std::optional<Rows> update(int length, int elapsed, int volume);

    // A finger came down on a wheel.
    void startSelection() { m_interacting = true; }
    bool isInteracting() const { return m_interacting; }

    // A wheel came to rest on row after the user turned it; the other
    // wheels' selected rows are given. What it asks for, and the row the
    // seconds wheel is put back to (without animation) in its middle turns.
    struct Turn {
        std::optional<int> seek;
        std::optional<int> volume;
        std::optional<int> secondsRow;
    };
    Turn select(Wheel wheel, int row, int minutesRow, int secondsRow);
    // A wheel turned by rows (a notch of the mouse wheel each) from where
    // it stands, and at rest there: what that asks for.
    Turn step(Wheel wheel, int rows, int minutesRow, int secondsRow);

    int lengthCache() const { return m_lengthCache; }
    int secondsRowCache() const { return m_secondsPlusOffsetCache; }
    int minutesCache() const { return m_minutesCache; }
    int volumeCache() const { return m_volumeCache; }

private:
    int m_maxVolume = VolumeRange::normalMaximum;
    bool m_interacting = false;
    int m_lengthCache = 0;
    int m_positionSecondsCache = 0;
    int m_secondsPlusOffsetCache = 0;
    int m_minutesCache = 0;
    int m_volumeCache = 0;
};
