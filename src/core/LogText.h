#pragma once

#include <QString>
#include <QStringView>

// Text from outside (a server's reply, a file name, a page address) made
// safe for one line of a log: control characters, line and paragraph
// separators and the bidirectional overrides are written as escapes, so
// that nothing can start a fake line or drive the terminal the log is read
// on, and the text is cut to a bounded length.
namespace LogText {
constexpr qsizetype maxChars = 300;

QString escaped(QStringView text, qsizetype limit = maxChars);
}
