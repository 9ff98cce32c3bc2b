#include "app/BundleInstaller.h"

#include "core/ConsoleLog.h"
#include "core/FileHelpers.h"
#include "core/HomePaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
const QString resourceRoot = QStringLiteral(":/bundle");

QString stampPath()
{
    return HomePaths::bundle() + QStringLiteral("/.installed");
}
}

QString BundleInstaller::fingerprint()
{
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
    const QString wanted = fingerprint();
    QFile stamp(stampPath());
    if (stamp.open(QIODevice::ReadOnly) && QString::fromUtf8(stamp.readAll()) == wanted)
        return true;
    stamp.close();

    bool ok = true;
    QDirIterator it(resourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString target = HomePaths::bundle() + it.filePath().mid(resourceRoot.size());
        QFile source(it.filePath());
        if (!source.open(QIODevice::ReadOnly) || !FileHelpers::saveData(source.readAll(), QFileInfo(target).path(), target))
            ok = false;
    }
    if (ok)
        ok = FileHelpers::saveData(wanted.toUtf8(), HomePaths::bundle(), stampPath());
    if (!ok)
        ConsoleLog::log(QStringLiteral("could not install the application bundle into %@"), HomePaths::bundle());
    return ok;
}
