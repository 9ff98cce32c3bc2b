#include "VlcInstance.h"

#include <QFile>

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <unistd.h>

namespace {
const QString vlcUser = QStringLiteral("plvlc");

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

bool userExists(const QString& user)
{
    QProcess id;
    id.start(QStringLiteral("id"), { QStringLiteral("-u"), user });
    return id.waitForFinished(3000) && id.exitCode() == 0;
}
}

bool VlcInstance::canRun(QString* why)
{
    auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (QStandardPaths::findExecutable(QStringLiteral("cvlc")).isEmpty())
        return fail(QStringLiteral("cvlc is not installed (make test installs vlc-bin)"));
    if (runningAsRoot() && !userExists(vlcUser))
        return fail(QStringLiteral("user plvlc is missing (make test creates it)"));
    return true;
}

quint16 VlcInstance::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

VlcInstance::VlcInstance(const Options& options)
    : m_options(options)
    , m_home(QStringLiteral("/tmp/playerlink-vlchome-XXXXXX"))
{
    QString why;
    if (!canRun(&why)) {
        m_error = why;
        return;
    }
    QFile::setPermissions(m_home.path(), QFileDevice::Permissions(0x7777));

    m_port = freePort();
    QStringList args { QStringLiteral("-I"), QStringLiteral("http"),
                       QStringLiteral("--http-host"), QStringLiteral("127.0.0.1"),
                       QStringLiteral("--http-port"), QString::number(m_port),
                       QStringLiteral("--aout"), QStringLiteral("alsa"),
                       QStringLiteral("--alsa-audio-device"), QStringLiteral("null"),
                       QStringLiteral("--vout"), QStringLiteral("dummy"),
                       QStringLiteral("--no-dbus"), QStringLiteral("--no-video-title-show"),
                       QStringLiteral("--no-media-library"), QStringLiteral("--no-metadata-network-access") };
    if (!m_options.password.isNull())
        args << QStringLiteral("--http-password") << m_options.password;
    if (m_options.startPaused)
        args << QStringLiteral("--start-paused");
    args << m_options.media;

    QString program = QStringLiteral("cvlc");
    if (runningAsRoot()) {
        // setpriv execs VLC in place, so the process we stop is VLC itself.
        args.prepend(program);
        args = QStringList { QStringLiteral("--reuid=") + vlcUser, QStringLiteral("--regid=") + vlcUser,
                             QStringLiteral("--init-groups"), QStringLiteral("--") } + args;
        program = QStringLiteral("setpriv");
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.path() + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path() + QStringLiteral("/data"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, args);
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("VLC did not start: ") + m_process.errorString();
        return;
    }
    if (!waitForPort(15000)) {
        m_error = QStringLiteral("VLC did not open its port: ") + log();
        return;
    }
    m_started = true;
}

VlcInstance::~VlcInstance()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QString VlcInstance::log() const
{
    return QString::fromUtf8(const_cast<QProcess&>(m_process).readAll());
}

bool VlcInstance::waitForPort(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning)
            return false;
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_port);
        if (socket.waitForConnected(200))
            return true;
        QThread::msleep(50);
    }
    return false;
}
