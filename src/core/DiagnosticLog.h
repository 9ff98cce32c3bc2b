#pragma once

#include <QString>
#include <QUrl>

// The diagnostic log file, Documents/log.txt in the home directory: one
// line per entry, "<date and time> <text>", in UTF-8, readable by its
// owner alone. The text may come from outside, so each entry is escaped
// onto one line and cut short, entries are rate-limited (LogRateLimit) and
// the file stops growing at its cap: nothing a server sends fills the disk.
// Writing needs the file to exist: it is made at launch, and an entry for
// a missing file is dropped.
namespace DiagnosticLog {
constexpr qint64 maxFileBytes = 1024 * 1024;
constexpr qsizetype maxEntryChars = 2000;

QString path();
// Makes the file when there is none.
void create();
void append(const QString& text);
// A mailto: link whose body is the whole log; empty when there is no file.
QUrl mailUrl();
void remove();
}
