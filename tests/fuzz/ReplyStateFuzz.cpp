// libFuzzer target: a reply from the server all the way into the typed state
// the screens read: status, playlist and folder listing, in the older
// dialect and in VLC 3's (the first byte chooses), and every accessor on
// what was stored, the track lists as the screens name them. Run by make
// fuzz; it is not part of make test.
#include "core/ConsoleLog.h"
#include "models/TrackModel.h"
#include "vlc/VLCController.h"

#include <QCoreApplication>
#include <QFile>

namespace {
QByteArray vlc3Status;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    ConsoleLog::setEnabled(false);
    QFile file(QStringLiteral(PLAYERLINK_SOURCE_DIR "/tests/fixtures/vlc3-status-playing.xml"));
    if (file.open(QIODevice::ReadOnly))
        vlc3Status = file.readAll();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool vlc3 = data[0] & 1;
    const QByteArray body(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    VLCController remote(RemoteRecord::forAddress(QStringLiteral("vlc.test")));
    HttpReply reply;
    reply.httpStatus = 200;
    if (vlc3) {
        reply.body = vlc3Status;
        remote.processResponse(reply, VLCController::OrdinaryRequest);
    }
    reply.body = body;
    remote.processResponse(reply, VLCController::OrdinaryRequest);
    remote.processResponse(reply, VLCController::ProbeRequest);
    remote.parseBrowseResponse(body);

    (void)remote.state().smoothedTimeElapsedSeconds();
    (void)remote.state().timeRemainingSeconds();
    (void)remote.state().position();
    (void)remote.state().volume();
    (void)remote.state().playback();
    (void)remote.status();
    (void)remote.state().statusTitle();
    for (int i = -1; i <= remote.state().itemsInPlaylist(); ++i) {
        (void)remote.state().idForIndex(i);
        (void)remote.state().titleForIndex(i);
    }
    (void)remote.state().titleForIndex(PlayerState::currentItem);
    TrackModel tracks({ TrackSelection::Audio, TrackSelection::Video, TrackSelection::Subtitle });
    tracks.setRemote(std::shared_ptr<VLCController>(&remote, [](VLCController*) { }));
    for (int row = 0; row < tracks.rowCount(); ++row)
        for (const int role : { int(TrackModel::NameRole), int(TrackModel::DetailsRole) })
            (void)tracks.data(tracks.index(row), role);
    tracks.setRemote(nullptr);
    for (int i = -1; i <= int(remote.state().playerStatus().aspectRatios.size()); ++i)
        (void)remote.state().nameForAspect(i);
    for (int i = 0; i <= remote.state().playerStatus().chapters && i < 1000; ++i)
        (void)remote.state().nameForChapter(i);
    for (int i = -1; i <= int(remote.state().browseArray().size()); ++i) {
        (void)remote.state().browseInfo(QStringLiteral("name"), i);
        (void)remote.filetypeForIndex(i);
    }
    return 0;
}
