#include "DnsSdNamespace.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <csignal>

#include <fcntl.h>
#include <sched.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
const QString prefix = QStringLiteral("pl-dnssd-");

// Anyone on the private bus may own any name and call anything: it serves
// this test alone.
const char* busConfig = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_type="method_call"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
)";

// IPv4 only, on va only, under a host name of its own.
const char* daemonConfig = R"([server]
host-name=plhost
domain-name=local
use-ipv4=yes
use-ipv6=no
allow-interfaces=va
enable-dbus=yes
[wide-area]
enable-wide-area=no
[publish]
publish-addresses=yes
publish-hinfo=no
publish-workstation=no
publish-domain=no
[reflector]
enable-reflector=no
)";

bool runIp(const QStringList& arguments)
{
    QProcess ip;
    ip.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ip.start(QStringLiteral("ip"), arguments);
    return ip.waitForFinished(10000) && ip.exitStatus() == QProcess::NormalExit && ip.exitCode() == 0;
}

bool processAlive(const QString& pid)
{
    return QFile::exists(QStringLiteral("/proc/") + pid);
}
}

DnsSdNamespace::DnsSdNamespace()
{
    static int made = 0;
    const qint64 pid = QCoreApplication::applicationPid();
    m_name = prefix + QStringLiteral("%1-%2").arg(pid).arg(++made);
    // The same path for every instance of this process (see the class note).
    m_runtimeDir = QStringLiteral("/tmp/") + prefix + QString::number(pid);
    m_hadPreviousBus = qEnvironmentVariableIsSet("DBUS_SYSTEM_BUS_ADDRESS");
    m_previousBus = qgetenv("DBUS_SYSTEM_BUS_ADDRESS");
    QString why;
    if (!canRun(&why)) {
        m_error = why;
        return;
    }
    m_ready = setUp();
}

DnsSdNamespace::~DnsSdNamespace()
{
    leave();
    unpublishAll();
    if (m_daemon)
        stop(*m_daemon);
    if (m_bus)
        stop(*m_bus);
    if (m_created)
        runIp({ QStringLiteral("netns"), QStringLiteral("del"), m_name });
    QDir(m_runtimeDir).removeRecursively();
    if (m_hadPreviousBus)
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_previousBus);
    else
        qunsetenv("DBUS_SYSTEM_BUS_ADDRESS");
}

bool DnsSdNamespace::canRun(QString* why)
{
    auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (::geteuid() != 0)
        return fail(QStringLiteral("making a network namespace needs root"));
    for (const char* program : { "ip", "dbus-daemon", "avahi-daemon", "avahi-publish" })
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty()
            && QStandardPaths::findExecutable(QLatin1String(program), { QStringLiteral("/usr/sbin"), QStringLiteral("/sbin") }).isEmpty())
            return fail(QStringLiteral("%1 is missing (scripts/install-deps.sh installs it)").arg(QLatin1String(program)));
    return true;
}

QString DnsSdNamespace::busAddress() const
{
    return QStringLiteral("unix:path=") + m_runtimeDir + QStringLiteral("/system_bus_socket");
}

bool DnsSdNamespace::setUp()
{
    removeLeftovers();
    QDir(m_runtimeDir).removeRecursively();
    if (!QDir().mkpath(m_runtimeDir + QStringLiteral("/no-services"))) {
        m_error = QStringLiteral("cannot make ") + m_runtimeDir;
        return false;
    }
    if (!writeFile(m_runtimeDir + QStringLiteral("/bus.conf"),
                   QString::fromLatin1(busConfig).arg(m_runtimeDir + QStringLiteral("/system_bus_socket")).toUtf8())
        || !writeFile(m_runtimeDir + QStringLiteral("/avahi-daemon.conf"), daemonConfig))
        return false;

    if (!runIp({ QStringLiteral("netns"), QStringLiteral("add"), m_name })) {
        m_error = QStringLiteral("cannot make the network namespace ") + m_name;
        return false;
    }
    m_created = true;
    for (const char* step : { "link set lo up", "link add va type veth peer name vb", "link set va multicast on up",
                              "link set vb multicast on up", "addr add 10.77.0.1/24 dev va",
                              "addr add 10.77.0.2/24 dev vb" }) {
        if (!ip(QString::fromLatin1(step))) {
            m_error = QStringLiteral("ip %1 failed in %2").arg(QLatin1String(step), m_name);
            return false;
        }
    }
    return startBus() && startDaemon();
}

bool DnsSdNamespace::writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size())
        return true;
    m_error = QStringLiteral("cannot write ") + path;
    return false;
}

bool DnsSdNamespace::startBus()
{
    QString output;
    // A bus needs no network: its socket is a file, reachable from inside
    // the namespace and from this process alike.
    m_bus = startChild(QStringLiteral("dbus-daemon"),
                       { QStringLiteral("--config-file=") + m_runtimeDir + QStringLiteral("/bus.conf"),
                         QStringLiteral("--nofork"), QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1") },
                       QStringLiteral("unix:"), 10000, &output);
    if (!m_bus) {
        m_error = QStringLiteral("dbus-daemon did not start: ") + output;
        return false;
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", busAddress().toUtf8());
    return true;
}

bool DnsSdNamespace::startDaemon()
{
    if (daemonRunning())
        return true;
    // "ip netns exec" gives the command a mount namespace of its own: a
    // fresh /run keeps the daemon's pid file and socket away from any daemon
    // of the machine, and an empty services folder keeps the machine's
    // static services out.
    const QString script = QStringLiteral(
        "mount -n -t tmpfs -o size=1m tmpfs /run"
        " && { [ ! -d /etc/avahi/services ] || mount -n --bind '%1/no-services' /etc/avahi/services; }"
        " && exec avahi-daemon --no-drop-root --no-chroot --no-rlimits --no-proc-title -f '%1/avahi-daemon.conf'")
                               .arg(m_runtimeDir);
    QString output;
    const QStringList command = commandInside({ QStringLiteral("sh"), QStringLiteral("-c"), script });
    m_daemon = startChild(command.first(), command.mid(1), QStringLiteral("Server startup complete"), 15000, &output);
    m_daemonLog = output.toUtf8();
    if (!m_daemon) {
        m_error = QStringLiteral("avahi-daemon did not start: ") + output;
        return false;
    }
    for (Publication& publication : m_publications) {
        if (publication.process && publication.process->state() != QProcess::NotRunning)
            continue;
        if (!startPublisher(publication, nullptr)) {
            m_error = QStringLiteral("could not publish again: ") + publication.arguments.join(u' ');
            return false;
        }
    }
    return true;
}

bool DnsSdNamespace::stopDaemon()
{
    if (!m_daemon)
        return true;
    daemonLog();
    stop(*m_daemon);
    m_daemon.reset();
    return true;
}

bool DnsSdNamespace::daemonRunning() const
{
    return m_daemon && m_daemon->state() == QProcess::Running;
}

QString DnsSdNamespace::daemonLog() const
{
    if (m_daemon)
        m_daemonLog += m_daemon->readAll();
    return QString::fromUtf8(m_daemonLog);
}

bool DnsSdNamespace::ip(const QString& command)
{
    return runIp(QStringList { QStringLiteral("-n"), m_name } + command.split(u' ', Qt::SkipEmptyParts));
}

QStringList DnsSdNamespace::commandInside(const QStringList& command) const
{
    return QStringList { QStringLiteral("ip"), QStringLiteral("netns"), QStringLiteral("exec"), m_name } + command;
}

bool DnsSdNamespace::enter()
{
    if (m_home >= 0)
        return true;
    m_home = ::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    const int target = ::open(qPrintable(QStringLiteral("/run/netns/") + m_name), O_RDONLY | O_CLOEXEC);
    const bool entered = m_home >= 0 && target >= 0 && ::setns(target, CLONE_NEWNET) == 0;
    if (target >= 0)
        ::close(target);
    if (!entered) {
        if (m_home >= 0)
            ::close(m_home);
        m_home = -1;
        return false;
    }
    return true;
}

void DnsSdNamespace::leave()
{
    if (m_home < 0)
        return;
    if (::setns(m_home, CLONE_NEWNET) != 0)
        qFatal("cannot return to the test's own network namespace");
    ::close(m_home);
    m_home = -1;
}

QString DnsSdNamespace::publishService(const QString& name, const QString& type, quint16 port,
                                       const QString& hostName)
{
    Publication publication;
    publication.arguments << QStringLiteral("-s");
    if (!hostName.isEmpty())
        publication.arguments << QStringLiteral("-H") << hostName;
    publication.arguments << name << type << QString::number(port);
    QString established;
    if (!startPublisher(publication, &established))
        return QString();
    m_publications.push_back(std::move(publication));
    return established;
}

bool DnsSdNamespace::publishAddress(const QString& hostName, const QString& address)
{
    Publication publication;
    publication.arguments = QStringList { QStringLiteral("-a"), QStringLiteral("-R"), hostName, address };
    if (!startPublisher(publication, nullptr))
        return false;
    m_publications.push_back(std::move(publication));
    return true;
}

void DnsSdNamespace::unpublish(const QString& nameOrHost)
{
    for (auto it = m_publications.begin(); it != m_publications.end();) {
        if (it->arguments.contains(nameOrHost)) {
            if (it->process)
                stop(*it->process);
            it = m_publications.erase(it);
        } else {
            ++it;
        }
    }
}

void DnsSdNamespace::unpublishAll()
{
    for (Publication& publication : m_publications)
        if (publication.process)
            stop(*publication.process);
    m_publications.clear();
}

bool DnsSdNamespace::startPublisher(Publication& publication, QString* establishedName)
{
    QString output;
    publication.process = startChild(QStringLiteral("avahi-publish"), publication.arguments,
                                     QStringLiteral("Established under name '"), 10000, &output);
    if (!publication.process) {
        m_error = QStringLiteral("avahi-publish %1: %2").arg(publication.arguments.join(u' '), output);
        return false;
    }
    if (establishedName) {
        static const QRegularExpression form(QStringLiteral("Established under name '(.*)'"));
        *establishedName = form.match(output).captured(1);
    }
    return true;
}

std::unique_ptr<QProcess> DnsSdNamespace::startChild(const QString& program, const QStringList& arguments,
                                                     const QString& readyMarker, int timeoutMs, QString* output)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::MergedChannels);
    // Dies with the test, even when the test crashes.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process->start(program, arguments);
    if (!process->waitForStarted(5000)) {
        *output = process->errorString();
        return nullptr;
    }
    QByteArray seen;
    const QDeadlineTimer deadline(timeoutMs);
    while (!seen.contains(readyMarker.toUtf8())) {
        if (deadline.hasExpired() || process->state() == QProcess::NotRunning) {
            seen += process->readAll();
            *output = QString::fromUtf8(seen);
            stop(*process);
            return nullptr;
        }
        process->waitForReadyRead(100);
        seen += process->readAll();
    }
    *output = QString::fromUtf8(seen);
    return process;
}

void DnsSdNamespace::stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

void DnsSdNamespace::removeLeftovers()
{
    // Runs that crashed left their namespace and folder; their children died
    // with them.
    static const QRegularExpression ours(QStringLiteral("^") + prefix + QStringLiteral("(\\d+)(-\\d+)?$"));
    for (const QString& entry : QDir(QStringLiteral("/run/netns")).entryList(QDir::Files | QDir::System)) {
        const QRegularExpressionMatch match = ours.match(entry);
        if (match.hasMatch() && !processAlive(match.captured(1)))
            runIp({ QStringLiteral("netns"), QStringLiteral("del"), entry });
    }
    for (const QString& entry : QDir(QStringLiteral("/tmp")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = ours.match(entry);
        if (match.hasMatch() && !match.hasCaptured(2) && !processAlive(match.captured(1)))
            QDir(QStringLiteral("/tmp/") + entry).removeRecursively();
    }
}
