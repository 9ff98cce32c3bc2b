#pragma once

#include <QtGlobal>

#include <deque>

// One wheel of a picker: which row is selected, where the wheel actually
// stands (a fractional row while it moves) and how drags, flings, notches
// and animated selections carry it to rest on a row. Times are milliseconds
// of the picker's clock, so the motion can be driven step by step.
class PickerViewWheel {
public:
    int rowCount() const { return m_rows; }
    // Keeps the selection and any motion inside the new range.
    void setRowCount(int rows);

    // -1 while the wheel has no rows.
    int selectedRow() const { return m_selected; }
    // The row under the selection band.
    double position() const { return m_position; }

    bool isMoving() const { return m_motion != Motion::Resting; }
    bool isTracking() const { return m_motion == Motion::Tracking; }
    // Still moving from a turn by the user (a fling, a click, notches).
    bool isTurningByUser() const
    {
        return (m_motion == Motion::Animating && m_byUser) || m_motion == Motion::Nudging;
    }
    // Where the wheel will come to rest.
    int restingRow() const;

    // Selects at once; the wheel follows, animated or not. A wheel held by
    // the user keeps its place until let go.
    void select(int row, bool animated, qint64 now);

    // The user's finger: catches the wheel, drags it by a number of rows
    // since the catch, lets it go with its momentum.
    void beginTracking(qint64 now);
    void trackBy(double rowsSinceBegin, qint64 now);
    void endTracking(qint64 now);

    // User turns that are not drags: a click on a row, mouse-wheel notches
    // and keys, and fine trackpad scrolling that settles when it pauses.
    void scrollToRow(int row, qint64 now);
    void stepBy(int rows, qint64 now);
    void nudgeBy(double rows, qint64 now);

    // Moves the wheel on to this time. True when a turn by the user has just
    // come to rest; selectedRow() is then where it rests.
    bool advance(qint64 now);

private:
    enum class Motion { Resting, Tracking, Animating, Nudging };

    int lastRow() const { return m_rows - 1; }
    int clampRow(int row) const;
    void animateTo(int row, qint64 now, int durationMs, bool byUser);
    double releaseVelocity(qint64 now) const;

    int m_rows = 0;
    int m_selected = -1;
    double m_position = 0;
    Motion m_motion = Motion::Resting;

    double m_trackStart = 0;
    struct Sample {
        qint64 time;
        double position;
    };
    std::deque<Sample> m_samples;

    double m_from = 0;
    int m_to = 0;
    qint64 m_start = 0;
    int m_duration = 0;
    bool m_byUser = false;

    qint64 m_lastNudge = 0;
};
