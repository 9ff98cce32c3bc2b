#pragma once

#include <QDateTime>
#include <QStringView>

#include <optional>

// Reads the dates that RSS feeds write in the form of RFC 822 and its
// successors: "Tue, 8 Dec 2026 16:26:53 GMT" and the variants real feeds
// send (no weekday, a one-digit day or hour, no seconds, a full month name,
// a two-digit year, numeric, named or military zones, a zone comment).
class Rfc822Date {
public:
    // The moment in UTC, or none when the text is no such date.
    static std::optional<QDateTime> parse(QStringView text);
    // Minutes east of UTC for a zone as feeds write it, or none.
    static std::optional<int> zoneOffsetMinutes(QStringView zone);
};
