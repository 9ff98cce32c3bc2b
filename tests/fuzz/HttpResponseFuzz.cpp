// libFuzzer target: a server's reply as the request channel reads it off
// the socket. The first byte chooses where the bytes are split as they
// arrive and whether the peer closes; read in pieces or all at once, the
// reply must read the same, and nothing taken may exceed the limits.
#include "vlc/HttpResponseParser.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const unsigned choice = data[0];
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const bool closed = choice & 1;
    const qsizetype step = qsizetype(choice >> 1) + 1;

    HttpResponseParser::Limits limits;
    limits.maxBodyBytes = 4096;
    limits.maxLineBytes = 256;
    limits.maxHeaderBytes = 1024;
    limits.maxHeaders = 16;

    HttpResponseParser::Message whole;
    const HttpResponseParser::State once = HttpResponseParser::parse(bytes, closed, limits, &whole);

    HttpResponseParser pieces(limits);
    for (qsizetype at = 0; at < bytes.size(); at += step)
        pieces.feed(bytes.sliced(at, qMin(step, bytes.size() - at)));
    const HttpResponseParser::State split = closed ? pieces.finish() : pieces.state();

    if (once != split)
        std::abort(); // the split of the bytes changed the verdict
    if (once == HttpResponseParser::State::Complete) {
        const HttpResponseParser::Message& other = pieces.message();
        if (whole.status != other.status || whole.body != other.body || whole.headers != other.headers)
            std::abort();
        if (whole.status < 100 || whole.status > 599 || whole.body.size() > limits.maxBodyBytes
            || whole.headers.size() > limits.maxHeaders)
            std::abort(); // past a limit
    }
    return 0;
}
