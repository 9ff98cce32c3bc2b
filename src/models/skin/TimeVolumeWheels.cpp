#include "models/skin/TimeVolumeWheels.h"

#include "core/ConsoleLog.h"
#include "core/TextFormat.h"

#include <algorithm>

namespace {
constexpr int middleCycleStart = 120;
constexpr int lowestKeptRow = 60;
constexpr int highestKeptRow = 240;

// A modulo that stays in 0..59 for negative values too.
int mod60(int value)
{
    const int r = value % 60;
    return r < 0 ? r + 60 : r;
}
}

int TimeVolumeWheels::rowCount(Wheel wheel) const
{
    switch (wheel) {
    case MinutesWheel:
        // Every minute the item reaches, the last begun one included: a
        // 40-second item still has its minute 0, a 5:30 one its minute 5;
        // a 5:00 one ends as its minute 5 would begin, so it has none.
        return m_lengthCache > 0 ? (m_lengthCache - 1) / 60 + 1 : 1;
    case SecondsWheel:
        return secondsRows;
    case VolumeWheel:
        return m_maxVolume + 1;
    }
    return 0;
}

QString TimeVolumeWheels::rowText(Wheel wheel, int row)
{
    switch (wheel) {
    case MinutesWheel:
        // From an hour on the minutes read as hours:minutes.
        return row < 60 ? fmt(QStringLiteral("%d"), row) : fmt(QStringLiteral("%d:%02d"), row / 60, row % 60);
    case SecondsWheel:
        return fmt(QStringLiteral("%d"), mod60(row));
    case VolumeWheel:
        return fmt(QStringLiteral("%d"), row);
    }
    return {};
}

std::optional<TimeVolumeWheels::Rows> TimeVolumeWheels::update(int length, int elapsed, int volume)
{
    if (m_interacting)
        return std::nullopt;
    const bool lengthChanged = length != m_lengthCache;
    m_lengthCache = length;
    const int previous = m_positionSecondsCache;
    m_positionSecondsCache = elapsed;
    // Whole minutes of difference leave the seconds wheel where it is; any
    // other step turns it by that many rows, so it rolls on over the minute.
    const int step = elapsed - previous;
    if (step != 0 && step % 60 != 0)
        m_secondsPlusOffsetCache += step;
    if (mod60(m_secondsPlusOffsetCache) != mod60(elapsed))
        m_secondsPlusOffsetCache = mod60(elapsed) + middleCycleStart;
    if (m_secondsPlusOffsetCache < lowestKeptRow || m_secondsPlusOffsetCache > highestKeptRow)
        m_secondsPlusOffsetCache = mod60(m_secondsPlusOffsetCache) + middleCycleStart;
    m_minutesCache = elapsed / 60;
    m_volumeCache = volume;
    return Rows { m_minutesCache, m_secondsPlusOffsetCache, m_volumeCache, lengthChanged };
}

TimeVolumeWheels::Turn TimeVolumeWheels::select(Wheel wheel, int row, int minutesRow, int secondsRow)
{
    Turn turn;
    switch (wheel) {
    case SecondsWheel: {
        if (row == m_secondsPlusOffsetCache)
            return turn;
        ConsoleLog::log(logSkin, QStringLiteral("picker has changed to %d"), row);
        const int shown = m_secondsPlusOffsetCache;
        // The row counts from the start of the turn the wheel stood in, so
        // rolling past 59 carries into the next minute and back past 0 into
        // the one before. An empty minutes wheel counts as minute 0.
        if (m_interacting)
            turn.seek = mod60(shown) - shown + row + 60 * std::max(0, minutesRow);
        // The wheel stands where the user left it, put back in its middle
        // turns: the next turn counts from there, before the player answers.
        const int middle = mod60(row) + middleCycleStart;
        m_secondsPlusOffsetCache = middle;
        if (row != middle)
            turn.secondsRow = middle;
        break;
    }
    case VolumeWheel:
        if (row == m_volumeCache) {
            ConsoleLog::log(logSkin, QStringLiteral("picker has ben set to volume %d"), row);
            return turn;
        }
        ConsoleLog::log(logSkin, QStringLiteral("picker changed volume %d"), row);
        if (m_interacting)
            turn.volume = row;
        m_volumeCache = row;
        break;
    case MinutesWheel:
        if (row == m_minutesCache)
            return turn;
        if (m_interacting)
            turn.seek = mod60(secondsRow) + 60 * row;
        m_minutesCache = row;
        break;
    }
    m_interacting = false;
    return turn;
}

TimeVolumeWheels::Turn TimeVolumeWheels::step(Wheel wheel, int rows, int minutesRow, int secondsRow)
{
    // A notch of the mouse wheel is a turn of one row that comes to rest at once.
    const int from = wheel == MinutesWheel ? minutesRow : wheel == SecondsWheel ? secondsRow : m_volumeCache;
    const int to = std::clamp(from + rows, 0, rowCount(wheel) - 1);
    if (to == from)
        return {};
    m_interacting = true;
    return select(wheel, to, wheel == MinutesWheel ? to : minutesRow, wheel == SecondsWheel ? to : secondsRow);
}
