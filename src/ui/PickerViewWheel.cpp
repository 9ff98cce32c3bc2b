#include "ui/PickerViewWheel.h"

#include <algorithm>
#include <cmath>

namespace {
// How far a drag may pull the wheel past its first or last row, as a share
// of the finger's movement.
constexpr double overscrollResistance = 0.35;
// Only the last moments of a drag give the fling its speed.
constexpr qint64 velocityWindowMs = 100;
constexpr qint64 stillBeforeReleaseMs = 80;
// Below this speed (rows per second) a release just settles on the nearest row.
constexpr double flingThreshold = 1.5;
// A fling travels as far as its speed carries it in this time.
constexpr double flingReachSeconds = 0.4;
constexpr int settleMs = 220;
constexpr int bounceBackMs = 300;
constexpr int clickScrollMs = 260;
constexpr int stepMs = 180;
constexpr int nudgePauseMs = 120;

double easeOut(double t)
{
    const double u = 1.0 - t;
    return 1.0 - u * u * u;
}
}

void PickerViewWheel::setRowCount(int rows)
{
    m_rows = std::max(0, rows);
    if (m_rows == 0) {
        m_selected = -1;
        m_position = 0;
        m_motion = Motion::Resting;
        m_samples.clear();
        return;
    }
    m_selected = clampRow(std::max(0, m_selected));
    switch (m_motion) {
    case Motion::Resting:
        m_position = m_selected;
        break;
    case Motion::Animating:
        m_to = clampRow(m_to);
        break;
    case Motion::Nudging:
        m_position = std::clamp(m_position, 0.0, double(lastRow()));
        break;
    case Motion::Tracking:
        break; // the finger decides; the release brings it back in range
    }
}

int PickerViewWheel::clampRow(int row) const
{
    return std::clamp(row, 0, std::max(0, lastRow()));
}

int PickerViewWheel::restingRow() const
{
    switch (m_motion) {
    case Motion::Animating:
        return m_to;
    case Motion::Tracking:
    case Motion::Nudging:
        return m_rows ? clampRow(int(std::lround(m_position))) : -1;
    case Motion::Resting:
        break;
    }
    return m_selected;
}

void PickerViewWheel::select(int row, bool animated, qint64 now)
{
    if (m_rows == 0)
        return;
    row = clampRow(row);
    m_selected = row;
    if (m_motion == Motion::Tracking)
        return;
    if (!animated || m_position == row) {
        m_position = row;
        m_motion = Motion::Resting;
        return;
    }
    // Longer jumps take a little longer, as a real wheel would.
    const int distance = std::min(10, int(std::ceil(std::abs(row - m_position))));
    animateTo(row, now, 200 + 25 * distance, false);
}

void PickerViewWheel::animateTo(int row, qint64 now, int durationMs, bool byUser)
{
    m_from = m_position;
    m_to = row;
    m_start = now;
    m_duration = std::max(1, durationMs);
    m_byUser = byUser;
    m_motion = Motion::Animating;
}

void PickerViewWheel::beginTracking(qint64 now)
{
    m_motion = Motion::Tracking;
    m_trackStart = m_position;
    m_samples.clear();
    m_samples.push_back({ now, m_position });
}

void PickerViewWheel::trackBy(double rowsSinceBegin, qint64 now)
{
    if (m_motion != Motion::Tracking)
        return;
    double raw = m_trackStart + rowsSinceBegin;
    const double last = std::max(0, lastRow());
    if (raw < 0)
        raw *= overscrollResistance;
    else if (raw > last)
        raw = last + (raw - last) * overscrollResistance;
    m_position = raw;
    m_samples.push_back({ now, m_position });
    while (m_samples.size() > 2 && m_samples.front().time < now - velocityWindowMs)
        m_samples.pop_front();
}

double PickerViewWheel::releaseVelocity(qint64 now) const
{
    if (m_samples.size() < 2 || m_samples.back().time < now - stillBeforeReleaseMs)
        return 0;
    const Sample& first = m_samples.front();
    const Sample& last = m_samples.back();
    const qint64 span = last.time - first.time;
    if (span <= 0)
        return 0;
    return (last.position - first.position) * 1000.0 / double(span);
}

void PickerViewWheel::endTracking(qint64 now)
{
    if (m_motion != Motion::Tracking)
        return;
    const double velocity = releaseVelocity(now);
    m_samples.clear();
    if (m_rows == 0) {
        m_position = 0;
        m_motion = Motion::Resting;
        return;
    }
    if (m_position < 0 || m_position > lastRow()) {
        animateTo(m_position < 0 ? 0 : lastRow(), now, bounceBackMs, true);
        return;
    }
    if (std::abs(velocity) < flingThreshold) {
        animateTo(clampRow(int(std::lround(m_position))), now, settleMs, true);
        return;
    }
    const int target = clampRow(int(std::lround(m_position + velocity * flingReachSeconds)));
    // An ease-out curve starts at three times its mean speed: choosing the
    // duration from that keeps the wheel going as fast as the finger left it.
    const double distance = std::abs(target - m_position);
    const int duration = int(std::clamp(3.0 * distance / std::abs(velocity) * 1000.0, 150.0, 2500.0));
    animateTo(target, now, duration, true);
}

void PickerViewWheel::scrollToRow(int row, qint64 now)
{
    if (m_rows == 0)
        return;
    animateTo(clampRow(row), now, clickScrollMs, true);
}

void PickerViewWheel::stepBy(int rows, qint64 now)
{
    if (m_rows == 0)
        return;
    // Quick notches add up rather than restarting from where the wheel is.
    const int base = restingRow();
    animateTo(clampRow(base + rows), now, stepMs, true);
}

void PickerViewWheel::nudgeBy(double rows, qint64 now)
{
    if (m_rows == 0 || m_motion == Motion::Tracking)
        return;
    m_position = std::clamp(m_position + rows, 0.0, double(lastRow()));
    m_motion = Motion::Nudging;
    m_lastNudge = now;
}

bool PickerViewWheel::advance(qint64 now)
{
    switch (m_motion) {
    case Motion::Resting:
    case Motion::Tracking:
        return false;
    case Motion::Nudging:
        if (now - m_lastNudge >= nudgePauseMs)
            animateTo(clampRow(int(std::lround(m_position))), now, settleMs, true);
        return false;
    case Motion::Animating:
        break;
    }
    const double t = double(now - m_start) / double(m_duration);
    if (t < 1.0) {
        m_position = m_from + (m_to - m_from) * easeOut(std::max(0.0, t));
        return false;
    }
    m_position = m_to;
    m_motion = Motion::Resting;
    if (!m_byUser)
        return false;
    m_selected = m_to;
    return true;
}
