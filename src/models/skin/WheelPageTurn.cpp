#include "models/skin/WheelPageTurn.h"

#include <cstdlib>

int WheelPageTurn::swiped(int dx, double now)
{
    if (now - m_last > pauseSeconds) {
        m_accumulated = 0;
        m_spent = false;
    }
    m_last = now;
    if (m_spent || dx == 0)
        return 0;
    m_accumulated += dx;
    if (std::abs(m_accumulated) < notch)
        return 0;
    m_spent = true;
    return m_accumulated < 0 ? 1 : -1;
}
