#pragma once

#include "cli/CliOptions.h"
#include "vlc/ChapterTitleReader.h"
#include "vlc/PlayerStatus.h"
#include "vlc/VLCController.h"

#include <QJsonValue>
#include <QNetworkAccessManager>
#include <QObject>
#include <QTextStream>
#include <QTimer>

class CliCast;
class UserDefaults;

#include <functional>
#include <memory>

// Drives one command of playerlink-cli through the event loop: check that
// VLC answers (and takes the password), read its state, send the command,
// read the state again and report.
class CliSession : public QObject {
    Q_OBJECT
public:
    // defaults: the user's preferences (whether listings keep only media files).
    CliSession(const CliOptions& options, QTextStream& out, QTextStream& err, const UserDefaults& defaults);
    ~CliSession() override;

    void start();
    // Ends `cast` now (Ctrl+C): nothing is served after it.
    void stopCasting();

    // The message of the failure the session ended with; empty after success.
    QString errorMessage() const { return m_errorMessage; }
    const VLCController& remote() const { return *m_remote; }

signals:
    void finished(int exitCode);

private:
    using Step = std::function<void()>;
    using ReplyStep = std::function<void(VLCController::ReplyKind)>;

    // Sends through the remote and continues with the kind of reply, or
    // ends the session when the request fails.
    void request(const Step& send, ReplyStep then);
    void whenIdle(Step then);
    void probe(Step then);
    void refresh(const Step& send, VLCController::ReplyKind wanted, const QString& what, Step then);
    void refreshStatus(Step then);
    void refreshPlaylist(Step then);
    void refreshAll(Step then);
    void runCommand();
    void sendCommand(const Step& send, bool changesItem, bool changesPlaylist);
    // Sends a command and goes on once VLC has taken it.
    void sendThen(const Step& send, Step then);
    // Reads the status until it satisfies done (at most a few seconds: VLC
    // applies some commands a moment after it answers them); fails with
    // failure when it never does.
    void statusUntil(std::function<bool()> done, const QString& failure, Step then, int tries = 0);
    void runEqualizer();
    void setEqualizer(const QString& what);
    void reportEqualizer();
    void readChapters(Step then);
    void runTracks();
    void chaptersUntil(std::function<bool(const ChapterTitleInfo&)> done, const QString& failure, Step then,
                       int tries = 0);
    void reportTracks();
    void runSubtitleFile();
    void whenFilePresent(const QString& path, Step then);
    QString withVlcMessage(const QString& text) const;
    void reportStatus(bool withPlaylist);
    void runCast();
    void runWatch();
    void watchTick();
    void printWatchLine();

    void print(const QString& text);
    void printJson(const QJsonValue& value);
    void finish(int exitCode);
    void fail(int exitCode, const QString& message);
    QString failureText(RequestFailure failure) const;
    static int exitCodeFor(RequestFailure failure);
    bool playlistHasId(int id) const;

    CliOptions m_options;
    QTextStream& m_out;
    QTextStream& m_err;
    QNetworkAccessManager m_network;
    std::unique_ptr<VLCController> m_remote;
    std::unique_ptr<CliCast> m_cast;
    QMetaObject::Connection m_resultConnection;
    QTimer m_guard;
    QTimer m_watchTimer;
    int m_watchTicks = 0;
    bool m_linePrinted = false;
    bool m_lastPollFailed = false;
    bool m_finished = false;
    QString m_lastVlcMessage; // from the last reply that concluded
    QString m_errorMessage;
    ChapterTitleReader m_chapters;
    QMetaObject::Connection m_chaptersConnection;
};
