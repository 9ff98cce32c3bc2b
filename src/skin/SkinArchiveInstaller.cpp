#include "skin/SkinArchiveInstaller.h"

#include "core/ConsoleLog.h"
#include "core/HomePaths.h"
#include "core/SkinFolders.h"
#include "skin/SkinReader.h"
#include "skin/SkinWorkLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {
SkinInstallFailure failureFor(ZipArchive_BW::Fault fault)
{
    switch (fault) {
    case ZipArchive_BW::Fault::Damaged:
        return SkinInstallFailure::Damaged;
    case ZipArchive_BW::Fault::TooLarge:
        return SkinInstallFailure::TooLarge;
    case ZipArchive_BW::Fault::WriteFailed:
        return SkinInstallFailure::WriteFailed;
    case ZipArchive_BW::Fault::None:
    case ZipArchive_BW::Fault::NotZip:
    case ZipArchive_BW::Fault::UnsafeEntry:
        break;
    }
    return SkinInstallFailure::NotSkinArchive;
}

struct FolderFd {
    int fd;
    explicit FolderFd(const QString& path)
        : fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
    }
    ~FolderFd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    FolderFd(const FolderFd&) = delete;
    FolderFd& operator=(const FolderFd&) = delete;
};

// Moves `name` from one folder to the other. An existing folder of that name
// trades places with the moved one in one step, so the installed skin is
// whole at every moment; it ends up where the moved one was.
bool moveReplacing(int fromFd, int toFd, const QByteArray& name, bool* replaced)
{
    const char* n = name.constData();
    if (::renameat2(fromFd, n, toFd, n, RENAME_NOREPLACE) == 0) {
        *replaced = false;
        return true;
    }
    if (errno == EEXIST) {
        if (::renameat2(fromFd, n, toFd, n, RENAME_EXCHANGE) == 0) {
            *replaced = true;
            return true;
        }
        if (errno != EINVAL && errno != ENOSYS)
            return false;
        // A file system without the exchange: the old folder steps aside
        // first, and comes back if the new one cannot follow.
        const QByteArray aside = "__previous-" + name;
        if (::renameat(toFd, n, fromFd, aside.constData()) != 0)
            return false;
        if (::renameat(fromFd, n, toFd, n) != 0) {
            ::renameat(fromFd, aside.constData(), toFd, n);
            return false;
        }
        ::renameat(fromFd, aside.constData(), fromFd, n);
        *replaced = true;
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    *replaced = false;
    return ::renameat(fromFd, n, toFd, n) == 0;
}
}

SkinArchiveInstaller::SkinArchiveInstaller(const QString& skinsFolder)
    : m_skinsFolder(skinsFolder)
{
}

QString SkinArchiveInstaller::workFolderTemplate(const QString& purpose)
{
    return SkinFolders::hiddenPrefix + purpose + QStringLiteral("-XXXXXX");
}

SkinInstallResult SkinArchiveInstaller::installFile(const QString& archivePath)
{
    ZipArchive_BW archive;
    if (!archive.UnzipOpenFile(archivePath))
        return SkinInstallResult::failed(failureFor(archive.lastFault()), archivePath);
    return install(archive);
}

SkinInstallResult SkinArchiveInstaller::installData(const QByteArray& data)
{
    ZipArchive_BW archive;
    if (!archive.UnzipOpenData(data))
        return SkinInstallResult::failed(failureFor(archive.lastFault()));
    return install(archive);
}

SkinInstallResult SkinArchiveInstaller::install(ZipArchive_BW& archive)
{
    if (!QDir().mkpath(m_skinsFolder))
        return SkinInstallResult::failed(SkinInstallFailure::WriteFailed, m_skinsFolder);
    sweepLeftovers();
    // Held until the work folder is gone, so that no other run clears it.
    const SkinWorkLock working;
    // Removed with everything in it however this ends.
    QTemporaryDir work(m_skinsFolder + u'/' + workFolderTemplate(QStringLiteral("install")));
    if (!work.isValid())
        return SkinInstallResult::failed(SkinInstallFailure::WriteFailed, work.errorString());

    archive.setLimits(m_limits);
    archive.setWriteObserver(m_writeObserver);
    if (!archive.UnzipFileTo(work.path(), true))
        return SkinInstallResult::failed(failureFor(archive.lastFault()), archive.lastFaultDetail());

    // Loose files, "__" folders (such as "__MACOSX") and hidden folders form
    // no skin and are left out; every other top-level folder must be one.
    QStringList names;
    const QDir top(work.path());
    for (const QString& name : top.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        if (name.startsWith(SkinFolders::hiddenPrefix) || name.startsWith(u'.'))
            continue;
        if (SkinInstallResult refused = checkSkin(top.filePath(name), name); !refused.ok())
            return refused;
        names.append(name);
    }
    if (names.isEmpty())
        return SkinInstallResult::failed(SkinInstallFailure::NotSkinArchive, QStringLiteral("no skin folder"));
    return placeSkins(work.path(), names);
}

SkinInstallResult SkinArchiveInstaller::placeSkins(const QString& workFolder, const QStringList& names)
{
    const FolderFd work(workFolder);
    const FolderFd skins(m_skinsFolder);
    if (work.fd < 0 || skins.fd < 0)
        return SkinInstallResult::failed(SkinInstallFailure::WriteFailed, m_skinsFolder);
    struct Placed {
        QByteArray name;
        bool replaced;
    };
    std::vector<Placed> placed;
    for (const QString& name : names) {
        const QByteArray encoded = QFile::encodeName(name);
        bool replaced = false;
        if (moveReplacing(work.fd, skins.fd, encoded, &replaced)) {
            placed.push_back({ encoded, replaced });
            continue;
        }
        const QString detail = QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(std::strerror(errno)));
        // Put back what this archive already placed, newest first.
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
            bool ignored = false;
            if (it->replaced)
                moveReplacing(work.fd, skins.fd, it->name, &ignored);
            else
                ::renameat(skins.fd, it->name.constData(), work.fd, it->name.constData());
        }
        return SkinInstallResult::failed(SkinInstallFailure::WriteFailed, detail);
    }
    return { SkinInstallFailure::None, names, QString(), QString() };
}

SkinInstallResult SkinArchiveInstaller::checkSkin(const QString& folder, const QString& name)
{
    // An archive holds no symlinks: one in its place was put there since.
    const SkinReader skin = QFileInfo(folder + QStringLiteral("/SkinDefinition.xml")).isSymLink()
        ? SkinReader()
        : SkinReader::read(folder, name);
    if (!skin.readWhole || skin.refusal == SkinReader::Refusal::TooDeep)
        return SkinInstallResult::failed(SkinInstallFailure::NotSkinArchive, name + QStringLiteral(" holds no skin"));
    if (skin.refusal == SkinReader::Refusal::Images) {
        SkinInstallResult refused = SkinInstallResult::failed(SkinInstallFailure::ImagesRefused, name + QStringLiteral(": ") + skin.problem);
        refused.skin = name;
        return refused;
    }
    return { SkinInstallFailure::None, { name }, QString(), QString() };
}

bool SkinArchiveInstaller::isLoadableSkin(const QString& folder)
{
    return checkSkin(folder, QFileInfo(folder).fileName()).ok();
}

void SkinArchiveInstaller::sweepLeftovers() const
{
    auto matching = [](const QString& prefix) { return QStringList { prefix + QStringLiteral("*") }; };
    SkinWorkLock::whileIdle([&] {
        const auto folders = QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks;
        for (const QString& purpose : { QStringLiteral("install"), QStringLiteral("delete") }) {
            const QString prefix = workFolderTemplate(purpose).chopped(6); // "__install-"
            for (const QFileInfo& info : QDir(m_skinsFolder).entryInfoList(matching(prefix), folders))
                if (!QDir(info.filePath()).removeRecursively())
                    ConsoleLog::log(logSkin, QStringLiteral("could not remove the leftover %@"), info.filePath());
        }
        const QString downloads = SkinFolders::downloadTemplate.chopped(6); // "skinDownload-"
        for (const QFileInfo& info : QDir(HomePaths::tmp()).entryInfoList(matching(downloads), QDir::Files | QDir::Hidden | QDir::System))
            QFile::remove(info.filePath());
    });
}
