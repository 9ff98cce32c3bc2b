#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A real VLC 3 with its HTTP interface on loopback, started by the test and
// stopped when this object goes. VLC refuses to run as root, so as root it
// runs as the user plvlc.
class VlcInstance {
public:
    struct Options {
        QString password = QStringLiteral("secret");   // null: none configured
        QStringList media;                              // played in this order
        bool startPaused = false;
    };

    explicit VlcInstance(const Options& options);
    ~VlcInstance();

    // Whether VLC could be started here at all; tests skip when not.
    static bool canRun(QString* why = nullptr);

    bool started() const { return m_started; }
    QString error() const { return m_error; }
    quint16 port() const { return m_port; }
    QString hostAddress() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString password() const { return m_options.password; }
    QString log() const;
    qint64 pid() const { return m_process.processId(); }
    // VLC went away on its own (VLC 3.0 crashes now and then under load).
    bool crashed() const { return m_started && m_process.state() == QProcess::NotRunning; }

    static quint16 freePort();

private:
    bool waitForPort(int timeoutMs);

    Options m_options;
    QProcess m_process;
    QTemporaryDir m_home;
    quint16 m_port = 0;
    bool m_started = false;
    QString m_error;
};
