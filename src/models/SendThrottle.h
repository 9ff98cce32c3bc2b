#pragma once

#include <optional>
#include <vector>

// Paces the values a drag gives a control so that VLC gets at most one
// command per interval: the first goes at once; values given meanwhile
// wait, only the latest of each key, and go one per interval, keys in the
// order they began to wait. So the last value of every key always goes.
// Times come from the caller (seconds), which schedules the next send at
// nextDue(); nothing here reads a clock.
class SendThrottle {
public:
    struct Send {
        int key = 0;
        double value = 0;
        bool operator==(const Send&) const = default;
    };

    explicit SendThrottle(double intervalSeconds) : m_interval(intervalSeconds) { }

    // A value given at now: what to send at once, if anything.
    std::optional<Send> submit(int key, double value, double now);
    // When the next waiting value may go; none while nothing waits.
    std::optional<double> nextDue() const;
    // What to send at now, once due.
    std::optional<Send> takeDue(double now);
    // A value of the key waits.
    bool isWaiting(int key) const;
    // The waiting values of the key go nowhere.
    void drop(int key);

private:
    double m_interval;
    std::optional<double> m_lastSent;
    std::vector<Send> m_waiting; // each key once
};
