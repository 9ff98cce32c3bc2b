#include "vlc/HttpResponseParser.h"

#include <cstring>
#include <optional>

namespace {
bool isTokenChar(char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    return std::strchr("!#$%&'*+-.^_`|~", c) != nullptr && c != '\0';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v = v.chopped(1);
    return v;
}

// Digits only, no sign, no blanks, no more than fits well in a qint64.
std::optional<qint64> decimal(QByteArrayView v)
{
    if (v.isEmpty() || v.size() > 18)
        return std::nullopt;
    qint64 n = 0;
    for (char c : v) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::optional<qint64> hexadecimal(QByteArrayView v)
{
    if (v.isEmpty() || v.size() > 15)
        return std::nullopt;
    qint64 n = 0;
    for (char c : v) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        n = n * 16 + d;
    }
    return n;
}
}

HttpResponseParser::HttpResponseParser(const Limits& limits)
    : m_limits(limits)
{
}

HttpResponseParser::State HttpResponseParser::parse(QByteArrayView bytes, bool closed, const Limits& limits, Message* message)
{
    HttpResponseParser parser(limits);
    State state = parser.feed(bytes);
    if (closed)
        state = parser.finish();
    if (message && state == State::Complete)
        *message = parser.takeMessage();
    return state;
}

HttpResponseParser::State HttpResponseParser::feed(QByteArrayView bytes)
{
    while (m_state == State::Incomplete && !bytes.isEmpty()) {
        qsizetype used = 0;
        switch (m_phase) {
        case Phase::Body:
        case Phase::ChunkData:
            used = takeBody(bytes, m_remaining);
            m_remaining -= used;
            if (m_state == State::Incomplete && m_remaining == 0) {
                if (m_phase == Phase::Body)
                    complete();
                else
                    m_phase = Phase::ChunkEnd;
            }
            break;
        case Phase::UntilClose:
            used = takeBody(bytes, bytes.size());
            break;
        case Phase::Done:
            return m_state;
        default: {
            bool whole = false;
            used = takeLine(bytes, &whole);
            if (m_state == State::Incomplete && whole) {
                QByteArrayView line(m_line);
                if (line.endsWith('\r'))
                    line.chop(1);
                const bool ok = onLine(line);
                m_line.clear();
                if (!ok && m_state == State::Incomplete)
                    fail(State::Malformed);
            }
            break;
        }
        }
        bytes = bytes.sliced(used);
    }
    return m_state;
}

HttpResponseParser::State HttpResponseParser::finish()
{
    if (m_state != State::Incomplete)
        return m_state;
    if (m_phase == Phase::UntilClose)
        complete();
    else
        fail(State::Malformed);
    return m_state;
}

qsizetype HttpResponseParser::takeLine(QByteArrayView bytes, bool* whole)
{
    const void* nl = std::memchr(bytes.data(), '\n', size_t(bytes.size()));
    const qsizetype used = nl ? static_cast<const char*>(nl) - bytes.data() + 1 : bytes.size();
    // Header lines count against the header block; chunk-size lines only
    // against the line length (a body of many small chunks is still a body).
    const bool inHead = m_phase == Phase::StatusLine || m_phase == Phase::Headers || m_phase == Phase::Trailers;
    if (m_line.size() + used > m_limits.maxLineBytes + 1 || (inHead && m_headerBytes + used > m_limits.maxHeaderBytes)) {
        fail(State::Malformed);
        return used;
    }
    if (inHead)
        m_headerBytes += used;
    m_line.append(bytes.first(nl ? used - 1 : used));
    *whole = nl != nullptr;
    return used;
}

bool HttpResponseParser::onLine(QByteArrayView line)
{
    switch (m_phase) {
    case Phase::StatusLine:
        return onStatusLine(line);
    case Phase::Headers:
        return line.isEmpty() ? onHeadersEnd() : onHeaderLine(line);
    case Phase::ChunkSize:
        return onChunkSizeLine(line);
    case Phase::ChunkEnd:
        if (!line.isEmpty())
            return false;
        m_phase = Phase::ChunkSize;
        return true;
    case Phase::Trailers:
        // Trailer fields are read past, never taken: nothing here needs them.
        if (line.isEmpty())
            complete();
        else if (line.indexOf(':') <= 0)
            return false;
        return true;
    default:
        return false;
    }
}

bool HttpResponseParser::onStatusLine(QByteArrayView line)
{
    // HTTP/1.x SP 3DIGIT [SP reason]
    if (line.size() < 12 || !line.startsWith("HTTP/1.") || line[7] < '0' || line[7] > '9' || line[8] != ' ')
        return false;
    const QByteArrayView code = line.sliced(9, 3);
    if (line.size() > 12 && line[12] != ' ')
        return false;
    const std::optional<qint64> status = decimal(code);
    if (!status || *status < 100 || *status > 599 || *status == 101)
        return false;
    m_message.status = int(*status);
    m_message.headers.clear();
    m_phase = Phase::Headers;
    return true;
}

bool HttpResponseParser::onHeaderLine(QByteArrayView line)
{
    // A folded line (one that starts blank) is refused, as is a name with
    // blanks or other than token characters.
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0)
        return false;
    const QByteArrayView name = line.first(colon);
    for (char c : name) {
        if (!isTokenChar(c))
            return false;
    }
    if (m_message.headers.size() >= m_limits.maxHeaders)
        return false;
    m_message.headers.append(qMakePair(name.toByteArray(), trimmed(line.sliced(colon + 1)).toByteArray()));
    return true;
}

bool HttpResponseParser::onHeadersEnd()
{
    const int status = m_message.status;
    if (status < 200) {
        // An interim reply: the real one follows.
        m_phase = Phase::StatusLine;
        return true;
    }
    std::optional<qint64> length;
    bool chunked = false;
    for (const auto& [name, value] : m_message.headers) {
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
            const std::optional<qint64> n = decimal(value);
            if (!n || (length && *length != *n))
                return false;
            length = n;
        } else if (name.compare("Transfer-Encoding", Qt::CaseInsensitive) == 0) {
            // Only chunked is read, alone and once: a coding underneath it
            // could not be undone here.
            if (chunked || value.compare("chunked", Qt::CaseInsensitive) != 0)
                return false;
            chunked = true;
        }
    }
    if (chunked && length)
        return false; // two framings at once: which one the server meant cannot be told
    if (status == 204 || status == 304) {
        complete();
        return true;
    }
    if (chunked) {
        m_phase = Phase::ChunkSize;
    } else if (length) {
        if (*length > m_limits.maxBodyBytes) {
            fail(State::TooLarge);
            return true;
        }
        m_remaining = *length;
        // Only what is likely to come: a length is a claim, not bytes.
        m_message.body.reserve(qsizetype(qMin<qint64>(*length, 1024 * 1024)));
        m_phase = Phase::Body;
        if (m_remaining == 0)
            complete();
    } else {
        m_phase = Phase::UntilClose;
    }
    return true;
}

bool HttpResponseParser::onChunkSizeLine(QByteArrayView line)
{
    // chunk-size [BWS] [; extensions], which are read past.
    const qsizetype semicolon = line.indexOf(';');
    QByteArrayView size = semicolon >= 0 ? line.first(semicolon) : line;
    while (!size.isEmpty() && isBlank(size.back()))
        size.chop(1);
    const std::optional<qint64> n = hexadecimal(size);
    if (!n)
        return false;
    if (*n > m_limits.maxBodyBytes - m_message.body.size()) {
        fail(State::TooLarge);
        return true;
    }
    if (*n == 0) {
        m_phase = Phase::Trailers;
        return true;
    }
    m_remaining = *n;
    m_phase = Phase::ChunkData;
    return true;
}

qsizetype HttpResponseParser::takeBody(QByteArrayView bytes, qint64 wanted)
{
    const qsizetype n = qsizetype(qMin<qint64>(wanted, bytes.size()));
    if (m_message.body.size() + n > m_limits.maxBodyBytes) {
        fail(State::TooLarge);
        return n;
    }
    m_message.body.append(bytes.first(n));
    return n;
}

void HttpResponseParser::complete()
{
    m_phase = Phase::Done;
    m_state = State::Complete;
    m_line.clear();
}
