// libFuzzer target: the one-pass status reader against the document
// reader. Whatever the one-pass reader reads must read the same through
// the document, with or without a previous status to share strings with.
// Run by make fuzz; it is not part of make test.
#include "core/xml/XmlDocument.h"
#include "vlc/PlainStatusReader.h"
#include "vlc/PlayerStatus.h"

#include <QByteArray>
#include <QFile>
#include <QUtf8StringView>

#include <cstdio>
#include <cstdlib>

namespace {
PlayerStatus fixtureStatus;
PlainStatusReader::Memo fixtureMemo;

PlayerStatus throughDocument(const QByteArray& body, const PlayerStatus* previous)
{
    XmlDocument document;
    document.load(body, XmlDocument::Input::WholeDocument);
    return PlayerStatus::read(document, previous);
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QFile file(QStringLiteral(PLAYERLINK_SOURCE_DIR "/tests/fixtures/vlc3-status-tracks.xml"));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray fixture = file.readAll();
        fixtureStatus = throughDocument(fixture, nullptr);
        PlainStatusReader::read(std::string_view(fixture.constData(), size_t(fixture.size())), nullptr, &fixtureMemo);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!QUtf8StringView(body).isValidUtf8()) // replies that are not are never read
        return 0;
    const std::string_view text(body.constData(), size_t(body.size()));
    const std::optional<PlayerStatus> plain = PlainStatusReader::read(text);
    if (!plain)
        return 0;
    const PlayerStatus expected = throughDocument(body, nullptr);
    if (!(*plain == expected)) {
        std::fprintf(stderr, "the readers disagree on: %.*s\n", int(size), reinterpret_cast<const char*>(data));
        std::abort();
    }
    // Sharing strings with a previous status, or taking its categories
    // where the bytes repeat them, changes no value.
    PlainStatusReader::Memo afterFixture = fixtureMemo;
    PlainStatusReader::Memo memo;
    PlainStatusReader::read(text, nullptr, &memo);
    if (!(PlainStatusReader::read(text, &*plain, &memo) == plain)
        || !(PlainStatusReader::read(text, &fixtureStatus, &afterFixture) == plain)
        || !(throughDocument(body, &fixtureStatus) == expected))
        std::abort();
    return 0;
}
