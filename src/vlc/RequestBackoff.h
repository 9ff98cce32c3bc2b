#pragma once

// Holds back one kind of poll whose replies keep coming back unusable (cut
// at the size cap, not what was asked for): from the second such reply in
// a row the next request waits 2 seconds, then 4, 8, ... up to a minute,
// counted from the last failure. A single bad reply changes nothing, and
// one usable reply ends it. Times are seconds from the caller's clock.
class RequestBackoff {
public:
    static constexpr int failuresBeforeHolding = 2;
    static constexpr double firstDelaySeconds = 2.0;
    static constexpr double maxDelaySeconds = 60.0;

    void noteUsable() { m_failures = 0; }
    void noteUnusable(double now);
    // Whether the poll may go now.
    bool mayAsk(double now) const;
    // The replies keep failing: the poll is held back.
    bool holding() const { return m_failures >= failuresBeforeHolding; }
    // How long the next poll waits after the last failure; 0 when not holding.
    double delaySeconds() const;
    void reset() { m_failures = 0; }

private:
    int m_failures = 0;
    double m_lastFailure = 0;
};
