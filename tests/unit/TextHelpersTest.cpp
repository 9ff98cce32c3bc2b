#include "core/StringHelpers.h"
#include "core/TerminalText.h"
#include "core/TextFormat.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(FullyEscapedString, EscapesReservedCharactersAndKeepsTheUnreservedOnes)
{
    EXPECT_EQ(StringHelpers::fullyEscapedStringForUrl(QStringLiteral("C:\\Films\\Bob's Film+1.mkv")),
              QStringLiteral("C%3A%5CFilms%5CBob's%20Film%2B1.mkv"));
    EXPECT_EQ(StringHelpers::fullyEscapedStringForUrl(QStringLiteral(";/?:@&=+$,#")),
              QStringLiteral("%3B%2F%3F%3A%40%26%3D%2B%24%2C%23"));
    EXPECT_EQ(StringHelpers::fullyEscapedStringForUrl(QStringLiteral("aZ09-_.!~*'()")), QStringLiteral("aZ09-_.!~*'()"));
    // Non-ASCII letters travel as their UTF-8 bytes.
    EXPECT_EQ(StringHelpers::fullyEscapedStringForUrl(QStringLiteral("Café Ü")), QStringLiteral("Caf%C3%A9%20%C3%9C"));
    EXPECT_EQ(StringHelpers::fullyEscapedStringForUrl(QString()), QString());
}

TEST(TerminalText, ShowsEveryControlCharacterAsAnEscape)
{
    EXPECT_EQ(escapedForTerminal(QStringLiteral("\x1b]0;owned\x07\x1b[2J\nrow\r\tend\x7f")),
              QStringLiteral("\\x1b]0;owned\\x07\\x1b[2J\\nrow\\r\\tend\\x7f"));
    // C1 controls (U+009B reads as ESC [ on some terminals), line separators.
    EXPECT_EQ(escapedForTerminal(QStringView(u"a\u009b2Jb\u2028c\u0085")), QStringLiteral("a\\u009b2Jb\\u2028c\\u0085"));
    // Everything else stays as it is, backslashes and letters of any script included.
    const QString plain = QStringLiteral("C:\\Films\\Café – 東京 ▶ \u00a0");
    EXPECT_EQ(escapedForTerminal(plain), plain);
    EXPECT_EQ(escapedForTerminal(QString()), QString());
}

TEST(TimeString, FormatsMinutesAndHours)
{
    EXPECT_EQ(StringHelpers::timeStringFromSecs(59), "00:59");
    EXPECT_EQ(StringHelpers::timeStringFromSecs(61), "01:01");
    EXPECT_EQ(StringHelpers::timeStringFromSecs(3600), "1:00:00");
    EXPECT_EQ(StringHelpers::timeStringFromSecs(3661), "1:01:01");
    EXPECT_EQ(StringHelpers::timeStringFromSecs(36000 + 59), "10:00:59");
    EXPECT_EQ(StringHelpers::timeStringFromSecs(0), "00:00");
    EXPECT_EQ(StringHelpers::timeStringFromSecs(-5), "00:00");
}

TEST(SlashEscapes, RunOneReplacementAfterAnother)
{
    EXPECT_EQ(StringHelpers::stringByAddingSlashEscapes(QStringLiteral("a\\b\"c\nd\te")),
              QStringLiteral("a\\\\b\\\"c\\nd\\te"));
    // backslash, backslash, n: first to backslash-n, then to a line feed.
    EXPECT_EQ(StringHelpers::stringByRemovingSlashEscapes(QStringLiteral("x\\\\ny")), QStringLiteral("x\ny"));
    EXPECT_EQ(StringHelpers::stringByRemovingSlashEscapes(QStringLiteral("say \\\"hi\\\"\\t")),
              QStringLiteral("say \"hi\"\t"));
}

TEST(Entities, ReplaceAmpersandFirst)
{
    EXPECT_EQ(StringHelpers::stringByReplacingBadCharactersWithEntities(QStringLiteral("a<b & c>d &lt;")),
              QStringLiteral("a&lt;b &amp; c&gt;d &amp;lt;"));
}

TEST(RangeSearch, AllowsNilAndMagicQuotes)
{
    const QString text = QStringLiteral("it's \"quoted\"");
    const TextRange all { 0, text.size() };
    EXPECT_EQ(StringHelpers::rangeOfStringAllowingNil(text, std::nullopt, SearchOptions::None, { 3, 4 }),
              (TextRange { 3, 0 }));
    EXPECT_EQ(StringHelpers::rangeOfStringAllowingNil(text, QStringLiteral("QUOTED"), SearchOptions::CaseInsensitive, all),
              (TextRange { 6, 6 }));
    EXPECT_FALSE(StringHelpers::rangeOfStringAllowingNil(text, QStringLiteral("QUOTED"), SearchOptions::None, all).found());
    // The apostrophe comes before the double quote.
    EXPECT_EQ(StringHelpers::rangeOfStringAllowingNilMagicQuotes(text, QStringLiteral("\""), SearchOptions::None, all),
              (TextRange { 2, 1 }));
    // Only an apostrophe present: it is found.
    EXPECT_EQ(StringHelpers::rangeOfStringAllowingNilMagicQuotes(QStringLiteral("Bob's"), QStringLiteral("\""),
                                                                 SearchOptions::None, { 0, 5 }),
              (TextRange { 3, 1 }));
    // Searching within a range only.
    EXPECT_EQ(StringHelpers::rangeOfStringAllowingNilMagicQuotes(text, QStringLiteral("\""), SearchOptions::None,
                                                                 { 4, text.size() - 4 }),
              (TextRange { 5, 1 }));
}

TEST(RssDate, ReadsTheFormsRealFeedsSend)
{
    // pubDate values as feeds in the wild write them, with the moment meant.
    const std::pair<const char*, const char*> dates[] = {
        { "Tue, 08 Dec 2026 16:26:53 GMT", "2026-12-08T16:26:53Z" },
        { "Tue, 8 Dec 2026 10:00:00 -0500", "2026-12-08T15:00:00Z" },
        { "Thu,  5 Apr 2012 10:00:00 GMT", "2012-04-05T10:00:00Z" },
        { "Wed, 20 Sep 2017 10:00:00 -0000", "2017-09-20T10:00:00Z" },
        { "Fri, 06 Dec 2024 15:00:05 +0000", "2024-12-06T15:00:05Z" },
        { "Mon, 09 Dec 2024 08:30:00 +0530", "2024-12-09T03:00:00Z" },
        { "Wed, 19 Feb 2012 22:40:00 -01:01", "2012-02-19T23:41:00Z" },
        { "Wed, 19 Feb 2012 22:40:00 GMT-01:01", "2012-02-19T23:41:00Z" },
        { "Wed, 01 Jan 2025 00:00:00 PST", "2025-01-01T08:00:00Z" },
        { "Thu, 6 July 2017 15:30:00 PDT", "2017-07-06T22:30:00Z" },
        { "Thu, 30 Aug 2017 1:30:00 PDT", "2017-08-30T08:30:00Z" }, // a Wednesday, in fact
        { "Thu, 03 August 2017 06:00:00 -0400", "2017-08-03T10:00:00Z" },
        { "Sat, 01 Sept 2018 12:00:00 EDT", "2018-09-01T16:00:00Z" },
        { "Mon, 15 Jan 2024 09:15:00 CST", "2024-01-15T15:15:00Z" },
        { "Mon, 15 Jul 2024 09:15:00 CDT", "2024-07-15T14:15:00Z" },
        { "Mon, 15 Jan 2024 09:15:00 MST", "2024-01-15T16:15:00Z" },
        { "Mon, 15 Jul 2024 09:15:00 MDT", "2024-07-15T15:15:00Z" },
        { "Mon, 15 Jan 2024 09:15:00 EST", "2024-01-15T14:15:00Z" },
        { "Sun, 06 Nov 1994 08:49:37 UT", "1994-11-06T08:49:37Z" },
        { "Sun, 06 Nov 1994 08:49:37 Z", "1994-11-06T08:49:37Z" },
        { "Sun, 06 Nov 1994 08:49:37 utc", "1994-11-06T08:49:37Z" },
        { "Sun, 06 Nov 1994 08:49:37 A", "1994-11-06T08:49:37Z" }, // military letters carry no offset
        { "Sun, 06 Nov 1994 08:49:37 Y", "1994-11-06T08:49:37Z" },
        { "Mon, 13 Feb, 2012 06:28:00 UTC", "2012-02-13T06:28:00Z" },
        { "Thu, 01 Jan 2004 00:00 GMT", "2004-01-01T00:00:00Z" },
        { "Thu, 01 Jan 04 19:48:21 GMT", "2004-01-01T19:48:21Z" },
        { "Fri, 31 Dec 99 23:59:59 GMT", "1999-12-31T23:59:59Z" },
        { "8 Dec 2026 16:26:53 +0100", "2026-12-08T15:26:53Z" },
        { "Tuesday, 08 Dec 2026 16:26:53 GMT", "2026-12-08T16:26:53Z" },
        { "Tue, 08 Dec 2026 16:26:53 +0000 (UTC)", "2026-12-08T16:26:53Z" },
        { "Tue, 08 Dec 2026 16:26:53", "2026-12-08T16:26:53Z" }, // no zone: taken as UTC
        { "Wed, 31 Dec 2008 23:59:60 GMT", "2008-12-31T23:59:59Z" },
    };
    for (const auto& [text, expected] : dates) {
        const auto date = StringHelpers::rssDateValue(QString::fromLatin1(text));
        ASSERT_TRUE(date) << text;
        EXPECT_EQ(date->toUTC().toString(Qt::ISODate), QString::fromLatin1(expected)) << text;
    }
}

TEST(RssDate, RefusesWhatIsNoDate)
{
    const char* const refused[] = {
        "", "yesterday", "2026-12-08T16:26:53Z",
        "Tue, 08 Dec 2026 16:26:53 Mars", "Sun, 99 Jun 2009 12:00:00 GMT", "Mon, 30 Feb 2026 12:00:00 GMT",
        "Sun, 16 zzz 2012 11:47:32 GMT", "Sun, 16 Ju 2012 11:47:32 GMT", "Sun, 16 Dec zz 11:47:32 GMT",
        "Sun, 16 Dec 2012 1:2:3:4 GMT", "Sun, 16 Dec 2012 24:00:00 GMT", "Sun, 16 Dec 2012 11:61:00 GMT",
        "Sun, 16 Dec 2012 11:47:32 +zz:00", "Sun, 16 Dec 2012 11:47:32 +2400", "Sun, 16 Dec 2012 11:47:32 J",
        "Sun, 16 Dec 2012 11:47:32 GMT extra", "Sun, 16 Dec 2012 11:47:32 GMT (unclosed",
        "Sun, 123 Dec 2012 11:47:32 GMT", "Sun, 16 Dec 12345 11:47:32 GMT",
    };
    for (const char* text : refused)
        EXPECT_FALSE(StringHelpers::rssDateValue(QString::fromLatin1(text))) << text;
}

TEST(LenientNumbers, ReadTheLeadingNumber)
{
    EXPECT_EQ(StringHelpers::intValue(u"  42abc"), 42);
    EXPECT_EQ(StringHelpers::intValue(u"-7"), -7);
    EXPECT_EQ(StringHelpers::intValue(u"0.9"), 0);
    EXPECT_EQ(StringHelpers::intValue(u""), 0);
    EXPECT_EQ(StringHelpers::intValue(u"99999999999999999999999"), std::numeric_limits<qint64>::max());
    EXPECT_DOUBLE_EQ(StringHelpers::doubleValue(u"0.070012301206589"), 0.070012301206589);
    EXPECT_DOUBLE_EQ(StringHelpers::doubleValue(u" -0.25s"), -0.25);
    EXPECT_DOUBLE_EQ(StringHelpers::doubleValue(u"1e"), 1.0);
    EXPECT_DOUBLE_EQ(StringHelpers::doubleValue(u"nan"), 0.0);
}

TEST(TextFormat, FillsThePlaceholdersOfTheFixedTexts)
{
    EXPECT_EQ(fmt(QStringLiteral("Connected to %@"), QStringLiteral("den")), QStringLiteral("Connected to den"));
    EXPECT_EQ(fmt(QStringLiteral("%d:%02d:%02d"), 1, 2, 3), QStringLiteral("1:02:03"));
    EXPECT_EQ(fmt(QStringLiteral("val=%d%%25"), 150), QStringLiteral("val=150%25"));
    EXPECT_EQ(fmt(QStringLiteral("%f"), 0.5), QStringLiteral("0.500000"));
    EXPECT_EQ(fmt(QStringLiteral("%d - %C"), 3, QChar(u'é')), QStringLiteral("3 - é"));
    EXPECT_EQ(fmt(QStringLiteral("%02d"), -5), QStringLiteral("-5"));
    EXPECT_EQ(fmt(QStringLiteral("missing %@ and %d")), QStringLiteral("missing  and 0"));
}
