#pragma once

#include <QString>

#include <optional>

// A VLC password read from a file rather than given on the command line,
// where every local user sees it (/proc/PID/cmdline). The password is the
// file's first line, without its line break. "-" reads it from standard
// input, which must then not be a terminal. Anything that is not a small
// regular file - missing, unreadable, a folder, a FIFO, a device, past
// maxBytes - is refused at once, never waited on; standard input is waited
// on for at most stdinWaitMs.
namespace PasswordFile {
inline constexpr qsizetype maxBytes = 4096;
inline constexpr int stdinWaitMs = 10000;

// The password, or nothing with a one-line reason (naming the file) in error.
std::optional<QString> read(const QString& path, QString* error);
}
