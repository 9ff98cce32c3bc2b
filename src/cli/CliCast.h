#pragma once

#include "net/CastPlaylistWatch.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

#include <deque>

class CastServer;
class VLCController;
struct RequestResult;

// `playerlink-cli cast FILE...`: serves files of this computer to the VLC
// the remote talks to, hands them to it (the first played, the others
// after it) and serves them until VLC has played them (it stopped, or went
// on to an item not ours, after fetching one of ours), they have all left
// its playlist, or stop() (Ctrl+C). Nothing is served after that.
class CliCast : public QObject {
    Q_OBJECT
public:
    // How long VLC may take to start playing the first file.
    static constexpr int startTimeoutMs = 20000;
    static constexpr int pollMs = 1000;
    // Polls in a row that may fail before VLC counts as lost.
    static constexpr int failedPollsAllowed = 5;
    static constexpr int settleMs = 600;

    CliCast(VLCController& remote, const QStringList& files, bool json, QTextStream& out, QObject* parent = nullptr);
    ~CliCast() override;

    void start();
    // Stops serving now, and finishes.
    void stop();

signals:
    // message: why it failed; empty when all went well.
    void finished(int exitCode, const QString& message);

private:
    void startServer(const QList<QHostAddress>& addresses);
    void sendNext();
    void poll();
    void concluded(const RequestResult& result);
    void fetched(const QUrl& url, int status);
    void statusRead();
    void playlistRead();
    void end(int exitCode, const QString& message, const QString& note = {});
    QString nameOf(const QUrl& url) const;

    VLCController& m_remote;
    QStringList m_files;
    bool m_json;
    QTextStream& m_out;
    CastServer* m_server; // child
    CastPlaylistWatch m_watch;
    std::deque<QUrl> m_toSend;
    QList<QUrl> m_urls;
    QHash<QUrl, QString> m_names;
    QUrl m_sending;
    bool m_sendingPlay = false;
    bool m_polling = false;
    QSet<QUrl> m_playing;   // fetched by VLC
    bool m_started = false; // VLC has fetched one of ours
    bool m_playlistKnown = false;
    int m_notOurs = 0;      // statuses in a row since then that show no file of ours playing
    int m_failedPolls = 0;
    int m_ticks = 0;
    bool m_done = false;
    int m_lookupId = -1;
    QTimer m_pollTimer;
    QTimer m_startTimer;
    QTimer m_settle;
};
