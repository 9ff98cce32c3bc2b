#include "cli/CliSession.h"

#include "cli/CliCast.h"
#include "cli/ExitCode.h"
#include "cli/StateReport.h"
#include "core/PreferenceKeys.h"
#include "core/TerminalText.h"
#include "core/UserDefaults.h"
#include "vlc/EqualizerBands.h"
#include "vlc/PlaylistFilter.h"
#include "vlc/PlaylistSort.h"
#include "vlc/ServerDialect.h"
#include "vlc/TrackSelection.h"

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
// VLC applies some commands (the equalizer, a subtitle file, a chapter) a
// moment after it answers them: their outcome is read this often, this
// many times, before it counts as not taken.
constexpr int recheckMs = 200;
constexpr int rechecks = 25;

TrackSelection::Kind trackKind(const QString& name)
{
    return name == u"audio" ? TrackSelection::Audio : name == u"video" ? TrackSelection::Video : TrackSelection::Subtitle;
}
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
    if (command == u"eq") {
        refreshStatus([this] { runEqualizer(); });
        return;
    }
    if (command == u"track" || command == u"chapter" || command == u"title") {
        refreshStatus([this] { readChapters([this] { runTracks(); }); });
        return;
    }
    if (command == u"subtitle-file") {
        refreshStatus([this] { runSubtitleFile(); });
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
        } else if (command == u"sort") {
            const PlaylistSortKey key = PlaylistSort::fromName(arg).value_or(PlaylistSortKey::Title);
            const bool reverse = m_options.reverse;
            sendCommand([remote, key, reverse] { remote->sortPlaylist(key, reverse); }, false, true);
        } else if (command == u"subtitle-delay") {
            const double seconds = CliOptions::subtitleDelaySeconds(arg).value_or(0.0);
            sendCommand([remote, seconds] { remote->setSubtitleDelay(seconds); }, false, false);
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

void CliSession::sendThen(const Step& send, Step then)
{
    request(send, [this, then](VLCController::ReplyKind kind) {
        if (kind != VLCController::ReplyKind::Status) {
            fail(ExitCommandFailed, withVlcMessage(QStringLiteral("VLC did not accept the command")));
            return;
        }
        // The remote may follow the command up once we have heard of it
        // (the equalizer's restart); our next request waits for that.
        QTimer::singleShot(0, this, then);
    });
}

void CliSession::statusUntil(std::function<bool()> done, const QString& failure, Step then, int tries)
{
    if (done()) {
        then();
    } else if (tries >= rechecks) {
        fail(ExitCommandFailed, failure);
    } else {
        QTimer::singleShot(recheckMs, this, [this, done, failure, then, tries] {
            refreshStatus([this, done, failure, then, tries] { statusUntil(done, failure, then, tries + 1); });
        });
    }
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

// --- Equalizer -------------------------------------------------------------------

void CliSession::runEqualizer()
{
    const std::optional<PlayerStatus::Equalizer>& equalizer = m_remote->state().playerStatus().equalizer;
    if (!equalizer) {
        fail(ExitCommandFailed, QStringLiteral("VLC on %1 tells of no equalizer").arg(m_options.host));
        return;
    }
    const QString what = m_options.arguments.value(0);
    if (what.isEmpty()) {
        reportEqualizer();
        return;
    }
    if (what == u"on" || what == u"off") {
        const bool on = what == u"on";
        if (equalizer->enabled == on) {
            reportEqualizer();
            return;
        }
        // On counts once VLC lists the bands: its status can say on a
        // moment before, and the remote may have to restart it.
        const auto done = [this, on] {
            const std::optional<PlayerStatus::Equalizer>& now = m_remote->state().playerStatus().equalizer;
            return now && now->enabled == on
                && (!on || std::all_of(now->bands.begin(), now->bands.end(), [](const auto& b) { return b.has_value(); }));
        };
        sendThen([this, on] { m_remote->enableEqualizer(on); }, [this, on, done] {
            statusUntil(done, QStringLiteral("VLC did not turn its equalizer %1").arg(on ? u"on" : u"off"),
                        [this] { reportEqualizer(); });
        });
        return;
    }
    if (!equalizer->enabled) {
        fail(ExitCommandFailed, QStringLiteral("the equalizer is off, and VLC lists its presets and takes gains only "
                                               "while it is on: turn it on first with eq on"));
        return;
    }
    setEqualizer(what);
}

void CliSession::setEqualizer(const QString& what)
{
    const PlayerStatus::Equalizer& equalizer = *m_remote->state().playerStatus().equalizer;
    const QString value = m_options.arguments.value(1).trimmed();
    if (what == u"preset") {
        std::optional<int> id;
        QStringList names;
        for (const PlayerStatus::Equalizer::Preset& preset : equalizer.presets) {
            if (preset.name.compare(value, Qt::CaseInsensitive) == 0 || QString::number(preset.id) == value)
                id = preset.id;
            names << preset.name;
        }
        if (!id) {
            fail(ExitCommandFailed, names.isEmpty()
                     ? QStringLiteral("VLC on %1 lists no equalizer presets").arg(m_options.host)
                     : QStringLiteral("VLC has no equalizer preset '%1'; it has %2").arg(value, names.join(u", ")));
            return;
        }
        // A preset sets the preamp and every band, each to a value only VLC
        // knows: its report is read once more.
        sendThen([this, id] { m_remote->setEqualizerPreset(*id); },
                 [this] { refreshStatus([this] { reportEqualizer(); }); });
        return;
    }
    // Gains VLC keeps to a tenth of a dB.
    const bool preamp = what == u"preamp";
    const int band = preamp ? -1 : CliOptions::equalizerBand(value).value_or(0);
    const QString gainText = m_options.arguments.value(preamp ? 1 : 2);
    const double gain = EqualizerBands::gainToSend(CliOptions::equalizerGain(gainText).value_or(0)).value_or(0);
    const auto done = [this, band, gain] {
        const std::optional<PlayerStatus::Equalizer>& now = m_remote->state().playerStatus().equalizer;
        const std::optional<double> reported = !now ? std::nullopt : band < 0 ? now->preamp : now->bands[size_t(band)];
        return reported && std::abs(*reported - gain) < 0.05;
    };
    sendThen(
        [this, band, gain] {
            if (band < 0)
                m_remote->setEqualizerPreamp(gain);
            else
                m_remote->setEqualizerBand(band, gain);
        },
        [this, done, band] {
            statusUntil(done,
                        band < 0 ? QStringLiteral("VLC did not take the preamp")
                                 : QStringLiteral("VLC did not take the gain of band %1").arg(band),
                        [this] { reportEqualizer(); });
        });
}

void CliSession::reportEqualizer()
{
    if (m_options.json)
        printJson(StateReport::equalizerJson(*m_remote));
    else
        print(StateReport::equalizerText(*m_remote));
    finish(ExitOk);
}

// --- Tracks, titles, chapters ---------------------------------------------------

void CliSession::readChapters(Step then)
{
    // VLC 3 tells of them in its JSON status only; before, the status.xml
    // just read tells.
    if (!m_remote->state().dialect().isModern()) {
        then();
        return;
    }
    disconnect(m_chaptersConnection);
    m_chaptersConnection = connect(&m_chapters, &ChapterTitleReader::answered, this, [this, then] {
        disconnect(m_chaptersConnection);
        m_guard.stop();
        then();
    });
    m_guard.start(requestGuardMs);
    m_chapters.refresh(*m_remote);
}

void CliSession::chaptersUntil(std::function<bool(const ChapterTitleInfo&)> done, const QString& failure, Step then,
                               int tries)
{
    if (done(m_chapters.info(*m_remote))) {
        then();
    } else if (tries >= rechecks) {
        fail(ExitCommandFailed, failure);
    } else {
        QTimer::singleShot(recheckMs, this, [this, done, failure, then, tries] {
            refreshStatus([this, done, failure, then, tries] {
                readChapters([this, done, failure, then, tries] { chaptersUntil(done, failure, then, tries + 1); });
            });
        });
    }
}

void CliSession::runTracks()
{
    const QString& command = m_options.command;
    const QStringList& args = m_options.arguments;
    if (command == u"track") {
        if (args.isEmpty()) {
            reportTracks();
            return;
        }
        const TrackSelection::Kind kind = trackKind(args[0]);
        const QString id = QString::number(CliOptions::trackId(args[1]).value_or(-1));
        const TrackList& tracks = StateReport::tracksOf(*m_remote, kind);
        QStringList listed;
        int index = -1;
        for (int i : TrackSelection::of(*m_remote).inStreamOrder(kind)) {
            const QString streamId = tracks[size_t(i)].value(u"streamId");
            listed << (streamId == u"-1" ? QStringLiteral("off") : streamId);
            if (streamId == id)
                index = i;
        }
        if (index < 0) {
            fail(ExitCommandFailed, QStringLiteral("there is no %1 track %2: what plays has %3")
                                        .arg(args[0], args[1], listed.join(u", ")));
            return;
        }
        sendThen([this, kind, index] { TrackSelection::of(*m_remote).select(kind, index); },
                 [this] { refreshStatus([this] { readChapters([this] { reportTracks(); }); }); });
        return;
    }
    const bool chapter = command == u"chapter";
    const ChapterTitleInfo info = m_chapters.info(*m_remote);
    const std::vector<ChapterTitleInfo::Entry>& entries = chapter ? info.chapters : info.titles;
    const int wanted = CliOptions::chapterNumber(args.value(0)).value_or(1);
    if (size_t(wanted) > entries.size()) {
        const QString plural = chapter ? QStringLiteral("chapters") : QStringLiteral("titles");
        fail(ExitCommandFailed, entries.empty()
                 ? QStringLiteral("what plays on %1 has no %2").arg(m_options.host, plural)
                 : QStringLiteral("there is no %1 %2: what plays has %3 1 to %4")
                       .arg(command).arg(wanted).arg(plural).arg(entries.size()));
        return;
    }
    const int number = entries[size_t(wanted - 1)].number;
    const auto done = [chapter, wanted](const ChapterTitleInfo& now) {
        return (chapter ? now.currentChapter : now.currentTitle) == wanted - 1;
    };
    sendThen(
        [this, chapter, number] {
            if (chapter)
                m_remote->playChapter(number);
            else
                m_remote->playTitle(number);
        },
        [this, done, command, wanted] {
            chaptersUntil(done, QStringLiteral("VLC did not go to %1 %2").arg(command).arg(wanted),
                          [this] { reportTracks(); });
        });
}

void CliSession::reportTracks()
{
    const ChapterTitleInfo info = m_chapters.info(*m_remote);
    if (m_options.json)
        printJson(StateReport::tracksJson(*m_remote, info));
    else
        print(StateReport::tracksText(*m_remote, info));
    finish(ExitOk);
}

void CliSession::runSubtitleFile()
{
    const PlaybackState playback = m_remote->state().playback();
    if (playback != PlaybackState::Playing && playback != PlaybackState::Paused) {
        fail(ExitCommandFailed,
             QStringLiteral("nothing plays on %1, and a subtitle file goes with what plays").arg(m_options.host));
        return;
    }
    // VLC wants a plain path: it ignores a file URL.
    const QString path = RemoteConnection::subtitlePath(m_options.arguments.value(0));
    whenFilePresent(path, [this, path] {
        QStringList before;
        for (const TrackRecord& track : m_remote->state().subtitleTracks())
            before << track.value(u"streamId");
        // VLC takes any file without a word, and drops one it cannot read
        // as subtitles: a new subtitle track is the only sign it took it.
        const auto added = [this, before] {
            for (const TrackRecord& track : m_remote->state().subtitleTracks())
                if (!before.contains(track.value(u"streamId")))
                    return true;
            return false;
        };
        sendThen([this, path] { m_remote->addSubtitle(path); }, [this, added, path] {
            statusUntil(added, QStringLiteral("VLC made no subtitle track of %1").arg(path),
                        [this] { readChapters([this] { reportTracks(); }); });
        });
    });
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
    m_errorMessage = message;
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
