#include "models/skin/TapCounter.h"

#include <QLineF>

int TapCounter::begin(const QPointF& location, double now, double interval, double reach)
{
    const bool follows = m_count > 0 && now - m_endTime <= interval && QLineF(location, m_location).length() <= reach;
    m_pendingCount = follows ? m_count + 1 : 1;
    m_pendingLocation = location;
    m_reach = reach;
    m_pending = true;
    return m_pendingCount;
}

void TapCounter::moved(const QPointF& location)
{
    if (m_pending && QLineF(location, m_pendingLocation).length() > m_reach)
        m_pending = false;
}

void TapCounter::end(double now)
{
    if (m_pending) {
        m_count = m_pendingCount;
        m_endTime = now;
        m_location = m_pendingLocation;
    } else {
        m_count = 0;
    }
    m_pending = false;
}
