#include "vlc/StreamAddress.h"

#include <gtest/gtest.h>

using Problem = StreamAddress::Problem;

TEST(StreamAddress, NetworkAddressesGoAsTypedOrEscapedWhereNeeded)
{
    const std::pair<QString, QString> accepted[] = {
        { QStringLiteral("http://radio.example/live.mp3"), QStringLiteral("http://radio.example/live.mp3") },
        { QStringLiteral("  HTTPS://radio.example:8443/a?b=c&d=%20e\n"), QStringLiteral("HTTPS://radio.example:8443/a?b=c&d=%20e") },
        { QStringLiteral("rtsp://user:pw@10.0.0.5:554/stream"), QStringLiteral("rtsp://user:pw@10.0.0.5:554/stream") },
        { QStringLiteral("rtp://@239.0.0.1:5004"), QStringLiteral("rtp://@239.0.0.1:5004") },
        { QStringLiteral("udp://@:1234"), QStringLiteral("udp://@:1234") },
        { QStringLiteral("mms://[2001:db8::1]/tv"), QStringLiteral("mms://[2001:db8::1]/tv") },
        { QStringLiteral("ftp://files.example/film.mkv"), QStringLiteral("ftp://files.example/film.mkv") },
        { QStringLiteral("http://bücher.example/café"), QStringLiteral("http://xn--bcher-kva.example/caf%C3%A9") },
    };
    for (const auto& [text, address] : accepted) {
        const StreamAddress::Checked checked = StreamAddress::check(text);
        EXPECT_EQ(checked.problem, Problem::None) << text.toStdString();
        EXPECT_EQ(checked.address, address);
    }
}

TEST(StreamAddress, ARefusedAddressSaysWhyAndGivesNothingToSend)
{
    const std::pair<QString, Problem> refused[] = {
        { QString(), Problem::Empty },
        { QStringLiteral(" \t\n"), Problem::Empty },
        { QStringLiteral("http://a.example/") + QString(StreamAddress::maxLength, u'a'), Problem::TooLong },
        { QString(100000, u'h'), Problem::TooLong },
        { QStringLiteral("http://a.example/my song.mp3"), Problem::Whitespace },
        { QStringLiteral("http://a.example/\u00a0x"), Problem::Whitespace },
        { QStringLiteral("http://a.example/a\nb"), Problem::ControlCharacter },
        { QStringLiteral("http://a.example/a\tb"), Problem::ControlCharacter },
        { QStringLiteral("http://a.example/\u202emp3.exe"), Problem::ControlCharacter },
        { QStringLiteral("http://a.example/\u0085x"), Problem::ControlCharacter },
        { QStringLiteral("radio.example/live.mp3"), Problem::NoScheme },
        { QStringLiteral("://radio.example"), Problem::NoScheme },
        { QStringLiteral("1http://radio.example"), Problem::NoScheme },
        { QStringLiteral("file:///etc/passwd"), Problem::UnsupportedScheme },
        { QStringLiteral("javascript:alert(1)"), Problem::UnsupportedScheme },
        { QStringLiteral("vlc://quit"), Problem::UnsupportedScheme },
        { QStringLiteral("http:radio.example"), Problem::Malformed },
        { QStringLiteral("http://[::1/x"), Problem::Malformed },
        { QStringLiteral("http:///path"), Problem::NoHost },
        { QStringLiteral("rtsp://:554/x"), Problem::NoHost },
    };
    for (const auto& [text, problem] : refused) {
        const StreamAddress::Checked checked = StreamAddress::check(text);
        EXPECT_EQ(checked.problem, problem) << text.left(60).toStdString();
        EXPECT_TRUE(checked.address.isEmpty()) << text.left(60).toStdString();
    }
}
