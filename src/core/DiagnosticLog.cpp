#include "core/DiagnosticLog.h"

#include "core/Clock.h"
#include "core/FileHelpers.h"
#include "core/HomePaths.h"
#include "core/LogRateLimit.h"
#include "core/LogText.h"
#include "core/StringHelpers.h"

#include <QDateTime>
#include <QFile>

QString DiagnosticLog::path()
{
    return HomePaths::documents() + QStringLiteral("/log.txt");
}

void DiagnosticLog::create()
{
    const QString file = path();
    if (QFile::exists(file))
        return;
    FileHelpers::makeDirectory(HomePaths::documents(), FileAccess::OwnerOnly);
    QFile made(file);
    // The user mails it on purpose; no one else reads it.
    if (made.open(QIODevice::WriteOnly))
        made.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void DiagnosticLog::append(const QString& text)
{
    static LogRateLimit limit;
    QFile file(path());
    if (!file.exists() || file.size() >= maxFileBytes || !file.open(QIODevice::Append))
        return;
    const LogRateLimit::Admission admission = limit.admit(QStringLiteral("log file"), Clock::current().now());
    const QString stamp = QDateTime::currentDateTime().toString(Qt::ISODate);
    QString entries;
    if (admission.leftOut > 0)
        entries += QStringLiteral("%1 log: %2 more lines were left out\n").arg(stamp).arg(admission.leftOut);
    if (admission.write)
        entries += QStringLiteral("%1 %2\n").arg(stamp, LogText::escaped(text, maxEntryChars));
    file.write(entries.toUtf8());
}

QUrl DiagnosticLog::mailUrl()
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString body = StringHelpers::fullyEscapedStringForUrl(QString::fromUtf8(file.readAll()));
    return QUrl(QStringLiteral("mailto:?subject=subject&body=%1").arg(body), QUrl::TolerantMode);
}

void DiagnosticLog::remove()
{
    QFile::remove(path());
}
