#include "core/FileHelpers.h"

#include "core/ConsoleLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool FileHelpers::saveData(const QByteArray& data, const QString& directory, const QString& fullFilename)
{
    if (data.isEmpty()) {
        ConsoleLog::log(QStringLiteral("attempted to save an empty file : %@"), fullFilename);
        return false;
    }
    if (!directory.isEmpty())
        QDir().mkpath(directory);
    QSaveFile file(fullFilename);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void FileHelpers::checkDirectoryExists(const QString& path)
{
    if (!QFileInfo::exists(path))
        QDir().mkpath(path);
}

bool FileHelpers::copyItemAtPathCreatingDirectories(const QString& from, const QString& to, QString* error)
{
    checkDirectoryExists(QFileInfo(to).absolutePath());
    QFile source(from);
    if (source.copy(to))
        return true;
    if (error)
        *error = source.errorString();
    return false;
}

int FileHelpers::ageOfFile(const QString& path, const QString& comparedWith)
{
    const QDateTime a = QFileInfo(path).lastModified();
    const QDateTime b = QFileInfo(comparedWith).lastModified();
    return a < b ? -1 : (a > b ? 1 : 0);
}

bool FileHelpers::fileHasChangedSince(const QString& path, const QDateTime& since)
{
    return QFileInfo(path).lastModified() > since;
}
