#include "TestSupport.h"

#include "core/ConsoleLog.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QThread>

bool waitUntil(const std::function<bool()>& pred, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!pred()) {
        if (deadline.hasExpired())
            return pred();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (pred())
            return true; // no nap when the events just handled were the answer
        QThread::msleep(1);
    }
    return true;
}

void spinEventLoop(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
}

quint16 unusedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort(); // closed again when probe goes
}

QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(PLAYERLINK_FIXTURES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

ConsoleCapture::ConsoleCapture()
    : m_previous(ConsoleLog::currentSink())
{
    // What earlier cases logged counts for nothing here.
    ConsoleLog::resetRateLimit();
    ConsoleLog::setSink([this](const QString& line) { lines.append(line); });
}

ConsoleCapture::~ConsoleCapture()
{
    ConsoleLog::setSink(m_previous);
}

bool ConsoleCapture::contains(const QString& fragment) const
{
    for (const QString& line : lines)
        if (line.contains(fragment))
            return true;
    return false;
}

ScopedLogRules::ScopedLogRules(const QString& rules)
{
    QLoggingCategory::setFilterRules(rules);
}

ScopedLogRules::~ScopedLogRules()
{
    QLoggingCategory::setFilterRules(QString());
}

ScopedHome::ScopedHome()
    : m_previous(qgetenv("PLAYERLINK_HOME"))
{
    qputenv("PLAYERLINK_HOME", m_dir.path().toUtf8());
    UserDefaults::resetStandard();
    UserDefaults::standard().registerDefaults(PreferenceKeys::registeredDefaults());
}

ScopedHome::~ScopedHome()
{
    // The home before, with its registered defaults: the next test reads
    // them as the program would.
    qputenv("PLAYERLINK_HOME", m_previous);
    UserDefaults::resetStandard();
    UserDefaults::standard().registerDefaults(PreferenceKeys::registeredDefaults());
}

