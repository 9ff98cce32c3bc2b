// libFuzzer target: replies as they reach a remote, one after another,
// and every reading of the state they leave, down to the command-line
// remote's reports. The first byte picks, per reply, the kind of request it
// answers and its HTTP status; replies are separated by a 0xff byte.
#include "cli/StateReport.h"
#include "core/ConsoleLog.h"
#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"
#include "vlc/VlcErrorPage.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {
void readEveryAccessor(VLCController& r)
{
    (void)r.timeElapsedSeconds();
    (void)r.timeLengthSeconds();
    (void)r.timeRemainingSeconds();
    (void)r.position();
    (void)r.volume();
    (void)r.isPlaying();
    (void)r.isStopped();
    (void)r.isRandom();
    (void)r.isRepeating();
    (void)r.isLooping();
    (void)r.isLuaUnlocked();
    (void)r.playback();
    (void)r.playbackState();
    (void)r.statusTitle();
    (void)r.serverVersion();
    (void)r.speed();
    (void)r.rate();
    (void)r.audioDelay();
    (void)r.status();
    (void)r.connectionState();
    (void)r.apiVersion();

    const int items = r.itemsInPlaylist();
    const std::optional<int> current = r.currentIndex();
    if (current && (*current < 0 || *current >= items))
        std::abort(); // the current row must be a row
    if (current && r.currentItemIndex() != *current)
        std::abort();
    for (int row = -1; row <= items; ++row) {
        (void)r.idForIndex(row);
        (void)r.titleForIndex(row);
        if (const PlaylistItem* item = r.itemAtRow(row)) {
            (void)r.titleOf(*item);
            (void)item->uriText();
        }
    }
    (void)r.idForIndex(VLCController::currentItem);
    (void)r.titleForIndex(VLCController::currentItem);
    (void)r.idForIndex(VLCController::noCurrentItem);

    (void)r.currentVideoTrack();
    (void)r.currentAudioTrack();
    (void)r.currentSubtitleTrack();
    for (int i = -1; i <= r.numberOfAspects(); ++i)
        (void)r.nameForAspect(i);
    (void)r.currentAspect();
    for (int n = 0; n <= std::min(r.numberOfChapters(), 64); ++n)
        (void)r.nameForChapter(n);
    for (int n = 0; n <= std::min(r.numberOfTitles(), 64); ++n)
        (void)r.nameForTitle(n);
    (void)r.currentChapter();
    (void)r.currentTitle();

    for (int i = -1; i <= r.browseItemsInList(); ++i) {
        (void)r.browseInfo(QStringLiteral("name"), i);
        (void)r.browseInfo(QStringLiteral("path"), i);
        (void)r.filetypeForIndex(i);
    }

    // The requests the state leads to.
    const ServerDialect& dialect = r.dialect();
    (void)dialect.volumeRequest(r.volume());
    (void)dialect.speedRequest(r.speed());
    (void)dialect.rateRequest(r.rate().value_or(1.0));
    (void)dialect.audioDelayRequest(float(r.audioDelay()));

    (void)StateReport::statusJson(r);
    (void)StateReport::statusText(r);
    (void)StateReport::playlistJson(r);
    (void)StateReport::playlistText(r);
    (void)StateReport::browseJson(r);
    (void)StateReport::browseText(r);
    (void)StateReport::watchLine(r);
}
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    ConsoleLog::setEnabled(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    static const int statuses[] = { 200, 200, 200, 401, 403, 404, 500, 302 };
    const uint8_t selector = data[0];
    const QByteArray all(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    VLCController remote(RemoteRecord {});
    remote.setLuaMode(selector & 0x80);
    int index = 0;
    for (const QByteArray& body : all.split('\xff')) {
        if (index == 4)
            break;
        const int bits = (selector >> (index * 2)) & 0x3;
        HttpReply reply;
        reply.body = body;
        reply.httpStatus = statuses[(bits * 3 + index) % 8];
        remote.processResponse(reply, bits == 3 ? VLCController::ProbeRequest : VLCController::OrdinaryRequest);
        readEveryAccessor(remote);
        const QString message = VlcErrorPage::message(body);
        if (message.contains(u'\n') || message.size() > 303)
            std::abort(); // one short line
        ++index;
    }
    return 0;
}
