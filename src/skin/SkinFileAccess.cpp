#include "skin/SkinFileAccess.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString withSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}
}

SkinFileAccess::SkinFileAccess(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (!canonical.isEmpty())
        m_canonical = withSlash(canonical);
}

SkinFileAccess::Verdict SkinFileAccess::resolve(const QString& name, QString* path) const
{
    if (name.isEmpty())
        return Verdict::Missing;
    // A backslash climbs out of the folder where it separates folders.
    if (name.startsWith(u'/') || name.contains(QChar(0)) || name.contains(u'\\'))
        return Verdict::Refused;
    for (const QStringView part : QStringView(name).tokenize(u'/'))
        if (part == u"..")
            return Verdict::Refused;
    if (m_canonical.isEmpty())
        return Verdict::Missing;
    const QString joined = m_canonical + name;
    const QString target = QFileInfo(joined).canonicalFilePath();
    if (target.isEmpty()) {
        // Nothing there, or a symlink that leads nowhere (yet).
        struct stat st {};
        return ::lstat(QFile::encodeName(joined).constData(), &st) == 0 ? Verdict::Refused : Verdict::Missing;
    }
    struct stat st {};
    if (!target.startsWith(m_canonical) || ::stat(QFile::encodeName(target).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return Verdict::Refused;
    if (path)
        *path = target;
    return Verdict::Found;
}

bool SkinFileAccess::openRegular(QFile& file, const QString& path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    // Only a regular file is opened at all: opening a fifo for reading waits
    // for a writer, opening a device may act on it.
    struct stat before {};
    if (::lstat(name.constData(), &before) != 0 || !S_ISREG(before.st_mode) || before.st_size > maxBytes)
        return false;
    // Something swapped in meanwhile is opened without blocking and let go.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_dev != before.st_dev || st.st_ino != before.st_ino
        || st.st_size > maxBytes
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
