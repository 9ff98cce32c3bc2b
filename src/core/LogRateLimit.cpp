#include "core/LogRateLimit.h"

LogRateLimit::Admission LogRateLimit::admit(const QString& site, double now)
{
    Admission admission;
    Site& s = m_sites[site];
    if (now - s.lastSeen >= windowSeconds) {
        // Quiet for a minute: what the last run left out is told, and the
        // place starts afresh.
        admission.leftOut = s.leftOut;
        s = Site {};
    }
    s.lastSeen = now;
    if (s.written < burst) {
        ++s.written;
        s.lastSummary = now;
        admission.write = true;
        return admission;
    }
    ++s.leftOut;
    if (now - s.lastSummary >= windowSeconds) {
        admission.leftOut = s.leftOut;
        s.leftOut = 0;
        s.lastSummary = now;
    }
    return admission;
}
