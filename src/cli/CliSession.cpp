#include "cli/CliSession.h"

#include "cli/CliCast.h"
#include "cli/ExitCode.h"
#include "cli/StateReport.h"
#include "core/PreferenceKeys.h"
#include "core/TerminalText.h"
#include "core/UserDefaults.h"
#include "vlc/PlaylistFilter.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {
constexpr int requestGuardMs = 30000; // beyond the channel's own deadline
// After a command that switches items VLC needs a moment: its web interface
// (3.0.24) can crash when asked for the status while the switch is under way.
constexpr int settleMs = 600;
}

CliSession::CliSession(const CliOptions& options, QTextStream& out, QTextStream& err, const UserDefaults& defaults)
    : m_options(options)
    , m_out(out)
    , m_err(err)
{
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    RemoteRecord record;
    record.hostAddress = options.host;
    if (!options.password.isNull())
        record.password = options.password;
    m_remote = std::make_unique<VLCController>(record, &m_network);
    m_remote->setListsOnlyMediaFiles(defaults.boolForKey(PreferenceKeys::onlyShowMediaFiles));
    m_guard.setSingleShot(true);
    connect(&m_guard, &QTimer::timeout, this,
            [this] { fail(ExitUnreachable, QStringLiteral("%1 did not answer").arg(m_options.host)); });
}

CliSession::~CliSession()
{
    // The remote's requests go before the network access they run on.
    m_cast.reset();
    m_remote.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CliSession::start()
{
    const QUrl base(m_remote->record().baseAddress(), QUrl::StrictMode);
    if (!base.isValid() || base.host().isEmpty()) {
        fail(ExitUsage, QStringLiteral("'%1' is not a host name or address").arg(m_options.host));
        return;
    }
    if (m_options.command == u"status") {
        // One request when all is well: status.xml says everything this
        // prints. Only a reply that is not a status calls for the probe,
        // which tells why (password, not VLC).
        request([this] { m_remote->updateStatus(); },
                [this](VLCController::ReplyKind kind) {
                    if (kind == VLCController::ReplyKind::Status && !m_remote->passwordRequired())
                        reportStatus(false);
                    else
                        probe([this] { fail(ExitCommandFailed, QStringLiteral("VLC did not send its status")); });
                });
        return;
    }
    probe([this] { runCommand(); });
}

// --- Plumbing -----------------------------------------------------------------

void CliSession::request(const Step& send, ReplyStep then)
{
    disconnect(m_resultConnection);
    m_resultConnection = connect(m_remote.get(), &VLCController::requestConcluded, this,
                                 [this, then](const RequestResult& result) {
                                     disconnect(m_resultConnection);
                                     m_guard.stop();
                                     m_lastVlcMessage = result.serverMessage;
                                     if (result.reply)
                                         then(*result.reply);
                                     else if (result.failure)
                                         fail(exitCodeFor(*result.failure), failureText(*result.failure));
                                     else
                                         fail(ExitUsage, QStringLiteral("'%1' is not a host name or address")
                                                             .arg(m_options.host));
                                 });
    m_guard.start(requestGuardMs);
    send();
}

int CliSession::exitCodeFor(RequestFailure failure)
{
    switch (failure) {
    case RequestFailure::TooLarge:
        return ExitReplyTooLarge;
    case RequestFailure::RedirectRefused:
    case RequestFailure::Redirects:
        return ExitNotVlc;
    default:
        return ExitUnreachable;
    }
}

QString CliSession::withVlcMessage(const QString& text) const
{
    // VLC's own words, when it gave any, on the same line.
    return m_lastVlcMessage.isEmpty() ? text : QStringLiteral("%1: VLC says: %2").arg(text, m_lastVlcMessage);
}

void CliSession::whenIdle(Step then)
{
    // Commands leave follow-up polls in flight (the playlist after "next",
    // say); wait for them so that our own polls are not skipped.
    if (!m_remote->isBusy()) {
        then();
        return;
    }
    QTimer::singleShot(10, this, [this, then] { whenIdle(then); });
}

QString CliSession::failureText(RequestFailure failure) const
{
    switch (failure) {
    case RequestFailure::IdleTimeout:
        return QStringLiteral("%1 did not answer in time").arg(m_options.host);
    case RequestFailure::Deadline:
        return QStringLiteral("%1 took too long to answer").arg(m_options.host);
    case RequestFailure::TooLarge:
        return QStringLiteral("%1 sent a reply too large to read").arg(m_options.host);
    case RequestFailure::Redirects:
        return QStringLiteral("%1 redirected too many times").arg(m_options.host);
    case RequestFailure::RedirectRefused:
        return QStringLiteral("%1 redirected elsewhere; only its own address is followed").arg(m_options.host);
    case RequestFailure::Network:
        break;
    }
    return QStringLiteral("could not reach %1 (%2)").arg(m_options.host, m_remote->record().baseAddress());
}

void CliSession::probe(Step then)
{
    request([this] { m_remote->searchForPlayerLink(); },
            [this, then](VLCController::ReplyKind) {
                if (m_remote->passwordNotSet()) {
                    fail(ExitPassword, QStringLiteral("VLC on %1 has no password set. %2")
                                           .arg(m_options.host, VLCController::noPasswordHint()));
                } else if (m_remote->passwordRequired()) {
                    fail(ExitPassword, !m_remote->record().password.isEmpty()
                             ? QStringLiteral("VLC on %1 refused the password").arg(m_options.host)
                             : QStringLiteral("VLC on %1 needs a password: use --password-file or PLAYERLINK_PASSWORD")
                                   .arg(m_options.host));
                } else if (!m_remote->remoteFound()) {
                    fail(ExitNotVlc, QStringLiteral("%1 answers, but not as VLC's web interface").arg(m_options.host));
                } else {
                    then();
                }
            });
}

void CliSession::refresh(const Step& send, VLCController::ReplyKind wanted, const QString& what, Step then)
{
    whenIdle([this, send, wanted, what, then] {
        request(send, [this, wanted, what, then](VLCController::ReplyKind kind) {
            if (kind != wanted)
                fail(ExitCommandFailed, QStringLiteral("VLC did not send its %1").arg(what));
            else
                then();
        });
    });
}

void CliSession::refreshStatus(Step then)
{
    refresh([this] { m_remote->updateStatus(); }, VLCController::ReplyKind::Status, QStringLiteral("status"), then);
}

void CliSession::refreshPlaylist(Step then)
{
    refresh([this] { m_remote->updatePlaylist(); }, VLCController::ReplyKind::Playlist, QStringLiteral("playlist"),
            then);
}

void CliSession::refreshAll(Step then)
{
    refreshStatus([this, then] { refreshPlaylist(then); });
}

bool CliSession::playlistHasId(int id) const
{
    for (int i = 0; i < m_remote->state().itemsInPlaylist(); ++i)
        if (m_remote->state().playlist().at(i)->id == id)
            return true;
    return false;
}

// --- Commands -----------------------------------------------------------------

void CliSession::runCommand()
{
    const QString& command = m_options.command;
    const QString arg = m_options.arguments.value(0);
    VLCController* remote = m_remote.get();

    if (command == u"probe") {
        refreshStatus([this] {
            if (m_options.json) {
                QJsonObject o;
                o.insert(QStringLiteral("found"), true);
                o.insert(QStringLiteral("host"), m_options.host);
                o.insert(QStringLiteral("version"), m_remote->state().playerStatus().version);
                o.insert(QStringLiteral("apiVersion"), m_remote->state().apiVersion());
                o.insert(QStringLiteral("connection"), RemoteTypeNames::of(m_remote->connectionState()));
                printJson(o);
            } else {
                const QString version = m_remote->state().playerStatus().version;
                print(QStringLiteral("VLC media player%1 answers at %2\n")
                          .arg(version.isEmpty() ? QString() : QStringLiteral(" ") + escapedForTerminal(version),
                               m_remote->record().baseAddress()));
            }
            finish(ExitOk);
        });
        return;
    }
    if (command == u"playlist") {
        refreshAll([this] {
            std::vector<int> found;
            const bool finding = !m_options.find.isNull();
            if (finding)
                found = PlaylistFilter::forRemote(*m_remote).rowsMatching(m_options.find);
            if (m_options.json)
                printJson(StateReport::playlistJson(*m_remote, finding ? &found : nullptr));
            else
                print(StateReport::playlistText(*m_remote, finding ? &found : nullptr));
            finish(ExitOk);
        });
        return;
    }
    if (command == u"browse") {
        remote->setBrowseDir(arg.isEmpty() ? remote->state().browseDir() : arg);
        request([remote] { remote->updateBrowseList(); },
                [this, remote](VLCController::ReplyKind kind) {
                    if (kind != VLCController::ReplyKind::Browse) {
                        fail(ExitCommandFailed,
                             withVlcMessage(QStringLiteral("VLC could not list %1").arg(remote->state().browseDir())));
                        return;
                    }
                    if (m_options.json)
                        printJson(StateReport::browseJson(*remote));
                    else
                        print(StateReport::browseText(*remote));
                    finish(ExitOk);
                });
        return;
    }
    if (command == u"watch") {
        refreshAll([this] { runWatch(); });
        return;
    }
    if (command == u"cast") {
        runCast();
        return;
    }

    // Every other command acts on the current state, so read it first.
    refreshAll([this, command, arg, remote] {
        if (command == u"play") {
            if (!arg.isEmpty()) {
                const int id = CliOptions::itemId(arg).value_or(-1);
                if (!playlistHasId(id)) {
                    fail(ExitCommandFailed, QStringLiteral("there is no playlist item with id %1").arg(id));
                    return;
                }
                sendCommand([remote, id] { remote->playFromStart(id); }, true, false);
            } else if (remote->state().playback() == PlaybackState::Paused) {
                sendCommand([remote] { remote->pause(); }, false, false);
            } else if (remote->state().isPlaying()) {
                reportStatus(false);
            } else if (remote->state().itemsInPlaylist() == 0) {
                fail(ExitCommandFailed, QStringLiteral("the playlist is empty"));
            } else {
                const int id = remote->state().playlist().at(remote->state().currentIndex().value_or(0))->id;
                sendCommand([remote, id] { remote->playFromStart(id); }, true, false);
            }
        } else if (command == u"pause") {
            if (remote->state().isPlaying())
                sendCommand([remote] { remote->pause(); }, false, false);
            else
                reportStatus(false);
        } else if (command == u"stop") {
            sendCommand([remote] { remote->stop(); }, false, false);
        } else if (command == u"next") {
            sendCommand([remote] { remote->next(); }, true, false);
        } else if (command == u"previous") {
            sendCommand([remote] { remote->previous(); }, true, false);
        } else if (command == u"seek") {
            // The arguments were checked before anything was sent.
            if (const auto percent = CliOptions::seekPercent(arg)) {
                sendCommand([remote, p = *percent] { remote->seek(p); }, false, false);
            } else if (const auto offset = CliOptions::seekOffset(arg)) {
                sendCommand([remote, text = *offset] { remote->seekRelative(text); }, false, false);
            } else {
                const int seconds = CliOptions::seekSeconds(arg).value_or(0);
                sendCommand([remote, seconds] { remote->seekSeconds(seconds); }, false, false);
            }
        } else if (command == u"volume") {
            const bool relative = arg.startsWith(u'+') || arg.startsWith(u'-');
            int percent = relative ? remote->state().volume() + CliOptions::volumeChange(arg).value_or(0)
                                   : CliOptions::volumePercent(arg).value_or(remote->state().volume());
            percent = std::clamp(percent, 0, CliOptions::maxVolumePercent);
            sendCommand([remote, percent] { remote->setVolume(percent); }, false, false);
        } else if (command == u"open") {
            whenFilePresent(arg, [this, remote, arg] {
                sendCommand([remote, arg] { remote->playFilename(arg); }, true, true);
            });
        } else if (command == u"enqueue") {
            whenFilePresent(arg, [this, remote, arg] {
                sendCommand([remote, arg] { remote->enqueueFilename(arg); }, false, true);
            });
        } else if (command == u"delete") {
            const int id = CliOptions::itemId(arg).value_or(-1);
            if (!playlistHasId(id)) {
                fail(ExitCommandFailed, QStringLiteral("there is no playlist item with id %1").arg(id));
                return;
            }
            sendCommand([remote, id] { remote->removeFromPlaylist(id); }, true, true);
        } else if (command == u"empty") {
            sendCommand([remote] { remote->emptyPlaylist(); }, true, true);
        } else if (command == u"random") {
            sendCommand([remote] { remote->random(); }, false, false);
        } else if (command == u"loop") {
            sendCommand([remote] { remote->loop(); }, false, false);
        } else if (command == u"repeat") {
            sendCommand([remote] { remote->repeat(); }, false, false);
        } else if (command == u"fullscreen") {
            sendCommand([remote] { remote->fullScreen(); }, false, false);
        } else if (command == u"speed") {
            const double rate = CliOptions::speedFactor(arg).value_or(1.0);
            sendCommand([remote, rate] { remote->setRate(rate); }, false, false);
        } else if (command == u"audio-delay") {
            const float seconds = float(CliOptions::audioDelaySeconds(arg).value_or(0.0));
            sendCommand([remote, seconds] { remote->setAudioDelay(seconds); }, false, false);
        } else if (command == u"aspect") {
            sendCommand([remote, arg] { remote->setAspectRatio(arg); }, false, false);
        } else if (command == u"key") {
            sendCommand([remote, arg] { remote->sendHotkey(arg); }, false, false);
        } else {
            fail(ExitUsage, QStringLiteral("unknown command '%1'").arg(command));
        }
    });
}

void CliSession::whenFilePresent(const QString& path, Step then)
{
    // A URL is VLC's to open; a file must be there on the VLC computer,
    // or VLC would take it silently and play nothing.
    static const QRegularExpression url(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (url.match(path).hasMatch()) {
        then();
        return;
    }
    m_guard.start(requestGuardMs);
    m_remote->filePresence(path, [this, path, then](VLCController::FilePresence presence) {
        m_guard.stop();
        if (presence == VLCController::FilePresence::Present)
            then();
        else if (presence == VLCController::FilePresence::Absent)
            fail(ExitCommandFailed, QStringLiteral("no such file on %1: %2").arg(m_options.host, path));
        else
            fail(ExitUnreachable, QStringLiteral("could not ask %1 whether %2 is there").arg(m_options.host, path));
    });
}

void CliSession::sendCommand(const Step& send, bool changesItem, bool changesPlaylist)
{
    request(send, [this, changesItem, changesPlaylist](VLCController::ReplyKind kind) {
        if (kind != VLCController::ReplyKind::Status) {
            fail(ExitCommandFailed, withVlcMessage(QStringLiteral("VLC did not accept the command")));
            return;
        }
        const int wait = changesItem ? settleMs : 0;
        QTimer::singleShot(wait, this, [this, changesPlaylist] {
            refreshAll([this, changesPlaylist] { reportStatus(changesPlaylist); });
        });
    });
}

void CliSession::reportStatus(bool withPlaylist)
{
    if (m_options.json) {
        QJsonObject o = StateReport::statusJson(*m_remote);
        if (withPlaylist)
            o.insert(QStringLiteral("playlist"), StateReport::playlistJson(*m_remote));
        printJson(o);
    } else {
        print(StateReport::statusText(*m_remote));
        if (withPlaylist)
            print(QStringLiteral("\n") + StateReport::playlistText(*m_remote));
    }
    finish(ExitOk);
}

// --- Cast ----------------------------------------------------------------------

void CliSession::runCast()
{
    m_cast = std::make_unique<CliCast>(*m_remote, m_options.arguments, m_options.json, m_out);
    connect(m_cast.get(), &CliCast::finished, this, [this](int exitCode, const QString& message) {
        if (message.isEmpty())
            finish(exitCode);
        else
            fail(exitCode, message);
    });
    m_cast->start();
}

void CliSession::stopCasting()
{
    if (m_cast)
        m_cast->stop();
}

// --- Watch ---------------------------------------------------------------------

void CliSession::runWatch()
{
    // The remote screen's rhythm: status every second, playlist every third.
    // Each line is printed once that second's poll has ended, or when the
    // next second begins without an answer.
    connect(&m_watchTimer, &QTimer::timeout, this, &CliSession::watchTick);
    m_watchTimer.start(1000);
    m_linePrinted = false;
    printWatchLine(); // the first line shows the state just read
}

void CliSession::watchTick()
{
    if (!m_linePrinted) {
        m_lastPollFailed = true; // no answer within the second
        printWatchLine();
        if (m_finished)
            return;
    }
    m_linePrinted = false;
    const bool withPlaylist = m_watchTicks % 3 == 0;
    disconnect(m_resultConnection);
    m_resultConnection = connect(m_remote.get(), &VLCController::requestConcluded, this,
                                 [this, withPlaylist](const RequestResult& result) {
                                     const bool status = result.reply == VLCController::ReplyKind::Status;
                                     if (withPlaylist && status && !m_linePrinted) {
                                         m_remote->updatePlaylist();
                                         if (m_remote->isBusy())
                                             return; // the line waits for the playlist
                                     }
                                     disconnect(m_resultConnection);
                                     m_lastPollFailed = !status && result.reply != VLCController::ReplyKind::Playlist;
                                     if (!m_linePrinted)
                                         printWatchLine();
                                 });
    // Busy with a follow-up of its own, the remote skips this poll; the
    // follow-up's end prints the line then.
    m_remote->updateStatus();
}

void CliSession::printWatchLine()
{
    m_linePrinted = true;
    if (m_options.json)
        printJson(StateReport::statusJson(*m_remote));
    else
        print(StateReport::watchLine(*m_remote) + u'\n');
    ++m_watchTicks;
    if (m_options.watchSeconds && m_watchTicks >= *m_options.watchSeconds) {
        m_watchTimer.stop();
        disconnect(m_resultConnection);
        if (m_lastPollFailed)
            fail(ExitUnreachable, QStringLiteral("lost connection to %1").arg(m_options.host));
        else
            finish(ExitOk);
    }
}

// --- Output ----------------------------------------------------------------------

void CliSession::print(const QString& text)
{
    m_out << text;
    m_out.flush();
}

void CliSession::printJson(const QJsonValue& value)
{
    const QJsonDocument doc = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    m_out << QString::fromUtf8(doc.toJson(QJsonDocument::Compact)) << '\n';
    m_out.flush();
}

void CliSession::finish(int exitCode)
{
    if (m_finished)
        return;
    m_finished = true;
    m_guard.stop();
    m_watchTimer.stop();
    emit finished(exitCode);
}

void CliSession::fail(int exitCode, const QString& message)
{
    if (m_finished)
        return;
    if (m_options.json) {
        QJsonObject o;
        o.insert(QStringLiteral("error"), message);
        o.insert(QStringLiteral("exitCode"), exitCode);
        printJson(o);
    }
    // Messages carry VLC's words and paths: one line, nothing the terminal obeys.
    m_err << "playerlink-cli: " << escapedForTerminal(message) << '\n';
    m_err.flush();
    finish(exitCode);
}
