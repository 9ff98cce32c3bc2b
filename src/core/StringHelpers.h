#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// A span of text: location (-1 when nothing was found) and length.
struct TextRange {
    qsizetype location = -1;
    qsizetype length = 0;
    bool found() const { return location >= 0; }
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

enum class SearchOptions { None = 0, CaseInsensitive = 1 };

// Stateless text helpers shared across the system.
class StringHelpers {
public:
    // UTF-8 percent-escaping for a URL query: every byte other than letters,
    // digits and - _ . ! ~ * ' ( ) becomes %XX, reserved characters included.
    static QString fullyEscapedStringForUrl(const QString& text);
    static bool hasSubstring(const QString& text, const QString& sub, SearchOptions options = SearchOptions::None);
    static QString timeStringFromSecs(qint64 seconds);
    // Parses an RSS (RFC 822) date such as "Tue, 08 Dec 2026 16:26:53 GMT",
    // in every form that feeds send (Rfc822Date); the result is in UTC.
    static std::optional<QDateTime> rssDateValue(const QString& text);
    static QString stringByReplacingBadCharactersWithEntities(const QString& text);
    static QString stringByAddingSlashEscapes(const QString& text);
    static QString stringByRemovingSlashEscapes(const QString& text);
    // A missing search text yields an empty range at the start of the range.
    static TextRange rangeOfStringAllowingNil(const QString& text, const std::optional<QString>& search,
                                              SearchOptions options, TextRange range);
    // As above; a lone double quote also matches an apostrophe, whichever
    // comes first.
    static TextRange rangeOfStringAllowingNilMagicQuotes(const QString& text, const std::optional<QString>& search,
                                                         SearchOptions options, TextRange range);
    static void logStringComponents(const QString& text);

    // Numbers read the lenient way: leading white space skipped, then as
    // many characters as form a number; 0 when none do.
    static qint64 intValue(QStringView text);
    static double doubleValue(QStringView text);
};
