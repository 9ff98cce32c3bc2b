#include "vlc/StreamAddress.h"

#include <QUrl>

#include <algorithm>
#include <array>

namespace {
// What VLC opens over the network. Local files go through the browser.
constexpr std::array<const char*, 14> networkSchemes { "http", "https", "ftp", "ftps", "sftp", "rtsp", "rtp",
                                                       "udp", "mms", "mmsh", "mmst", "rtmp", "smb", "nfs" };
// VLC listens on these when no host is given ("udp://@:1234").
bool mayListen(const QString& scheme)
{
    return scheme == u"udp" || scheme == u"rtp";
}

bool isControl(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format: // invisible: bidirectional overrides, zero-width marks
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

bool isSchemeChar(QChar c, bool first)
{
    const char16_t u = c.unicode();
    const bool letter = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
    return letter || (!first && ((u >= '0' && u <= '9') || u == '+' || u == '-' || u == '.'));
}
}

QStringList StreamAddress::schemes()
{
    QStringList names;
    for (const char* scheme : networkSchemes)
        names << QLatin1String(scheme);
    return names;
}

StreamAddress::Checked StreamAddress::check(const QString& text)
{
    Checked checked;
    // Bounded before anything else looks at it.
    if (text.size() > maxLength * 4) {
        checked.problem = Problem::TooLong;
        return checked;
    }
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return checked;
    if (trimmed.size() > maxLength) {
        checked.problem = Problem::TooLong;
        return checked;
    }
    for (const QChar c : trimmed) {
        if (isControl(c)) {
            checked.problem = Problem::ControlCharacter;
            return checked;
        }
    }
    for (const QChar c : trimmed) {
        if (c.isSpace()) {
            checked.problem = Problem::Whitespace;
            return checked;
        }
    }
    qsizetype colon = 0;
    while (colon < trimmed.size() && isSchemeChar(trimmed[colon], colon == 0))
        ++colon;
    if (colon == 0 || colon >= trimmed.size() || trimmed[colon] != u':') {
        checked.problem = Problem::NoScheme;
        return checked;
    }
    checked.scheme = trimmed.left(colon).toLower();
    if (!schemes().contains(checked.scheme)) {
        checked.problem = Problem::UnsupportedScheme;
        return checked;
    }
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid() || !trimmed.mid(colon + 1).startsWith(QStringLiteral("//"))) {
        checked.problem = Problem::Malformed;
        return checked;
    }
    if (url.host().isEmpty() && !mayListen(checked.scheme)) {
        checked.problem = Problem::NoHost;
        return checked;
    }
    // Letters beyond ASCII go percent-escaped (the host in its ASCII
    // form); what is plain ASCII goes as typed, "udp://@:1234" included.
    const bool ascii = std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QString address = ascii ? trimmed : url.toString(QUrl::FullyEncoded);
    if (address.isEmpty()) {
        checked.problem = Problem::Malformed;
        return checked;
    }
    if (address.size() > maxLength) {
        checked.problem = Problem::TooLong;
        return checked;
    }
    checked.address = address;
    checked.problem = Problem::None;
    return checked;
}

QString StreamAddress::key(Problem problem)
{
    switch (problem) {
    case Problem::None: return QStringLiteral("none");
    case Problem::Empty: return QStringLiteral("empty");
    case Problem::TooLong: return QStringLiteral("too-long");
    case Problem::Whitespace: return QStringLiteral("whitespace");
    case Problem::ControlCharacter: return QStringLiteral("control-character");
    case Problem::NoScheme: return QStringLiteral("no-scheme");
    case Problem::UnsupportedScheme: return QStringLiteral("unsupported-scheme");
    case Problem::NoHost: return QStringLiteral("no-host");
    case Problem::Malformed: break;
    }
    return QStringLiteral("malformed");
}
