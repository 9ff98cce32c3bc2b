#pragma once

// A sideways wheel or trackpad swipe over paging content turns it by one
// page, however long the swipe: its first notch's worth (120 units, a
// mouse wheel's click) turns the page, the rest of that swipe is spent. A
// swipe ends where the events pause.
class WheelPageTurn {
public:
    static constexpr int notch = 120;
    static constexpr double pauseSeconds = 0.25;

    // dx: the swipe's sideways step (positive: towards the earlier pages);
    // now: seconds. Answers the pages to turn: -1, 0 or 1.
    int swiped(int dx, double now);

private:
    double m_last = -1e9;
    int m_accumulated = 0;
    bool m_spent = false;
};
