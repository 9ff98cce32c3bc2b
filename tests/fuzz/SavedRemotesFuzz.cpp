// libFuzzer target: the saved-remotes file as the launch reads it. Whatever
// loads must save, and load again to the same records.
#include "platform/SavedRemotesFile.h"
#include "core/ConsoleLog.h"
#include "vlc/VLCController.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QString inputPath;
QString copyPath;

QJsonArray records(const std::vector<RemoteRecord>& remotes)
{
    QJsonArray out;
    for (const RemoteRecord& remote : remotes)
        out.append(remote.toArchive());
    return out;
}
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // In memory: the code under test writes files (and syncs them) on every input.
    static QTemporaryDir home(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/playerlink-fuzz-XXXXXX")
                                                                     : QDir::tempPath() + QStringLiteral("/playerlink-fuzz-XXXXXX"));
    qputenv("PLAYERLINK_HOME", QFile::encodeName(home.path()));
    static QCoreApplication app(*argc, *argv);
    ConsoleLog::setEnabled(false);
    QDir().mkpath(home.path() + QStringLiteral("/Documents"));
    inputPath = home.path() + QStringLiteral("/Documents/BWRemotesFilename");
    copyPath = home.path() + QStringLiteral("/Documents/copy");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(inputPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    SavedRemotesFile input(inputPath);
    const std::optional<std::vector<RemoteRecord>> loaded = input.load();
    if (!input.quarantinedPath().isEmpty())
        QFile::remove(input.quarantinedPath());
    if (!loaded || loaded->empty())
        return 0;
    for (const RemoteRecord& record : *loaded) {
        VLCController remote(record);
        (void)remote.record().baseAddress();
        (void)remote.name();
        (void)remote.status();
    }
    const QJsonArray first = records(*loaded);
    SavedRemotesFile copy(copyPath);
    if (!copy.save(*loaded))
        std::abort(); // what was read could not be written back
    const std::optional<std::vector<RemoteRecord>> again = copy.load();
    if (!again || records(*again) != first)
        std::abort(); // a round trip changed the saved remotes
    return 0;
}
