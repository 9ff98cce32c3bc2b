#pragma once

#include <QPointF>

// Counts the taps of a double tap, for mouse and touch alike: a touch that
// begins within interval seconds of the last tap's end and within reach of
// it is the next tap; one that moved farther than reach was a drag.
class TapCounter {
public:
    // The count of the tap that begins here (1, 2, ...).
    int begin(const QPointF& location, double now, double interval, double reach);
    void moved(const QPointF& location);
    void end(double now);
    void cancel() { m_pending = false; }

private:
    bool m_pending = false;
    int m_pendingCount = 0;
    QPointF m_pendingLocation;
    double m_reach = 0;
    int m_count = 0;
    double m_endTime = 0;
    QPointF m_location;
};
