#include "core/StringHelpers.h"

#include "core/ConsoleLog.h"
#include "core/Rfc822Date.h"

#include <cmath>
#include <limits>

namespace {
bool isUnreservedByte(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    switch (c) {
    case '-': case '_': case '.': case '!': case '~': case '*': case '\'': case '(': case ')':
        return true;
    default:
        return false;
    }
}

Qt::CaseSensitivity sensitivity(SearchOptions options)
{
    return options == SearchOptions::CaseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

TextRange search(const QString& text, const QString& what, SearchOptions options, TextRange range)
{
    const qsizetype start = qBound<qsizetype>(0, range.location, text.size());
    const qsizetype end = qBound<qsizetype>(start, start + range.length, text.size());
    const QStringView window = QStringView(text).mid(start, end - start);
    const qsizetype at = window.indexOf(what, 0, sensitivity(options));
    if (at < 0)
        return {};
    return { start + at, what.size() };
}
}

QString StringHelpers::fullyEscapedStringForUrl(const QString& text)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray utf8 = text.toUtf8();
    QString out;
    out.reserve(utf8.size() * 3);
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (isUnreservedByte(c)) {
            out.append(QLatin1Char(char(c)));
        } else {
            out.append(u'%');
            out.append(QLatin1Char(hex[c >> 4]));
            out.append(QLatin1Char(hex[c & 0xF]));
        }
    }
    return out;
}

bool StringHelpers::hasSubstring(const QString& text, const QString& sub, SearchOptions options)
{
    return text.contains(sub, sensitivity(options));
}

QString StringHelpers::timeStringFromSecs(qint64 seconds)
{
    if (seconds <= 0)
        return QStringLiteral("00:00");
    const qint64 h = seconds / 3600;
    const qint64 m = (seconds % 3600) / 60;
    const qint64 s = seconds % 60;
    if (h != 0)
        return fmt(QStringLiteral("%d:%02d:%02d"), h, m, s);
    return fmt(QStringLiteral("%02d:%02d"), m, s);
}

std::optional<QDateTime> StringHelpers::rssDateValue(const QString& text)
{
    return Rfc822Date::parse(text);
}

QString StringHelpers::stringByReplacingBadCharactersWithEntities(const QString& text)
{
    QString out = text;
    out.replace(u'&', QStringLiteral("&amp;"));
    out.replace(u'>', QStringLiteral("&gt;"));
    out.replace(u'<', QStringLiteral("&lt;"));
    return out;
}

QString StringHelpers::stringByAddingSlashEscapes(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    out.replace(QStringLiteral("\""), QStringLiteral("\\\""));
    out.replace(QStringLiteral("\n"), QStringLiteral("\\n"));
    out.replace(QStringLiteral("\t"), QStringLiteral("\\t"));
    return out;
}

QString StringHelpers::stringByRemovingSlashEscapes(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    out.replace(QStringLiteral("\\\""), QStringLiteral("\""));
    out.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    out.replace(QStringLiteral("\\t"), QStringLiteral("\t"));
    return out;
}

TextRange StringHelpers::rangeOfStringAllowingNil(const QString& text, const std::optional<QString>& what,
                                                  SearchOptions options, TextRange range)
{
    if (!what)
        return { range.location, 0 };
    return search(text, *what, options, range);
}

TextRange StringHelpers::rangeOfStringAllowingNilMagicQuotes(const QString& text, const std::optional<QString>& what,
                                                             SearchOptions options, TextRange range)
{
    if (!what || *what != QStringLiteral("\""))
        return rangeOfStringAllowingNil(text, what, options, range);
    const TextRange quote = search(text, QStringLiteral("\""), options, range);
    const TextRange apostrophe = search(text, QStringLiteral("'"), options, range);
    if (!quote.found())
        return apostrophe;
    if (!apostrophe.found())
        return quote;
    return quote.location <= apostrophe.location ? quote : apostrophe;
}

void StringHelpers::logStringComponents(const QString& text)
{
    ConsoleLog::log(logCore, QStringLiteral("string length %d"), text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        ConsoleLog::log(logCore, QStringLiteral("%d - %C"), i, text.at(i));
}

qint64 StringHelpers::intValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    qint64 value = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
            return negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
        value = value * 10 + (text[i++].unicode() - u'0');
    }
    return negative ? -value : value;
}

double StringHelpers::doubleValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    qsizetype end = i;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    bool seenDot = false;
    bool seenExp = false;
    while (end < text.size()) {
        const QChar c = text[end];
        if (c.isDigit()) {
            ++end;
        } else if (c == u'.' && !seenDot && !seenExp) {
            seenDot = true;
            ++end;
        } else if ((c == u'e' || c == u'E') && !seenExp && end > i) {
            seenExp = true;
            ++end;
            if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
                ++end;
        } else {
            break;
        }
    }
    // Back off a dangling exponent or sign.
    while (end > i) {
        bool ok = false;
        const double v = text.mid(i, end - i).toDouble(&ok);
        if (ok)
            return std::isfinite(v) ? v : 0.0;
        --end;
    }
    return 0.0;
}
