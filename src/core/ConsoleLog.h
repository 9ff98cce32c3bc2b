#pragma once

#include "core/LogCategories.h"
#include "core/LogText.h"
#include "core/TextFormat.h"

#include <QChar>
#include <QLoggingCategory>
#include <QString>
#include <QVariant>

#include <functional>
#include <type_traits>

// The diagnostic console log: developer-facing lines with fixed formats,
// never shown to the user. By default the lines go to standard error; tests
// capture them and the command-line tool keeps them quiet unless asked.
// What fills a format may come from outside, so it is escaped and cut short
// (LogText), and each format is rate-limited (LogRateLimit): a server that
// varies its text on every reply cannot fill the disk through the log.
class ConsoleLog {
public:
    using Sink = std::function<void(const QString& line)>;

    // Writes a line as it is, without escaping or limit.
    static void write(const QString& line);

    // A line of a layer's category (core/LogCategories.h), in the fixed
    // format of its pattern. Each layer's lines can be switched off as any
    // Qt category's: QT_LOGGING_RULES="playerlink.net.info=false".
    template <typename... Args>
    static void log(const QLoggingCategory& (*category)(), const QString& pattern, const Args&... args)
    {
        if (enabled() && category().isInfoEnabled())
            writeFrom(pattern, TextFormat::format(pattern, QVariantList { loggable(args)... }));
    }
    // A diagnostic of a layer's category (core/LogCategories.h), written
    // as log() writes, after the category's name, only while that
    // category's debug lines are switched on: lines that would come with
    // every reply stay out of the terminal unless someone asks for them.
    template <typename... Args>
    static void debug(const QLoggingCategory& (*category)(), const QString& pattern, const Args&... args)
    {
        if (enabled() && category().isDebugEnabled())
            writeFrom(pattern, QLatin1String(category().categoryName()) + QLatin1String(": ")
                          + TextFormat::format(pattern, QVariantList { loggable(args)... }));
    }
    // Writes a line made from the format site, unless that format is
    // flooding the log (then a summary now and then instead).
    static void writeFrom(const QString& site, const QString& line);
    // Forgets what the rate limit counted (tests that read the log).
    static void resetRateLimit();

    static bool enabled();
    static void setEnabled(bool enabled);
    // Replaces where the lines go (nullptr: standard error).
    static void setSink(Sink sink);
    static Sink currentSink();

private:
    template <typename T>
    static QVariant loggable(const T& value)
    {
        if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>)
            return QVariant::fromValue(value);
        else if constexpr (std::is_same_v<T, QChar>)
            return value.unicode() < 0x20 || (value.unicode() >= 0x7f && value.unicode() < 0xa0)
                ? QVariant::fromValue(QChar(QChar::ReplacementCharacter))
                : QVariant::fromValue(value);
        else
            return LogText::escaped(QVariant::fromValue(value).toString());
    }
};
