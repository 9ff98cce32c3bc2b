#include "vlc/HttpResponseParser.h"

#include <gtest/gtest.h>

namespace {
using State = HttpResponseParser::State;

struct Case {
    const char* name;
    QByteArray bytes;
    bool closed;
    State state;
    int status = 0;
    QByteArray body = {};
};

HttpResponseParser::Limits smallLimits()
{
    HttpResponseParser::Limits limits;
    limits.maxBodyBytes = 100;
    limits.maxLineBytes = 64;
    limits.maxHeaderBytes = 256;
    limits.maxHeaders = 8;
    return limits;
}

// The same bytes one at a time must read exactly as all at once.
State parseByteByByte(const QByteArray& bytes, bool closed, HttpResponseParser::Message* message)
{
    HttpResponseParser parser(smallLimits());
    for (char c : bytes)
        parser.feed(QByteArrayView(&c, 1));
    State state = closed ? parser.finish() : parser.state();
    *message = parser.message();
    return state;
}

void expectAll(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        HttpResponseParser::Message whole;
        HttpResponseParser::Message split;
        EXPECT_EQ(HttpResponseParser::parse(c.bytes, c.closed, smallLimits(), &whole), c.state) << c.name;
        EXPECT_EQ(parseByteByByte(c.bytes, c.closed, &split), c.state) << c.name;
        if (c.state != State::Complete)
            continue;
        EXPECT_EQ(whole.status, c.status) << c.name;
        EXPECT_EQ(whole.body, c.body) << c.name;
        EXPECT_EQ(split.body, c.body) << c.name;
    }
}

QByteArray head(const QByteArray& headers)
{
    return "HTTP/1.1 200 OK\r\n" + headers + "\r\n";
}
}

TEST(HttpResponseParser, ReadsEveryFramingOfABody)
{
    const QByteArray chunked = head("Transfer-Encoding: chunked\r\n");
    expectAll({
        { "length", head("Content-Length: 5\r\n") + "hello", false, State::Complete, 200, "hello" },
        { "bytes past the length are not looked at", head("Content-Length: 2\r\n") + "hi\r\nHTTP/1.1 junk", false, State::Complete, 200, "hi" },
        { "empty by length", head("Content-Length: 0\r\n"), false, State::Complete, 200, "" },
        { "repeated equal lengths", head("Content-Length: 3\r\nContent-length: 3\r\n") + "abc", false, State::Complete, 200, "abc" },
        { "chunked with extensions and trailers",
            chunked + "5;name=\"v\"\r\nhello\r\n6 ; x\r\n world\r\n0\r\nX-Trailer: 1\r\n\r\n", false, State::Complete, 200, "hello world" },
        { "chunk sizes in any case", chunked + "A\r\n0123456789\r\na\r\n0123456789\r\n0\r\n\r\n", false, State::Complete, 200,
            "01234567890123456789" },
        { "until the close", head("") + "body to the end", true, State::Complete, 200, "body to the end" },
        { "until the close, not yet closed", head("") + "more to come", false, State::Incomplete },
        { "bare line feeds, HTTP/1.0, no reason", "HTTP/1.0 404\nContent-Length: 2\n\nno", false, State::Complete, 404, "no" },
        { "an interim reply first", "HTTP/1.1 100 Continue\r\n\r\n" + head("Content-Length: 2\r\n") + "ok", false, State::Complete, 200, "ok" },
        { "no body for 204", "HTTP/1.1 204 No Content\r\n\r\n", false, State::Complete, 204, "" },
        { "body exactly at the cap", head("Content-Length: 100\r\n") + QByteArray(100, 'x'), false, State::Complete, 200, QByteArray(100, 'x') },
    });

    HttpResponseParser::Message message;
    HttpResponseParser::parse(
        "HTTP/1.1 401 Unauthorized\r\nwww-authenticate:   Basic realm=\"VLC stream\"  \r\nContent-Length: 0\r\n\r\n", false,
        smallLimits(), &message);
    EXPECT_EQ(message.header("WWW-Authenticate"), QByteArray("Basic realm=\"VLC stream\""));
}

TEST(HttpResponseParser, RefusesWhatCannotBeTrusted)
{
    const QByteArray chunked = head("Transfer-Encoding: chunked\r\n");
    QByteArray manyHeaders;
    for (int i = 0; i < 9; ++i)
        manyHeaders += "X-" + QByteArray::number(i) + ": 1\r\n";
    QByteArray longBlock;
    for (int i = 0; i < 6; ++i)
        longBlock += "X-Long-" + QByteArray::number(i) + ": " + QByteArray(40, 'v') + "\r\n";
    expectAll({
        // Status lines.
        { "HTTP/2", "HTTP/2 200 OK\r\n\r\n", false, State::Malformed },
        { "not HTTP", "ICY 200 OK\r\n\r\n", false, State::Malformed },
        { "two digits", "HTTP/1.1 20 OK\r\n\r\n", false, State::Malformed },
        { "four digits", "HTTP/1.1 2000 OK\r\n\r\n", false, State::Malformed },
        { "no space after the code", "HTTP/1.1 200OK\r\n\r\n", false, State::Malformed },
        { "code out of range", "HTTP/1.1 600 Odd\r\n\r\n", false, State::Malformed },
        { "a switch of protocols", "HTTP/1.1 101 Switching\r\n\r\n", false, State::Malformed },
        // Headers.
        { "a line over the limit", head("X-Big: " + QByteArray(80, 'v') + "\r\n"), false, State::Malformed },
        { "a header block over the limit", head(longBlock), false, State::Malformed },
        { "too many headers", head(manyHeaders), false, State::Malformed },
        { "a folded line", head("X-A: 1\r\n continued\r\n"), false, State::Malformed },
        { "a blank before the colon", head("Content-Length : 2\r\n") + "ok", false, State::Malformed },
        { "no colon", head("Content-Length 2\r\n") + "ok", false, State::Malformed },
        // Lengths.
        { "negative length", head("Content-Length: -1\r\n"), false, State::Malformed },
        { "signed length", head("Content-Length: +2\r\n") + "ok", false, State::Malformed },
        { "two numbers", head("Content-Length: 2 2\r\n") + "ok", false, State::Malformed },
        { "differing lengths", head("Content-Length: 2\r\nContent-Length: 3\r\n") + "ok", false, State::Malformed },
        { "a length beyond any number", head("Content-Length: 99999999999999999999999\r\n"), false, State::Malformed },
        { "a length over the cap, refused before its bytes", head("Content-Length: 101\r\n"), false, State::TooLarge },
        { "a body cut short", head("Content-Length: 10\r\n") + "short", true, State::Malformed },
        { "a close-delimited body over the cap", head("") + QByteArray(101, 'x'), false, State::TooLarge },
        // Framings.
        { "chunked and a length", head("Transfer-Encoding: chunked\r\nContent-Length: 5\r\n") + "0\r\n\r\n", false, State::Malformed },
        { "a coding under chunked", head("Transfer-Encoding: gzip, chunked\r\n") + "0\r\n\r\n", false, State::Malformed },
        // Chunk sizes.
        { "not hexadecimal", chunked + "zz\r\n", false, State::Malformed },
        { "empty size", chunked + "\r\n", false, State::Malformed },
        { "negative size", chunked + "-1\r\nx\r\n", false, State::Malformed },
        { "a size beyond any number", chunked + "fffffffffffffffffff\r\n", false, State::Malformed },
        { "a chunk over the cap", chunked + "65\r\n", false, State::TooLarge },
        { "chunks adding up over the cap", chunked + "32\r\n" + QByteArray(50, 'x') + "\r\n33\r\n", false, State::TooLarge },
        { "no line end after the data", chunked + "2\r\nokX\r\n0\r\n\r\n", false, State::Malformed },
        { "closed before the last chunk", chunked + "2\r\nok\r\n", true, State::Malformed },
        { "a broken trailer", chunked + "0\r\nno colon here\r\n\r\n", false, State::Malformed },
    });
}
