// libFuzzer target: what a peer sends the cast server. The bytes are read
// as a request head, as the server reads them while they arrive, and
// (after the first eight, taken as a file size) as a Range value. A
// complete head must read the same when cut right after it, every shorter
// piece of it must wait for more, and nothing taken may pass a limit; a
// range must lie inside the file.
#include "net/CastRequest.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    CastRequestHead::Limits limits;
    limits.maxRequestLine = 128;
    limits.maxHeaderLine = 96;
    limits.maxHead = 512;
    limits.maxHeaders = 8;
    const CastRequestHead::Parsed whole = CastRequestHead::parse(bytes, limits);
    if (whole.outcome == CastRequestHead::Outcome::Complete) {
        if (whole.consumed <= 0 || whole.consumed > bytes.size() || whole.consumed > limits.maxHead)
            std::abort();
        const CastRequest& request = whole.request;
        if (request.target.isEmpty() || request.target.size() > limits.maxRequestLine)
            std::abort();
        const CastRequestHead::Parsed cut = CastRequestHead::parse(bytes.first(whole.consumed), limits);
        if (cut.outcome != whole.outcome || cut.consumed != whole.consumed || cut.request.target != request.target
            || cut.request.range != request.range || cut.request.keepAlive != request.keepAlive)
            std::abort(); // what came after the head changed it
        // Every cut, as the bytes may arrive anywhere: a step would skip
        // the one that ends on a CR after the longest line.
        for (qsizetype at = 0; at < whole.consumed; ++at)
            if (CastRequestHead::parse(bytes.first(at), limits).outcome != CastRequestHead::Outcome::NeedMore)
                std::abort(); // a piece of a good head refused, or taken as whole
        if (const std::optional<QByteArray> path = CastRequestHead::decodedPath(request.target))
            if (path->size() > request.target.size() || !path->startsWith('/'))
                std::abort();
    } else if (whole.outcome == CastRequestHead::Outcome::Refused) {
        if (whole.status < 400 || whole.status > 505)
            std::abort();
    } else if (bytes.size() >= limits.maxHead) {
        std::abort(); // waiting for more past the limit
    }

    if (size >= 8) {
        qint64 fileSize = 0;
        std::memcpy(&fileSize, data, sizeof fileSize);
        fileSize &= 0x0000ffffffffffffLL; // up to 256 TiB
        const ByteRange range = ByteRange::parse(bytes.sliced(8), fileSize);
        if (range.kind == ByteRange::Kind::Partial
            && (range.first < 0 || range.first > range.last || range.last >= fileSize))
            std::abort();
    }
    return 0;
}
