#include "core/ConsoleLog.h"

#include "core/Clock.h"
#include "core/LogRateLimit.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

namespace {
bool logEnabled = true;
ConsoleLog::Sink& sink()
{
    static ConsoleLog::Sink s;
    return s;
}
LogRateLimit& rateLimit()
{
    static LogRateLimit limit;
    return limit;
}
}

void ConsoleLog::write(const QString& line)
{
    if (!logEnabled)
        return;
    if (sink()) {
        sink()(line);
        return;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    const QString app = QCoreApplication::instance() ? QCoreApplication::applicationName() : QStringLiteral("PlayerLink");
    const QByteArray text = QStringLiteral("%1 %2[%3] %4\n")
                                .arg(stamp, app, QString::number(QCoreApplication::applicationPid()), line)
                                .toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
}

void ConsoleLog::writeFrom(const QString& site, const QString& line)
{
    if (!logEnabled)
        return;
    const LogRateLimit::Admission admission = rateLimit().admit(site, Clock::current().now());
    if (admission.leftOut > 0)
        write(fmt(QStringLiteral("log: %d more lines of the form \"%@\" were left out"), admission.leftOut,
                  LogText::escaped(site)));
    if (admission.write)
        write(line);
}

void ConsoleLog::resetRateLimit()
{
    rateLimit().reset();
}

bool ConsoleLog::enabled()
{
    return logEnabled;
}

void ConsoleLog::setEnabled(bool enabled)
{
    logEnabled = enabled;
}

void ConsoleLog::setSink(Sink s)
{
    sink() = std::move(s);
}

ConsoleLog::Sink ConsoleLog::currentSink()
{
    return sink();
}
