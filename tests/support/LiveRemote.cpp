#include "LiveRemote.h"

#include "TestSupport.h"

#include <QDeadlineTimer>

LiveRemote::LiveRemote(const QString& hostAddress, const QString& password)
{
    remote.setHostAddress(hostAddress);
    remote.setPassword(password);
}

bool LiveRemote::idle(int timeoutMs)
{
    return waitUntil([this] { return !remote.isBusy(); }, timeoutMs);
}

namespace {
bool awaitReply(VLCController& remote, VLCController::ReplyKind wanted, const std::function<void()>& send)
{
    ConsoleCapture log;
    std::optional<VLCController::ReplyKind> got;
    bool failed = false;
    std::optional<RequestFailure> failure;
    auto a = QObject::connect(&remote, &VLCController::requestConcluded, [&](const RequestResult& result) {
        if (result.reply)
            got = got ? got : result.reply;
        else
            failed = true;
        failure = result.failure;
    });
    send();
    const bool done = waitUntil([&] { return got.has_value() || failed; }, 8000);
    QObject::disconnect(a);
    const bool ok = done && !failed && got == wanted;
    if (!ok)
        qWarning("%s", qPrintable(log.lines.join(u'\n').left(800)));
    if (!ok)
        qWarning("awaited reply %d, got %s%s%s", int(wanted), got ? "reply " : "", got ? QByteArray::number(int(*got)).constData() : "",
                 failure ? QByteArray(" failure " + QByteArray::number(int(*failure))).constData() : (done ? "" : " nothing"));
    return ok;
}
}

bool LiveRemote::probe()
{
    return idle() && awaitReply(remote, VLCController::ReplyKind::Probe, [this] { remote.searchForPlayerLink(); });
}

bool LiveRemote::refreshStatus()
{
    return idle() && awaitReply(remote, VLCController::ReplyKind::Status, [this] { remote.updateStatus(); });
}

bool LiveRemote::refreshPlaylist()
{
    return idle() && awaitReply(remote, VLCController::ReplyKind::Playlist, [this] { remote.updatePlaylist(); });
}

bool LiveRemote::refreshBrowse(const QString& folder)
{
    remote.setBrowseDir(folder);
    return idle() && awaitReply(remote, VLCController::ReplyKind::Browse, [this] { remote.updateBrowseList(); });
}

bool LiveRemote::waitFor(const std::function<bool()>& pred, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (refresh() && pred())
            return true;
        // About the remote screen's own rhythm: VLC 3.0's web interface is
        // known to crash when hammered while it switches items.
        spinEventLoop(250);
    }
    return false;
}

bool LiveRemote::command(const std::function<void(VLCController&)>& send)
{
    return idle() && awaitReply(remote, VLCController::ReplyKind::Status, [this, &send] { send(remote); }) && idle();
}

bool LiveRemote::switchCommand(const std::function<void(VLCController&)>& send)
{
    const bool ok = command(send);
    spinEventLoop(600);
    return ok;
}
