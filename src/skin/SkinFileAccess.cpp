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
    if (name.startsWith(u'/') || name.contains(QChar(0)))
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
    *path = target;
    return Verdict::Found;
}

bool SkinFileAccess::openRegular(QFile& file, const QString& path, qint64 maxBytes)
{
    // Without blocking: opening a fifo for reading would wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}
