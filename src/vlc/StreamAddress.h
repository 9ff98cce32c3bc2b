#pragma once

#include <QString>
#include <QStringList>

// An address for VLC to open as a stream ("Open address..."), checked
// before it goes: a network scheme VLC opens, a host (a stream VLC listens
// for over UDP or RTP may leave it out), no white space or control
// characters inside, and a bounded length. Surrounding white space, as a
// paste brings it, is dropped.
namespace StreamAddress {
enum class Problem {
    None,
    Empty,
    TooLong,
    Whitespace,       // a space or other blank inside
    ControlCharacter, // a line break, tab, or an invisible control or format character
    NoScheme,         // no "scheme:" in front
    UnsupportedScheme,
    NoHost,
    Malformed,
};
constexpr qsizetype maxLength = 2048;

struct Checked {
    Problem problem = Problem::Empty;
    QString address; // what goes to VLC; empty unless the address is fine
    QString scheme;  // in lower case, when one was read
};
Checked check(const QString& text);
// The schemes accepted, in lower case.
QStringList schemes();
// A stable name for scripts and logs ("unsupported-scheme", ...).
QString key(Problem problem);
}
