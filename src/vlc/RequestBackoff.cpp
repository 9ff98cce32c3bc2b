#include "vlc/RequestBackoff.h"

#include <algorithm>
#include <cmath>

void RequestBackoff::noteUnusable(double now)
{
    // Capped so that the doubling never overflows, however long it goes on.
    m_failures = std::min(m_failures + 1, 64);
    m_lastFailure = now;
}

bool RequestBackoff::mayAsk(double now) const
{
    return !holding() || now - m_lastFailure >= delaySeconds();
}

double RequestBackoff::delaySeconds() const
{
    if (!holding())
        return 0;
    return std::min(maxDelaySeconds, firstDelaySeconds * std::ldexp(1.0, m_failures - failuresBeforeHolding));
}
