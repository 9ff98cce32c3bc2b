#pragma once

#include <QHash>
#include <QString>

// Keeps one place of the code (a log format) from flooding a log: the first
// lines of a run of them are written, then one summary a minute counts
// those left out, until the place has been quiet for a minute. Counted per
// format, not per text, since a hostile server varies the text.
class LogRateLimit {
public:
    static constexpr int burst = 10;
    static constexpr double windowSeconds = 60.0;

    struct Admission {
        bool write = false; // write this line
        int leftOut = 0;    // write a summary of this many lines left out first
    };

    // now: seconds, from the clock the caller reads (Clock::current()).
    Admission admit(const QString& site, double now);
    void reset() { m_sites.clear(); }

private:
    struct Site {
        int written = 0;
        int leftOut = 0;
        double lastSeen = 0;
        double lastSummary = 0;
    };
    QHash<QString, Site> m_sites;
};
