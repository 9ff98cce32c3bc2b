#include "VlcInstance.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtEndian>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
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

QString tailOf(const QString& path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.size() > bytes)
        file.seek(file.size() - bytes);
    return QString::fromUtf8(file.readAll());
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
    // VLC (as plvlc) writes its log and any core dump here.
    QFile::setPermissions(m_home.path(), QFileDevice::Permissions(0x7777));
    // A free port can be taken by another program before VLC binds it; VLC
    // then runs on without its web interface, and the port answers for
    // someone else. So: check who listens, and start again elsewhere.
    for (int attempt = 0; attempt < 5 && !m_started; ++attempt) {
        if (attempt > 0)
            std::fprintf(stderr, "note: VLC started again on another port: %s\n", qPrintable(why.section(u'\n', 0, 0).left(200)));
        m_started = launch(&why);
    }
    if (!m_started)
        m_error = why;
}

bool VlcInstance::launch(QString* why)
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    m_port = m_options.port ? m_options.port : freePort();
    QStringList args { QStringLiteral("-I"), QStringLiteral("http"),
                       QStringLiteral("--http-host"), m_options.httpHost,
                       QStringLiteral("--http-port"), QString::number(m_port),
                       QStringLiteral("--aout"), QStringLiteral("alsa"),
                       QStringLiteral("--alsa-audio-device"), QStringLiteral("null"),
                       QStringLiteral("--vout"), QStringLiteral("dummy"),
                       QStringLiteral("--no-dbus"), QStringLiteral("--no-video-title-show"),
                       QStringLiteral("--no-media-library"), QStringLiteral("--no-metadata-network-access"),
                       QStringLiteral("--verbose=2") };
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
    m_process.setWorkingDirectory(m_home.path()); // where a core dump lands
    m_process.setChildProcessModifier([] {
        const rlimit unlimited { RLIM_INFINITY, RLIM_INFINITY };
        ::setrlimit(RLIMIT_CORE, &unlimited);
    });
    m_process.setStandardOutputFile(m_home.filePath(QStringLiteral("vlc.log")), QIODevice::Append);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, args);
    if (!m_process.waitForStarted(5000)) {
        *why = QStringLiteral("VLC did not start: ") + m_process.errorString();
        return false;
    }
    m_pid = m_process.processId();
    return waitUntilServing(20000, why);
}

namespace {
QStringList& deaths()
{
    static QStringList cases;
    return cases;
}
}

QStringList VlcInstance::casesWhereVlcDied()
{
    return deaths();
}

VlcInstance::~VlcInstance()
{
    if (crashed()) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const QString name = test ? QStringLiteral("%1.%2").arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()))
                                  : QStringLiteral("(outside a test case)");
        deaths() << name;
        std::fprintf(stderr, "\nnote: VLC itself died during %s: %s\n\n", qPrintable(name), qPrintable(deathReport()));
        return;
    }
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QString VlcInstance::log() const
{
    return tailOf(m_home.filePath(QStringLiteral("vlc.log")), 64 * 1024);
}

bool VlcInstance::crashed() const
{
    if (!m_started)
        return false;
    // Without an event loop turning, only a wait notices that VLC has gone.
    auto& process = const_cast<QProcess&>(m_process);
    if (process.state() != QProcess::NotRunning)
        process.waitForFinished(0);
    return process.state() == QProcess::NotRunning;
}

QString VlcInstance::deathReport() const
{
    if (!crashed())
        return {};
    auto& process = const_cast<QProcess&>(m_process);
    process.waitForFinished(1000);
    QString report;
    if (process.exitStatus() == QProcess::CrashExit)
        report = QStringLiteral("VLC (pid %1) was killed by signal %2 (%3)")
                     .arg(m_pid)
                     .arg(process.exitCode())
                     .arg(QString::fromLatin1(::strsignal(process.exitCode())));
    else
        report = QStringLiteral("VLC (pid %1) exited by itself with status %2").arg(m_pid).arg(process.exitCode());

    // Keep the evidence beyond the temporary home (the last ten deaths).
    QDir crashes(QDir::current().filePath(QStringLiteral("vlc-crashes")));
    crashes.mkpath(QStringLiteral("."));
    const QStringList older = crashes.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    for (const QString& name : older.mid(9))
        QDir(crashes.filePath(name)).removeRecursively();
    const QString kept = crashes.filePath(
        QStringLiteral("%1-%2").arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))).arg(m_pid));
    QDir().mkpath(kept);
    QFile::copy(m_home.filePath(QStringLiteral("vlc.log")), kept + QStringLiteral("/vlc.log"));
    QString core;
    for (const QString& name : QDir(m_home.path()).entryList({ QStringLiteral("core*") }, QDir::Files))
        core = m_home.filePath(name);
    if (!core.isEmpty() && QFile::copy(core, kept + QStringLiteral("/core")))
        core = kept + QStringLiteral("/core");
    report += QStringLiteral("; log and core kept in ") + kept;
    if (!core.isEmpty() && !QStandardPaths::findExecutable(QStringLiteral("gdb")).isEmpty()) {
        // The thread that died first, then every thread into the file.
        QProcess gdb;
        gdb.setProcessChannelMode(QProcess::MergedChannels);
        gdb.start(QStringLiteral("gdb"), { QStringLiteral("-batch"), QStringLiteral("-nx"),
                                            QStringLiteral("-ex"), QStringLiteral("bt 25"),
                                            QStringLiteral("-ex"), QStringLiteral("thread apply all bt 25"),
                                            QStringLiteral("/usr/bin/vlc"), core });
        gdb.waitForFinished(60000);
        QStringList frames;
        for (const QString& line : QString::fromUtf8(gdb.readAll()).split(u'\n'))
            if (line.startsWith(u'#') || line.startsWith(QStringLiteral("Thread ")) || line.startsWith(QStringLiteral("Program terminated")))
                frames << line;
        QFile trace(kept + QStringLiteral("/backtrace.txt"));
        if (trace.open(QIODevice::WriteOnly))
            trace.write(frames.join(u'\n').toUtf8());
        const qsizetype firstThread = frames.indexOf(QRegularExpression(QStringLiteral("^Thread ")));
        report += QStringLiteral("\nbacktrace of the thread that died (every thread in backtrace.txt):\n")
            + frames.mid(0, firstThread < 0 ? 26 : qMin<qsizetype>(firstThread, 26)).join(u'\n');
    } else if (core.isEmpty()) {
        report += QStringLiteral(" (no core dump)");
    }
    // The last warnings and errors; the debug lines stay in the kept log.
    QStringList lines;
    for (const QString& line : tailOf(m_home.filePath(QStringLiteral("vlc.log")), 256 * 1024).split(u'\n'))
        if (!line.contains(QStringLiteral(" debug: ")) && !line.trimmed().isEmpty())
            lines << line;
    return report + QStringLiteral("\nVLC's log, last warnings and errors:\n") + lines.mid(lines.size() - 15).join(u'\n');
}

// Whether the socket listening on our port belongs to our VLC process.
bool VlcInstance::listensOnOurPort() const
{
    QFile table(QStringLiteral("/proc/net/tcp"));
    if (!table.open(QIODevice::ReadOnly))
        return true; // cannot tell here; trust the port
    // /proc/net/tcp prints the address's bytes, in network order, as one
    // native word.
    const quint32 host = QHostAddress(m_options.httpHost).toIPv4Address();
    const QByteArray local = QByteArray::number(qToBigEndian(host), 16).toUpper().rightJustified(8, '0') + ':'
        + QByteArray::number(m_port, 16).toUpper().rightJustified(4, '0');
    QByteArray inode;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() > 9 && fields[1] == local && fields[3] == "0A") // 0A: listening
            inode = fields[9];
    }
    if (inode.isEmpty())
        return false;
    const QString fdDir = QStringLiteral("/proc/%1/fd").arg(m_pid);
    const QString socket = QStringLiteral("socket:[%1]").arg(QString::fromLatin1(inode));
    for (const QString& fd : QDir(fdDir).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[128] = {};
        const QByteArray path = QFile::encodeName(fdDir + u'/' + fd);
        if (::readlink(path.constData(), target, sizeof target - 1) > 0 && socket == QLatin1StringView(target))
            return true;
    }
    return false;
}

// The HTTP status of a status request (of the start page for a VLC
// without a password, which serves nothing else), or -1 when nothing answered.
int VlcInstance::httpStatus(int timeoutMs) const
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(m_options.httpHost), m_port);
    if (!socket.waitForConnected(timeoutMs))
        return -1;
    const QByteArray path = m_options.password.isNull() ? "/" : "/requests/status.xml";
    QByteArray request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n";
    if (!m_options.password.isNull())
        request += "Authorization: Basic " + (":" + m_options.password.toUtf8()).toBase64() + "\r\n";
    socket.write(request + "\r\n");
    QByteArray reply;
    QDeadlineTimer deadline(timeoutMs);
    while (!reply.contains("\r\n") && !deadline.hasExpired() && socket.state() == QAbstractSocket::ConnectedState)
        if (socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            reply += socket.readAll();
    reply += socket.readAll();
    const QList<QByteArray> statusLine = reply.left(reply.indexOf('\r')).split(' ');
    return statusLine.size() >= 2 ? statusLine[1].toInt() : -1;
}

// Until VLC's web interface answers a status request the way it answers
// clients (not the 404 of a host whose handlers are not yet in place).
bool VlcInstance::waitUntilServing(int timeoutMs, QString* why)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning) {
            *why = QStringLiteral("VLC ended while starting: ") + log();
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress(m_options.httpHost), m_port);
        if (probe.waitForConnected(200)) {
            probe.abort();
            if (!listensOnOurPort()) {
                *why = QStringLiteral("port %1 was taken by another program").arg(m_port);
                return false;
            }
            const int status = httpStatus(2000);
            if (status == 200 || status == 401 || status == 403)
                return true;
        }
        QThread::msleep(50);
    }
    *why = QStringLiteral("VLC did not serve its web interface: ") + log();
    return false;
}
