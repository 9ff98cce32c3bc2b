#include "core/FileHelpers.h"

#include "core/ConsoleLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr QFile::Permissions ownerFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions ownerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
}

bool FileHelpers::saveData(const QByteArray& data, const QString& directory, const QString& fullFilename,
                           FileAccess access)
{
    if (data.isEmpty()) {
        ConsoleLog::log(logCore, QStringLiteral("attempted to save an empty file : %@"), fullFilename);
        return false;
    }
    if (!directory.isEmpty() && !QFileInfo::exists(directory))
        makeDirectory(directory, access);
    QSaveFile file(fullFilename);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The new file takes the old one's mode, or 0666 less the umask; a
    // secret must not be readable by others even for a moment.
    if (access == FileAccess::OwnerOnly && !file.setPermissions(ownerFile)) {
        file.cancelWriting();
        return false;
    }
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool FileHelpers::makeDirectory(const QString& path, FileAccess access)
{
    const QFileInfo info(path);
    if (access == FileAccess::Default)
        return info.isDir() || QDir().mkpath(path);
    if (!info.exists()) {
        const QString parent = info.absolutePath();
        if (!QFileInfo(parent).isDir() && !QDir().mkpath(parent))
            return false;
        // Created owner-only, so it is never open to others in between;
        // the umask can only take rights away, so they are set again.
        if (!QDir().mkdir(path, ownerFolder) && !QFileInfo(path).isDir())
            return false;
    } else if (!info.isDir()) {
        return false;
    }
    return QFile::setPermissions(path, ownerFolder);
}

bool FileHelpers::restrictFileToOwner(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
        | QFile::WriteOther | QFile::ExeOther;
    return !(info.permissions() & others) || QFile::setPermissions(path, ownerFile);
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
