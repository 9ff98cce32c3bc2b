#include "net/CastRequest.h"

namespace {
bool isTokenChar(char c)
{
    // RFC 9110's tchar.
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    switch (c) {
    case '!': case '#': case '$': case '%': case '&': case '\'': case '*': case '+':
    case '-': case '.': case '^': case '_': case '`': case '|': case '~':
        return true;
    default:
        return false;
    }
}

bool isToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (char c : text)
        if (!isTokenChar(c))
            return false;
    return true;
}

// Visible characters, spaces and tabs, and bytes past ASCII (obs-text).
bool isFieldValue(QByteArrayView text)
{
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t')
            return false;
        if (u == 0x7f)
            return false;
    }
    return true;
}

bool isTargetChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u > 0x20 && u < 0x7f;
}

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

bool equalsNoCase(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Whether a comma-separated header value lists the word.
bool listHas(QByteArrayView value, QByteArrayView word)
{
    while (!value.isEmpty()) {
        const qsizetype comma = value.indexOf(',');
        const QByteArrayView item = trimmedBlanks(comma < 0 ? value : value.first(comma));
        if (equalsNoCase(item, word))
            return true;
        if (comma < 0)
            break;
        value = value.sliced(comma + 1);
    }
    return false;
}

CastRequestHead::Parsed refusal(int status)
{
    CastRequestHead::Parsed parsed;
    parsed.outcome = CastRequestHead::Outcome::Refused;
    parsed.status = status;
    return parsed;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Plain decimal digits, at most 18 of them (no overflow); nothing else.
std::optional<qint64> digits(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}
}

CastRequestHead::Parsed CastRequestHead::parse(QByteArrayView bytes, const Limits& limits)
{
    // The head ends at the first blank line; a lone LF anywhere before it
    // is refused at once rather than waited on.
    const qsizetype scan = qMin(bytes.size(), qsizetype(limits.maxHead));
    qsizetype end = -1;
    qsizetype firstLineEnd = -1;
    for (qsizetype i = 0; i < scan; ++i) {
        if (bytes[i] == '\n') {
            if (i == 0 || bytes[i - 1] != '\r')
                return refusal(400);
            if (firstLineEnd < 0)
                firstLineEnd = i - 1;
            if (i >= 3 && bytes[i - 2] == '\n' && bytes[i - 3] == '\r') {
                end = i + 1;
                break;
            }
        } else if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] != '\n') {
            return refusal(400);
        }
    }
    // A CR at the end may be the start of the line's end.
    const qsizetype lineSoFar = scan > 0 && bytes[scan - 1] == '\r' ? scan - 1 : scan;
    if (firstLineEnd < 0 && lineSoFar > limits.maxRequestLine)
        return refusal(414);
    if (firstLineEnd > limits.maxRequestLine)
        return refusal(414);
    if (end < 0) {
        if (bytes.size() >= limits.maxHead)
            return refusal(431);
        return {};
    }

    const QByteArrayView head = bytes.first(end - 4); // without the last CRLF CRLF
    const QByteArrayView requestLine = head.first(firstLineEnd);

    // method SP target SP version, single spaces.
    const qsizetype sp1 = requestLine.indexOf(' ');
    const qsizetype sp2 = sp1 < 0 ? -1 : requestLine.indexOf(' ', sp1 + 1);
    if (sp1 <= 0 || sp2 < 0 || requestLine.indexOf(' ', sp2 + 1) >= 0)
        return refusal(400);
    const QByteArrayView method = requestLine.first(sp1);
    const QByteArrayView target = requestLine.sliced(sp1 + 1, sp2 - sp1 - 1);
    const QByteArrayView version = requestLine.sliced(sp2 + 1);
    if (!isToken(method) || target.isEmpty())
        return refusal(400);
    for (char c : target)
        if (!isTargetChar(c))
            return refusal(400);
    if (version.size() != 8 || !version.startsWith("HTTP/"))
        return refusal(400);
    Parsed parsed;
    CastRequest& request = parsed.request;
    if (version == "HTTP/1.1")
        request.http11 = true;
    else if (version != "HTTP/1.0")
        return refusal(505);
    if (method == "GET")
        request.method = Method::Get;
    else if (method == "HEAD")
        request.method = Method::Head;
    else
        return refusal(405);
    request.target = target.toByteArray();

    int headers = 0;
    int hosts = 0;
    std::optional<QByteArrayView> connection;
    QByteArrayView rest = head.size() > firstLineEnd ? head.sliced(firstLineEnd + 2) : QByteArrayView();
    while (!rest.isEmpty()) {
        const qsizetype lineEnd = rest.indexOf("\r\n");
        const QByteArrayView line = lineEnd < 0 ? rest : rest.first(lineEnd);
        rest = lineEnd < 0 ? QByteArrayView() : rest.sliced(lineEnd + 2);
        if (++headers > limits.maxHeaders || line.size() > limits.maxHeaderLine)
            return refusal(431);
        // A folded line (a blank first) could be read two ways.
        if (line.isEmpty() || line.front() == ' ' || line.front() == '\t')
            return refusal(400);
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return refusal(400);
        const QByteArrayView name = line.first(colon);
        const QByteArrayView value = trimmedBlanks(line.sliced(colon + 1));
        if (!isToken(name) || !isFieldValue(value))
            return refusal(400);
        if (equalsNoCase(name, "Range")) {
            if (request.range)
                return refusal(400);
            request.range = value.toByteArray();
        } else if (equalsNoCase(name, "Host")) {
            ++hosts;
        } else if (equalsNoCase(name, "Connection")) {
            if (connection)
                return refusal(400);
            connection = value;
        } else if (equalsNoCase(name, "If-Range")) {
            request.ifRange = true;
        } else if (equalsNoCase(name, "Content-Length")) {
            // GET and HEAD carry no body here; any other length would leave
            // bytes we do not read in front of the next request.
            if (value != "0")
                return refusal(400);
        } else if (equalsNoCase(name, "Transfer-Encoding")) {
            return refusal(400);
        }
    }
    if (hosts > 1 || (request.http11 && hosts == 0))
        return refusal(400);
    if (request.http11)
        request.keepAlive = !(connection && listHas(*connection, "close"));
    else
        request.keepAlive = false; // a 1.0 client hears the end of a response by the close
    parsed.outcome = Outcome::Complete;
    parsed.consumed = end;
    return parsed;
}

std::optional<QByteArray> CastRequestHead::decodedPath(QByteArrayView target)
{
    if (target.isEmpty() || target.front() != '/')
        return std::nullopt;
    QByteArray path;
    path.reserve(target.size());
    for (qsizetype i = 0; i < target.size(); ++i) {
        const char c = target[i];
        if (c == '?' || c == '#')
            return std::nullopt;
        if (c != '%') {
            path.append(c);
            continue;
        }
        if (i + 2 >= target.size())
            return std::nullopt;
        const int high = hexValue(target[i + 1]);
        const int low = hexValue(target[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        path.append(char(high * 16 + low));
        i += 2;
    }
    return path;
}

ByteRange ByteRange::parse(QByteArrayView value, qint64 size)
{
    ByteRange range;
    const qsizetype equals = value.indexOf('=');
    if (equals < 0 || !equalsNoCase(trimmedBlanks(value.first(equals)), "bytes"))
        return range; // another unit: the whole file, as if none was asked
    const QByteArrayView set = value.sliced(equals + 1);
    if (set.contains(','))
        return range; // several ranges: the whole file, in one part
    range.kind = Kind::Unsatisfiable;
    const qsizetype dash = set.indexOf('-');
    if (dash < 0)
        return range;
    const QByteArrayView before = set.first(dash);
    const QByteArrayView after = set.sliced(dash + 1);
    if (before.isEmpty()) {
        // The last n bytes.
        const std::optional<qint64> suffix = digits(after);
        if (!suffix || *suffix == 0 || size == 0)
            return range;
        range.kind = Kind::Partial;
        range.first = qMax<qint64>(0, size - *suffix);
        range.last = size - 1;
        return range;
    }
    const std::optional<qint64> first = digits(before);
    if (!first)
        return range;
    qint64 last = size - 1;
    if (!after.isEmpty()) {
        const std::optional<qint64> given = digits(after);
        if (!given || *given < *first)
            return range;
        last = qMin(*given, size - 1);
    }
    if (*first >= size)
        return range;
    range.kind = Kind::Partial;
    range.first = *first;
    range.last = last;
    return range;
}
