#include "bundle/BundleInstaller.h"

#include "core/ConsoleLog.h"
#include "core/HomePaths.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {
const QString builtInRoot = QStringLiteral(":/bundle");

QString stampPath()
{
    return HomePaths::bundle() + QStringLiteral("/.installed");
}
}

QString BundleInstaller::sourceRoot()
{
    // An installed program ships its bundle beside it (prefix/bin and
    // prefix/share/playerlink); a program run from its build tree has only
    // the copy built into it.
    if (QCoreApplication::instance()) {
        const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/playerlink");
        if (QFileInfo(installed + QStringLiteral("/DefaultSkin")).isDir())
            return QDir::cleanPath(installed);
    }
    return builtInRoot;
}

QString BundleInstaller::fingerprint()
{
    const QString resourceRoot = sourceRoot();
    QStringList entries;
    QDirIterator it(resourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        // By content: an edited page of the same size must be installed too.
        QFile file(it.filePath());
        file.open(QIODevice::ReadOnly);
        entries.append(it.filePath().mid(resourceRoot.size()) + u' '
                       + QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()));
    }
    entries.sort();
    return entries.join(u'\n');
}

bool BundleInstaller::install()
{
    const QString resourceRoot = sourceRoot();
    const QString wanted = fingerprint();
    QFile stamp(stampPath());
    if (stamp.open(QIODevice::ReadOnly) && QString::fromUtf8(stamp.readAll()) == wanted)
        return true;
    stamp.close();

    // Written into a folder beside the bundle, made durable with one sync of
    // the file system, then moved into place: a crash leaves either the old
    // bundle or the new one, never half of it, and a first launch does not
    // wait for a disk sync per file.
    const QString bundle = HomePaths::bundle();
    const QString staging = bundle + QStringLiteral(".installing");
    const QString retired = bundle + QStringLiteral(".old");
    QDir(staging).removeRecursively();
    QDir(retired).removeRecursively();
    bool ok = QDir().mkpath(staging);
    QDirIterator it(resourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (ok && it.hasNext()) {
        it.next();
        const QString target = staging + it.filePath().mid(resourceRoot.size());
        QFile source(it.filePath());
        QFile out(target);
        ok = source.open(QIODevice::ReadOnly) && QDir().mkpath(QFileInfo(target).path())
            && out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(source.readAll()) == source.size();
    }
    if (ok) {
        QFile out(staging + QStringLiteral("/.installed"));
        ok = out.open(QIODevice::WriteOnly) && out.write(wanted.toUtf8()) == wanted.toUtf8().size();
    }
    if (ok) {
        const int fd = ::open(QFile::encodeName(staging).constData(), O_RDONLY | O_DIRECTORY);
        ok = fd >= 0 && ::syncfs(fd) == 0;
        if (fd >= 0)
            ::close(fd);
    }
    if (ok && QFileInfo::exists(bundle))
        ok = QDir().rename(bundle, retired);
    if (ok && !QDir().rename(staging, bundle)) {
        QDir().rename(retired, bundle); // the old bundle stays in use
        ok = false;
    }
    QDir(retired).removeRecursively();
    if (!ok) {
        QDir(staging).removeRecursively();
        ConsoleLog::log(logCore, QStringLiteral("could not install the application bundle into %@"), bundle);
    }
    return ok;
}
