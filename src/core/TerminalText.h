#pragma once

#include <QString>
#include <QStringView>

// Text from outside (a server's titles and names, a path, a log line) made
// safe to print on a terminal: every control character is shown as an
// escape instead of acting - a line feed as \n, a carriage return as \r, a
// tab as \t, the other C0 controls and DEL as \xHH, the C1 controls (U+0080
// to U+009F, which some terminals obey as escape sequences) and the line
// and paragraph separators as \uHHHH. So an escape sequence cannot retitle
// or clear the terminal, and a name stays on its one row. Everything else,
// backslashes included, is kept as it is. Text without controls comes back
// unchanged (and shared).
QString escapedForTerminal(QStringView text);
QString escapedForTerminal(const QString& text);
