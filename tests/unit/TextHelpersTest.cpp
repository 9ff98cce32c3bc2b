#include "core/StringHelpers.h"
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

TEST(RssDate, ParsesZonesNamedAndNumeric)
{
    const auto gmt = StringHelpers::rssDateValue(QStringLiteral("Tue, 08 Dec 2026 16:26:53 GMT"));
    ASSERT_TRUE(gmt);
    EXPECT_EQ(gmt->toUTC().toString(Qt::ISODate), QStringLiteral("2026-12-08T16:26:53Z"));
    const auto offset = StringHelpers::rssDateValue(QStringLiteral("Tue, 08 Dec 2026 10:00:00 -0500"));
    ASSERT_TRUE(offset);
    EXPECT_EQ(offset->toUTC().toString(Qt::ISODate), QStringLiteral("2026-12-08T15:00:00Z"));
    const auto pst = StringHelpers::rssDateValue(QStringLiteral("Wed, 01 Jan 2025 00:00:00 PST"));
    ASSERT_TRUE(pst);
    EXPECT_EQ(pst->toUTC().toString(Qt::ISODate), QStringLiteral("2025-01-01T08:00:00Z"));
    EXPECT_FALSE(StringHelpers::rssDateValue(QStringLiteral("yesterday")));
    EXPECT_FALSE(StringHelpers::rssDateValue(QStringLiteral("Tue, 08 Dec 2026 16:26:53 Mars")));
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
