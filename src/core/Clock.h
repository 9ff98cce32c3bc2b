#pragma once

#include <limits>

// The source of "now" for everything that depends on wall-clock time
// (smoothed elapsed time, age of the last reply). Tests install a manual
// clock so that they never have to sleep.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds since the Unix epoch.
    virtual double now() const;

    // The clock in use; the system clock unless a test installed another.
    static const Clock& current();
    // Installs a clock (not owned); nullptr restores the system clock.
    static void setCurrent(const Clock* clock);

    // Stands in for the platform's "most distant past" date.
    static constexpr double distantPast = -62135596800.0; // 0001-01-01
};
