#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The head of one request to the cast server, read strictly: whoever
// connects may be hostile, so the request line, each header line, the
// whole head and the number of headers are bounded, only GET and HEAD of
// HTTP/1.0 and 1.1 are taken, and anything that could frame a body or be
// read two ways (a length, a transfer coding, a folded or bare-LF line, a
// second Range or Host) is refused.
struct CastRequest {
    enum class Method { Get, Head };

    Method method = Method::Get;
    QByteArray target; // as sent, still percent-escaped
    bool http11 = false;
    bool keepAlive = false;
    std::optional<QByteArray> range; // the Range value, blanks around it removed
    bool ifRange = false;            // an If-Range came: we send no validator it could match
};

// Reads a CastRequest from the bytes that came.
class CastRequestHead {
public:
    using Method = CastRequest::Method;

    struct Limits {
        int maxRequestLine = 4096;
        int maxHeaderLine = 4096;
        int maxHead = 16384; // request line, headers and the blank line
        int maxHeaders = 64;
    };

    enum class Outcome {
        NeedMore, // no blank line yet, and nothing wrong so far
        Complete,
        Refused,
    };

    struct Parsed {
        Outcome outcome = Outcome::NeedMore;
        int status = 0;        // for a refusal: what to answer (400, 405, 414, 431, 505)
        qsizetype consumed = 0; // bytes of the head, blank line included
        CastRequest request;
    };

    // Reads a head from the start of bytes (which may hold more after it).
    static Parsed parse(QByteArrayView bytes, const Limits& limits);
    static Parsed parse(QByteArrayView bytes) { return parse(bytes, Limits {}); }

    // The target's path with its escapes undone; nothing for a target
    // that is not a plain path (no leading slash, a query or fragment, a
    // broken escape). The result is compared, never used as a file path.
    static std::optional<QByteArray> decodedPath(QByteArrayView target);
};

// What a Range value asks of a file of a given size, strictly.
struct ByteRange {
    enum class Kind {
        Whole,         // no range to honour: another unit, or several ranges
        Partial,       // first..last, both inside the file
        Unsatisfiable, // a malformed byte range, or one beyond the end
    };

    Kind kind = Kind::Whole;
    qint64 first = 0;
    qint64 last = -1;

    qint64 length() const { return last - first + 1; }

    static ByteRange parse(QByteArrayView value, qint64 size);
};
