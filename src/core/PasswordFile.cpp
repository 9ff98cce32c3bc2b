#include "core/PasswordFile.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The first line of what was read, without its line break; nothing for an
// empty one.
std::optional<QString> firstLine(const QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    QByteArray line = end < 0 ? bytes : bytes.left(end);
    if (line.endsWith('\r'))
        line.chop(1);
    if (line.isEmpty())
        return std::nullopt;
    return QString::fromUtf8(line);
}

// Reads a regular file's bytes, one more than allowed at most.
bool readRegular(int fd, QByteArray& bytes)
{
    bytes.resize(PasswordFile::maxBytes + 1);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        filled += n;
    }
    bytes.resize(filled);
    return true;
}

// Reads a pipe or socket up to its first line break, its end or the limit,
// waiting no longer than the deadline. False when the deadline passed.
bool readStream(int fd, QByteArray& bytes, QDeadlineTimer deadline)
{
    char buffer[512];
    while (!bytes.contains('\n') && bytes.size() <= PasswordFile::maxBytes) {
        pollfd p { fd, POLLIN, 0 };
        const int ready = ::poll(&p, 1, int(std::max<qint64>(0, deadline.remainingTime())));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            break; // the end (or a failure, which reads as what came so far)
        bytes.append(buffer, n);
    }
    return true;
}
}

std::optional<QString> PasswordFile::read(const QString& path, QString* error)
{
    auto fail = [&](const QString& reason) -> std::optional<QString> {
        *error = QStringLiteral("--password-file %1: %2").arg(path, reason);
        return std::nullopt;
    };
    auto failure = [](int code) {
        return code == ENOENT ? QStringLiteral("no such file")
                              : QStringLiteral("cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(code)));
    };
    const QString tooLarge = QStringLiteral("larger than %1 bytes, too large for a password").arg(maxBytes);
    const bool standardInput = path == u"-";
    if (standardInput && ::isatty(STDIN_FILENO))
        return fail(QStringLiteral("standard input is a terminal; pipe the password in or name a file"));
    // Opened without waiting: opening a FIFO would otherwise block until
    // someone writes to it.
    const int openFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const int fd = standardInput ? STDIN_FILENO : ::open(QFile::encodeName(path).constData(), openFlags);
    if (fd < 0)
        return fail(failure(errno));
    QByteArray bytes;
    QString problem;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        problem = failure(errno);
    } else if (S_ISREG(info.st_mode)) {
        if (info.st_size > maxBytes)
            problem = tooLarge;
        else if (!readRegular(fd, bytes))
            problem = failure(errno);
        else if (bytes.size() > maxBytes)
            problem = tooLarge; // it grew meanwhile
    } else if (standardInput && (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode))) {
        if (!readStream(fd, bytes, QDeadlineTimer(stdinWaitMs)))
            problem = QStringLiteral("no password arrived on standard input within %1 seconds").arg(stdinWaitMs / 1000);
        else if (const qsizetype lineEnd = bytes.indexOf('\n'); (lineEnd < 0 ? bytes.size() : lineEnd) > maxBytes)
            problem = tooLarge;
    } else if (standardInput) {
        problem = QStringLiteral("standard input is neither a file nor a pipe");
    } else {
        problem = S_ISDIR(info.st_mode) ? QStringLiteral("a folder, not a file") : QStringLiteral("not a regular file");
    }
    if (!standardInput)
        ::close(fd);
    if (!problem.isEmpty())
        return fail(problem);
    const std::optional<QString> password = firstLine(bytes);
    if (!password)
        return fail(QStringLiteral("holds no password (its first line is empty)"));
    return password;
}
