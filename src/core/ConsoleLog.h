#pragma once

#include "core/TextFormat.h"

#include <QString>

#include <functional>

// The diagnostic console log: developer-facing lines with fixed formats,
// never shown to the user. By default the lines go to standard error; tests
// capture them and the command-line tool keeps them quiet unless asked.
class ConsoleLog {
public:
    using Sink = std::function<void(const QString& line)>;

    static void write(const QString& line);

    template <typename... Args>
    static void log(const QString& pattern, const Args&... args)
    {
        if (enabled())
            write(fmt(pattern, args...));
    }

    static bool enabled();
    static void setEnabled(bool enabled);
    // Replaces where the lines go (nullptr: standard error).
    static void setSink(Sink sink);
    static Sink currentSink();
};
