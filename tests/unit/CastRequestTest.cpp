#include "net/CastPlaylistWatch.h"
#include "net/CastRequest.h"

#include <gtest/gtest.h>

namespace {
using Outcome = CastRequestHead::Outcome;

CastRequestHead::Limits smallLimits()
{
    CastRequestHead::Limits limits;
    limits.maxRequestLine = 64;
    limits.maxHeaderLine = 48;
    limits.maxHead = 256;
    limits.maxHeaders = 4;
    return limits;
}

CastRequestHead::Parsed parse(const QByteArray& bytes)
{
    return CastRequestHead::parse(bytes, smallLimits());
}

const QByteArray get = "GET /t/a.wav HTTP/1.1\r\nHost: h\r\n";
}

TEST(CastRequestHead, ReadsGetAndHeadWithTheirRange)
{
    const QByteArray pipelined = "GET /t/a%20b.wav HTTP/1.1\r\nhost: h\r\nRange:  bytes=5-  \r\n\r\nHEAD /next";
    const auto parsed = parse(pipelined);
    ASSERT_EQ(parsed.outcome, Outcome::Complete);
    EXPECT_EQ(parsed.consumed, pipelined.indexOf("HEAD"));
    EXPECT_EQ(parsed.request.method, CastRequest::Method::Get);
    EXPECT_EQ(parsed.request.target, "/t/a%20b.wav");
    EXPECT_EQ(parsed.request.range, QByteArray("bytes=5-"));
    EXPECT_TRUE(parsed.request.keepAlive);

    const auto head = parse("HEAD /x HTTP/1.1\r\nHost: h\r\nConnection: Keep-Alive, close\r\nIf-Range: x\r\n\r\n");
    ASSERT_EQ(head.outcome, Outcome::Complete);
    EXPECT_EQ(head.request.method, CastRequest::Method::Head);
    EXPECT_FALSE(head.request.keepAlive);
    EXPECT_TRUE(head.request.ifRange);
    EXPECT_FALSE(head.request.range);

    const auto old = parse("GET /x HTTP/1.0\r\n\r\n");
    ASSERT_EQ(old.outcome, Outcome::Complete);
    EXPECT_FALSE(old.request.keepAlive); // 1.0 ends a response by the close
}

TEST(CastRequestHead, WaitsForTheBlankLineWithinItsLimits)
{
    EXPECT_EQ(parse("GET /t/a.wav HTTP/1.1\r\nHost: h\r\n").outcome, Outcome::NeedMore);
    EXPECT_EQ(parse("GET /t/a.wav HTTP/1.1\r").outcome, Outcome::NeedMore);
    // A request line of the longest length, its line feed still to come.
    const QByteArray longest = "GET /" + QByteArray(64 - 14, 'a') + " HTTP/1.1";
    ASSERT_EQ(longest.size(), smallLimits().maxRequestLine);
    EXPECT_EQ(parse(longest + "\r").outcome, Outcome::NeedMore);
    EXPECT_EQ(parse(longest + "\r\nHost: h\r\n\r\n").outcome, Outcome::Complete);
    EXPECT_EQ(parse("").outcome, Outcome::NeedMore);
}

TEST(CastRequestHead, RefusesWhatItDoesNotServeOrCouldReadTwoWays)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int status;
    };
    const QByteArray longLine = "GET /" + QByteArray(80, 'a');
    const QByteArray longHeader = "X: " + QByteArray(60, 'v') + "\r\n";
    const std::vector<Case> cases {
        { "post", "POST /t/a.wav HTTP/1.1\r\nHost: h\r\n\r\n", 405 },
        { "options", "OPTIONS * HTTP/1.1\r\nHost: h\r\n\r\n", 405 },
        { "lower-case method", "get /t/a.wav HTTP/1.1\r\nHost: h\r\n\r\n", 405 },
        { "http/2", "GET /t/a.wav HTTP/2.0\r\nHost: h\r\n\r\n", 505 },
        { "no version", "GET /t/a.wav\r\n\r\n", 400 },
        { "two spaces", "GET  /t/a.wav HTTP/1.1\r\nHost: h\r\n\r\n", 400 },
        { "space in target", "GET /t/a b.wav HTTP/1.1\r\nHost: h\r\n\r\n", 400 },
        { "byte past ASCII in target", "GET /t/\xc3\xa9.wav HTTP/1.1\r\nHost: h\r\n\r\n", 400 },
        { "1.1 without host", "GET /t/a.wav HTTP/1.1\r\n\r\n", 400 },
        { "two hosts", get + "Host: i\r\n\r\n", 400 },
        { "two ranges", get + "Range: bytes=0-\r\nRange: bytes=5-\r\n\r\n", 400 },
        { "two connection headers", get + "Connection: close\r\nConnection: keep-alive\r\n\r\n", 400 },
        { "a body's length", get + "Content-Length: 5\r\n\r\n", 400 },
        { "chunked", get + "Transfer-Encoding: chunked\r\n\r\n", 400 },
        { "folded header", get + "X: a\r\n b\r\n\r\n", 400 },
        { "no colon", get + "Range bytes=0-\r\n\r\n", 400 },
        { "space before colon", get + "Range : bytes=0-\r\n\r\n", 400 },
        { "control in value", get + "X: a\x01" "b\r\n\r\n", 400 },
        { "bare LF", "GET /t/a.wav HTTP/1.1\nHost: h\n\n", 400 },
        { "bare CR", "GET /t/a.wav HTTP/1.1\rHost: h\r\n\r\n", 400 },
        { "blank line first", "\r\nGET /t/a.wav HTTP/1.1\r\nHost: h\r\n\r\n", 400 },
        { "request line too long, unfinished", longLine, 414 },
        { "request line too long", longLine + " HTTP/1.1\r\n\r\n", 414 },
        { "header line too long", get + longHeader + "\r\n", 431 },
        { "too many headers", get + "A: 1\r\nB: 2\r\nC: 3\r\nD: 4\r\n\r\n", 431 },
        { "head too long, unfinished", get + QByteArray(8, 'X').append(": 1\r\n").repeated(20), 431 },
    };
    for (const Case& c : cases) {
        const auto parsed = parse(c.bytes);
        EXPECT_EQ(parsed.outcome, Outcome::Refused) << c.name;
        EXPECT_EQ(parsed.status, c.status) << c.name;
    }
}

TEST(CastRequestHead, DecodesOnlyPlainPaths)
{
    EXPECT_EQ(CastRequestHead::decodedPath("/t/%C3%A7a%20va%3F%25.wav"), QByteArray("/t/\xc3\xa7" "a va?%.wav"));
    EXPECT_EQ(CastRequestHead::decodedPath("/t/%2e%2E/b.wav"), QByteArray("/t/../b.wav"));
    for (const char* target : { "t/a.wav", "http://h/t/a.wav", "*", "/t/a.wav?x", "/t/a.wav#f", "/t/a%2", "/t/a%zz",
                                "/t/%" })
        EXPECT_FALSE(CastRequestHead::decodedPath(target)) << target;
}

TEST(ByteRange, ReadsEachFormAgainstTheFileSize)
{
    struct Case {
        const char* value;
        qint64 size;
        ByteRange::Kind kind;
        qint64 first = 0;
        qint64 last = -1;
    };
    using K = ByteRange::Kind;
    const std::vector<Case> cases {
        { "bytes=0-99", 1000, K::Partial, 0, 99 },
        { "bytes=500-", 1000, K::Partial, 500, 999 },
        { "bytes=990-5000", 1000, K::Partial, 990, 999 },
        { "bytes=-100", 1000, K::Partial, 900, 999 },
        { "bytes=-5000", 1000, K::Partial, 0, 999 },
        { "Bytes=7-7", 1000, K::Partial, 7, 7 },
        { "bytes=999-", 1000, K::Partial, 999, 999 },
        { "bytes=1000-", 1000, K::Unsatisfiable },
        { "bytes=0-", 0, K::Unsatisfiable },
        { "bytes=-0", 1000, K::Unsatisfiable },
        { "bytes=-1", 0, K::Unsatisfiable },
        { "bytes=5-4", 1000, K::Unsatisfiable },
        { "bytes=-", 1000, K::Unsatisfiable },
        { "bytes=", 1000, K::Unsatisfiable },
        { "bytes=a-b", 1000, K::Unsatisfiable },
        { "bytes=+5-", 1000, K::Unsatisfiable },
        { "bytes= 5-", 1000, K::Unsatisfiable },
        { "bytes=0x10-", 1000, K::Unsatisfiable },
        { "bytes=1234567890123456789-", 1000, K::Unsatisfiable }, // past 18 digits, not an overflow
        { "bytes=999999999999999999-", 1000, K::Unsatisfiable },
        { "bytes=0-1,5-9", 1000, K::Whole },
        { "items=0-5", 1000, K::Whole },
        { "bytes", 1000, K::Whole },
    };
    for (const Case& c : cases) {
        const ByteRange range = ByteRange::parse(c.value, c.size);
        EXPECT_EQ(range.kind, c.kind) << c.value;
        if (c.kind == K::Partial) {
            EXPECT_EQ(range.first, c.first) << c.value;
            EXPECT_EQ(range.last, c.last) << c.value;
        }
    }
}

TEST(CastPlaylistWatch, WithdrawsFilesThatLeftThePlaylistOrNeverCame)
{
    const QUrl a("http://127.0.0.1:5000/AAAA-token_a/song.wav");
    const QUrl b("http://127.0.0.1:5000/BBBB-token_b/other.wav");
    CastPlaylistWatch watch;
    watch.offer(a);
    watch.offer(b);
    // VLC writes the address back escaped its own way; the token is what counts.
    const std::vector<CastPlaylistWatch::Item> withA { { 4, "file:///x.wav" },
                                                        { 7, "http://127.0.0.1:5000/AAAA-token_a/song%2Ewav" } };
    for (int read = 1; read < CastPlaylistWatch::readsBeforeGivenUp; ++read)
        EXPECT_TRUE(watch.read(withA).isEmpty());
    EXPECT_EQ(watch.fileWithId(7), a);
    EXPECT_FALSE(watch.fileWithId(4));
    EXPECT_TRUE(watch.isListed(a));
    EXPECT_FALSE(watch.isListed(b));
    EXPECT_EQ(watch.read(withA), QList<QUrl> { b }); // never came
    EXPECT_EQ(watch.files(), QList<QUrl> { a });
    EXPECT_EQ(watch.read({ { 4, "file:///x.wav" } }), QList<QUrl> { a }); // left at once
    EXPECT_TRUE(watch.isEmpty());
}
