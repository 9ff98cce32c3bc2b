#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A real VLC 3 with its HTTP interface on loopback, started by the test and
// stopped when this object goes. VLC refuses to run as root, so as root it
// runs as the user plvlc.
//
// Started means: our VLC (not whatever else took the port) answers HTTP with
// its request handlers in place. VLC's own log goes to a file, and a VLC that
// dies of a signal leaves a core dump; deathReport() says what happened.
class VlcInstance {
public:
    struct Options {
        QString password = QStringLiteral("secret");   // null: none configured
        QStringList media;                              // played in this order
        bool startPaused = false;
        // Where the web interface listens; port 0: a free one. A test inside
        // a network namespace of its own (DnsSdNamespace::enter) can give
        // the namespace's address and VLC's usual port.
        QString httpHost = QStringLiteral("127.0.0.1");
        quint16 port = 0;
    };

    explicit VlcInstance(const Options& options);
    ~VlcInstance();

    // Whether VLC could be started here at all; tests skip when not.
    static bool canRun(QString* why = nullptr);

    bool started() const { return m_started; }
    QString error() const { return m_error; }
    quint16 port() const { return m_port; }
    QString hostAddress() const { return QStringLiteral("%1:%2").arg(m_options.httpHost).arg(m_port); }
    QString password() const { return m_options.password; }
    // VLC's log so far (its last 64 KB).
    QString log() const;
    qint64 pid() const { return m_pid; }
    // VLC ended without being asked to: a signal or an exit of its own.
    bool crashed() const;
    // How VLC ended, its log's tail and, when it left a core dump, the
    // backtrace of every thread; the log and core are kept under
    // vlc-crashes/ in the working folder. Empty while VLC runs.
    QString deathReport() const;

    static quint16 freePort();
    // The test cases ("Suite.Name") during which a VLC died on its own;
    // each death is reported on standard error as its VLC is stopped.
    static QStringList casesWhereVlcDied();

private:
    bool launch(QString* why);
    bool listensOnOurPort() const;
    int httpStatus(int timeoutMs) const;
    bool waitUntilServing(int timeoutMs, QString* why);

    Options m_options;
    QProcess m_process;
    QTemporaryDir m_home;
    quint16 m_port = 0;
    qint64 m_pid = 0;
    bool m_started = false;
    QString m_error;
};
