#include "core/Rfc822Date.h"

#include <QList>
#include <QTimeZone>

namespace {
const char* const monthNames[] = { "january", "february", "march",     "april",   "may",      "june",
                                   "july",    "august",   "september", "october", "november", "december" };
const char* const dayNames[] = { "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday" };

// A name written in full or shortened to at least three letters ("Sep",
// "Sept", "September").
int indexOfName(QStringView word, const char* const* names, int count)
{
    if (word.size() < 3)
        return -1;
    for (int i = 0; i < count; ++i) {
        const QLatin1StringView name(names[i]);
        if (word.size() <= name.size() && name.startsWith(word, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

// 1 to maxDigits ASCII digits, nothing else.
std::optional<int> number(QStringView text, int maxDigits)
{
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// "+hhmm", "-hhmm", "+hh:mm" or "+hh".
std::optional<int> numericOffset(QStringView zone)
{
    if (zone.size() < 3 || (zone[0] != u'+' && zone[0] != u'-'))
        return std::nullopt;
    QStringView digits = zone.mid(1);
    std::optional<int> hours, minutes = 0;
    if (digits.size() == 5 && digits[2] == u':') {
        hours = number(digits.left(2), 2);
        minutes = number(digits.mid(3), 2);
    } else if (digits.size() == 4) {
        hours = number(digits.left(2), 2);
        minutes = number(digits.mid(2), 2);
    } else if (digits.size() == 2) {
        hours = number(digits, 2);
    }
    if (!hours || !minutes || *hours > 23 || *minutes > 59)
        return std::nullopt;
    const int offset = *hours * 60 + *minutes;
    return zone[0] == u'-' ? -offset : offset;
}
}

std::optional<int> Rfc822Date::zoneOffsetMinutes(QStringView zone)
{
    struct Named {
        const char* name;
        int minutes;
    };
    static const Named named[] = {
        { "UT", 0 },      { "UTC", 0 },     { "GMT", 0 },     { "Z", 0 },       { "EST", -300 },
        { "EDT", -240 },  { "CST", -360 },  { "CDT", -300 },  { "MST", -420 },  { "MDT", -360 },
        { "PST", -480 },  { "PDT", -420 },
    };
    for (const Named& n : named)
        if (zone.compare(QLatin1StringView(n.name), Qt::CaseInsensitive) == 0)
            return n.minutes;
    // RFC 822 gave the military letters with their signs reversed, so what
    // a feed means by them is unknown; they count as UTC, as RFC 5322 says.
    if (zone.size() == 1 && zone[0].isLetter() && zone[0].toUpper() != u'J' && zone[0].unicode() < 0x80)
        return 0;
    // "GMT+0100", "UTC-05:00".
    for (const char* prefix : { "GMT", "UTC", "UT" })
        if (zone.size() > qsizetype(qstrlen(prefix)) && zone.startsWith(QLatin1StringView(prefix), Qt::CaseInsensitive))
            return numericOffset(zone.mid(qstrlen(prefix)));
    return numericOffset(zone);
}

std::optional<QDateTime> Rfc822Date::parse(QStringView text)
{
    // A trailing comment such as "(PST)" says nothing the zone does not.
    if (const qsizetype comment = text.indexOf(u'('); comment >= 0) {
        if (!text.trimmed().endsWith(u')'))
            return std::nullopt;
        text = text.left(comment);
    }
    QList<QStringView> words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool separator = i == text.size() || text[i].isSpace() || text[i] == u',';
        if (separator && start >= 0) {
            words.append(text.mid(start, i - start));
            start = -1;
        } else if (!separator && start < 0) {
            start = i;
        }
    }
    // The weekday is optional and often wrong, so it is not checked against the date.
    if (!words.isEmpty() && indexOfName(words.front(), dayNames, 7) >= 0)
        words.removeFirst();
    if (words.size() != 4 && words.size() != 5)
        return std::nullopt;

    const std::optional<int> day = number(words[0], 2);
    const int month = indexOfName(words[1], monthNames, 12) + 1;
    std::optional<int> year = number(words[2], 4);
    if (!day || month == 0 || !year || words[2].size() == 1)
        return std::nullopt;
    // Two-digit years as RFC 5322 reads them; three digits count from 1900.
    if (words[2].size() == 2)
        *year += *year < 50 ? 2000 : 1900;
    else if (words[2].size() == 3)
        *year += 1900;

    const QList<QStringView> clock = words[3].split(u':');
    if (clock.size() != 2 && clock.size() != 3)
        return std::nullopt;
    const std::optional<int> hour = number(clock[0], 2);
    const std::optional<int> minute = number(clock[1], 2);
    const std::optional<int> second = clock.size() == 3 ? number(clock[2], 2) : 0;
    if (!hour || !minute || !second || *second > 60)
        return std::nullopt;

    // A date without a zone is taken as UTC rather than refused.
    const std::optional<int> offset = words.size() == 5 ? zoneOffsetMinutes(words[4]) : 0;
    const QDate date(*year, month, *day);
    const QTime time(*hour, *minute, qMin(*second, 59)); // a leap second holds at :59
    if (!offset || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone::utc()).addSecs(-qint64(*offset) * 60);
}
