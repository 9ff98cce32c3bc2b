// libFuzzer target: the skin archive installer on archives held in memory.
// Whatever the bytes, an install must leave nothing outside the skins
// folder, no work folder behind, and either whole, loadable skins or
// nothing at all. Run by make fuzz; not part of make test.
#include "skin/SkinArchiveInstaller.h"

#include <QByteArray>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir* root;
QString skins;

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    root = new QTemporaryDir;
    skins = root->path() + QStringLiteral("/home/Documents/Skins");
    QDir().mkpath(skins);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SkinArchiveInstaller installer(skins);
    // Small limits keep each run quick; the checks are the same at any size.
    ZipArchive_BW::Limits limits;
    limits.maxTotalBytes = 2 * 1024 * 1024;
    limits.maxEntries = 200;
    installer.setLimits(limits);
    const SkinInstallResult result = installer.installData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    // Nothing outside the skins folder, at any level above it.
    if (entries(root->path()) != QStringList { "home" } || entries(root->path() + "/home") != QStringList { "Documents" }
        || entries(root->path() + "/home/Documents") != QStringList { "Skins" })
        std::abort();
    const QStringList present = entries(skins);
    if (result.ok()) {
        if (result.installed.isEmpty())
            std::abort();
        for (const QString& name : result.installed)
            if (!present.contains(name) || !SkinArchiveInstaller::isLoadableSkin(skins + u'/' + name))
                std::abort();
    }
    // No work folder left, and a failure leaves no skin.
    for (const QString& name : present)
        if (name.startsWith(QStringLiteral("__")) || !result.installed.contains(name))
            std::abort();
    for (const QString& name : present)
        QDir(skins + u'/' + name).removeRecursively();
    return 0;
}
