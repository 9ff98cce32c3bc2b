#include "models/SendThrottle.h"

#include <algorithm>

std::optional<SendThrottle::Send> SendThrottle::submit(int key, double value, double now)
{
    const auto waiting = std::find_if(m_waiting.begin(), m_waiting.end(), [key](const Send& s) { return s.key == key; });
    if (waiting != m_waiting.end())
        waiting->value = value;
    else
        m_waiting.push_back({ key, value });
    return takeDue(now);
}

std::optional<double> SendThrottle::nextDue() const
{
    if (m_waiting.empty())
        return std::nullopt;
    return m_lastSent ? *m_lastSent + m_interval : 0.0;
}

std::optional<SendThrottle::Send> SendThrottle::takeDue(double now)
{
    const std::optional<double> due = nextDue();
    // A clock that went back counts as due: nothing waits for ever.
    if (!due || (now < *due && now >= m_lastSent.value_or(now)))
        return std::nullopt;
    const Send send = m_waiting.front();
    m_waiting.erase(m_waiting.begin());
    m_lastSent = now;
    return send;
}

bool SendThrottle::isWaiting(int key) const
{
    return std::any_of(m_waiting.begin(), m_waiting.end(), [key](const Send& s) { return s.key == key; });
}

void SendThrottle::drop(int key)
{
    std::erase_if(m_waiting, [key](const Send& s) { return s.key == key; });
}
