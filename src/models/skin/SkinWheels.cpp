#include "models/skin/SkinWheels.h"

#include "core/Localization.h"

#include <algorithm>

SkinWheels::SkinWheels(QObject* parent)
    : QObject(parent)
{
}

QString SkinWheels::text(int wheel, int row) const
{
    if (wheel < Minutes || wheel > Volume)
        return {};
    return TimeVolumeWheels::rowText(TimeVolumeWheels::Wheel(wheel), row);
}

int SkinWheels::valueOf(int wheel, int row) const
{
    return wheel == Seconds ? (row % 60 + 60) % 60 : row;
}

int SkinWheels::widthOf(int wheel) const
{
    switch (wheel) {
    case Minutes:
        return 140;
    case Seconds:
        return 60;
    case Volume:
        return 100;
    default:
        return 0;
    }
}

QString SkinWheels::nameOf(int wheel) const
{
    switch (wheel) {
    case Minutes:
        return localizedString("Minutes");
    case Seconds:
        return localizedString("Seconds");
    case Volume:
        return localizedString("Volume");
    default:
        return {};
    }
}

void SkinWheels::startSelection()
{
    const bool was = m_wheels.isInteracting();
    m_wheels.startSelection();
    if (!was)
        emit interactingChanged();
}

void SkinWheels::select(int wheel, int row)
{
    if (wheel < Minutes || wheel > Volume)
        return;
    const bool was = m_wheels.isInteracting();
    const TimeVolumeWheels::Turn turn = m_wheels.select(TimeVolumeWheels::Wheel(wheel), row, wheel == Minutes ? row : m_minutesRow,
                                                        wheel == Seconds ? row : m_secondsRow);
    apply(wheel, row, turn, was);
}

void SkinWheels::wheelTurned(int wheel, int angleDelta)
{
    if (wheel < Minutes || wheel > Volume)
        return;
    constexpr int notch = 120;
    m_wheelRemainder += angleDelta;
    const int notches = m_wheelRemainder / notch;
    m_wheelRemainder -= notches * notch;
    if (notches == 0)
        return;
    const bool was = m_wheels.isInteracting();
    const int from = wheel == Minutes ? m_minutesRow : wheel == Seconds ? m_secondsRow : m_volumeRow;
    // Turning the wheel away from you moves the rows up, to the earlier ones.
    const TimeVolumeWheels::Turn turn = m_wheels.step(TimeVolumeWheels::Wheel(wheel), -notches, m_minutesRow, m_secondsRow);
    const int row = std::clamp(from - notches, 0, m_wheels.rowCount(TimeVolumeWheels::Wheel(wheel)) - 1);
    if (row == from)
        return;
    apply(wheel, row, turn, was);
    // The wheel shows the row it came to rest on (apply has, when it put
    // the seconds wheel back in its middle turns).
    if (!turn.secondsRow) {
        m_animated = true;
        emit rowsChanged();
    }
}

void SkinWheels::apply(int wheel, int row, const TimeVolumeWheels::Turn& turn, bool wasInteracting)
{
    // The wheel stays where the user left it.
    if (wheel == Minutes)
        m_minutesRow = row;
    else if (wheel == Seconds)
        m_secondsRow = turn.secondsRow.value_or(row);
    else
        m_volumeRow = row;
    if (turn.secondsRow) {
        m_animated = false;
        emit rowsChanged();
    }
    if (wasInteracting != m_wheels.isInteracting())
        emit interactingChanged();
    if (turn.seek)
        emit seekRequested(*turn.seek);
    if (turn.volume)
        emit volumeRequested(*turn.volume);
}

void SkinWheels::update(int length, int elapsed, int volume, bool animated)
{
    const std::optional<TimeVolumeWheels::Rows> rows = m_wheels.update(length, elapsed, volume);
    if (!rows)
        return;
    if (rows->minutesChanged)
        emit countsChanged();
    if (rows->minutes == m_minutesRow && rows->seconds == m_secondsRow && rows->volume == m_volumeRow)
        return;
    m_minutesRow = rows->minutes;
    m_secondsRow = rows->seconds;
    m_volumeRow = rows->volume;
    m_animated = animated;
    emit rowsChanged();
}

void SkinWheels::setMaxVolume(int maximum)
{
    if (maximum == m_wheels.maxVolume())
        return;
    m_wheels.setMaxVolume(maximum);
    emit countsChanged();
}
