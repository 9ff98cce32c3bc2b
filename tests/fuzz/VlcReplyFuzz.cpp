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
    (void)r.state().smoothedTimeElapsedSeconds();
    (void)r.state().timeLengthSeconds();
    (void)r.state().timeRemainingSeconds();
    (void)r.state().position();
    (void)r.state().volume();
    (void)r.state().isPlaying();
    (void)r.state().isStopped();
    (void)r.state().isRandom();
    (void)r.state().isRepeating();
    (void)r.state().isLooping();
    (void)r.record().isLuaUnlocked();
    (void)r.state().playback();
    (void)r.state().playbackState();
    (void)r.state().statusTitle();
    (void)r.state().playerStatus().version;
    (void)r.state().speed();
    (void)r.state().rate();
    (void)r.state().audioDelay();
    (void)r.status();
    (void)r.connectionState();
    (void)r.state().apiVersion();

    const int items = r.state().itemsInPlaylist();
    const std::optional<int> current = r.state().currentIndex();
    if (current && (*current < 0 || *current >= items))
        std::abort(); // the current row must be a row
    if (current && r.state().currentIndex().value_or(PlayerState::noCurrentItem) != *current)
        std::abort();
    for (int row = -1; row <= items; ++row) {
        (void)r.state().idForIndex(row);
        (void)r.state().titleForIndex(row);
        if (const PlaylistItem* item = r.state().playlist().at(row)) {
            (void)r.state().titleOf(*item);
            (void)item->uriText();
        }
    }
    (void)r.state().idForIndex(PlayerState::currentItem);
    (void)r.state().titleForIndex(PlayerState::currentItem);
    (void)r.state().idForIndex(PlayerState::noCurrentItem);

    (void)r.state().currentVideoTrack();
    (void)r.state().currentAudioTrack();
    (void)r.state().currentSubtitleTrack();
    for (int i = -1; i <= int(r.state().playerStatus().aspectRatios.size()); ++i)
        (void)r.state().nameForAspect(i);
    (void)r.state().playerStatus().currentAspect;
    for (int n = 0; n <= std::min(r.state().playerStatus().chapters, 64); ++n)
        (void)r.state().nameForChapter(n);
    for (int n = 0; n <= std::min(r.state().playerStatus().titles, 64); ++n)
        (void)r.state().nameForTitle(n);
    (void)r.state().playerStatus().currentChapter;
    (void)r.state().playerStatus().currentTitle;

    for (int i = -1; i <= int(r.state().browseArray().size()); ++i) {
        (void)r.state().browseInfo(QStringLiteral("name"), i);
        (void)r.state().browseInfo(QStringLiteral("path"), i);
        (void)r.filetypeForIndex(i);
    }

    // The requests the state leads to.
    const ServerDialect& dialect = r.state().dialect();
    (void)dialect.volumeRequest(r.state().volume());
    (void)dialect.speedRequest(r.state().speed());
    (void)dialect.rateRequest(r.state().rate().value_or(1.0));
    (void)dialect.audioDelayRequest(float(r.state().audioDelay()));

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
    remote.connection().setLuaMode(selector & 0x80);
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
