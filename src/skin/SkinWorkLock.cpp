#include "skin/SkinWorkLock.h"

#include "core/HomePaths.h"

#include <QDir>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// In the home's own tmp folder: one lock per home, as skins are per home.
int openLockFile()
{
    const QString folder = HomePaths::tmp();
    QDir().mkpath(folder);
    const QByteArray path = QFile::encodeName(folder + QStringLiteral("/skin-work.lock"));
    return ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
}

int lock(int fd, int operation)
{
    int result;
    do
        result = ::flock(fd, operation);
    while (result != 0 && errno == EINTR);
    return result;
}
}

SkinWorkLock::SkinWorkLock()
    : m_fd(openLockFile())
{
    // Without a lock file nobody can clear leftovers either (whileIdle
    // fails alike), so working on without the hold is safe.
    if (m_fd >= 0 && lock(m_fd, LOCK_SH) != 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

SkinWorkLock::~SkinWorkLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // lets go of the lock
}

bool SkinWorkLock::whileIdle(const std::function<void()>& clear)
{
    const int fd = openLockFile();
    if (fd < 0)
        return false;
    const bool idle = lock(fd, LOCK_EX | LOCK_NB) == 0;
    if (idle)
        clear();
    ::close(fd);
    return idle;
}
