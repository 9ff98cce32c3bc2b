// libFuzzer target: the addresses a person gives, as the command-line
// remote (--host) and the remotes (their base address) read them, and the
// service hosts of the configuration. An address that is accepted must make
// a URL to ask VLC at, and read the same when given again.
#include "cli/CliOptions.h"
#include "core/ServiceHosts.h"
#include "core/UserDefaults.h"
#include "vlc/HostAddress.h"
#include "vlc/RemoteRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QTemporaryDir home(QDir(QStringLiteral("/dev/shm")).exists()
                                  ? QStringLiteral("/dev/shm/playerlink-fuzz-XXXXXX")
                                  : QDir::tempPath() + QStringLiteral("/playerlink-fuzz-XXXXXX"));
    qputenv("PLAYERLINK_HOME", QFile::encodeName(home.path()));
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    QString problem;
    const std::optional<QString> host = HostAddress::fromUserText(text, &problem);
    if (!host) {
        if (problem.isEmpty() || problem.contains(u'\n'))
            std::abort(); // a refusal says why, on one line
    } else {
        RemoteRecord record;
        record.hostAddress = *host;
        const QUrl base(record.baseAddress(), QUrl::StrictMode);
        if (!base.isValid() || base.host().isEmpty() || base.scheme() != u"http" || base.port() < 1)
            std::abort(); // accepted, yet no address to ask VLC at
        const std::optional<QString> again = HostAddress::fromUserText(*host);
        if (again != host)
            std::abort(); // the stored form must read as itself
        const std::optional<QString> asPage = HostAddress::fromUserText(record.baseAddress());
        if (!asPage || QUrl(RemoteRecord { .hostAddress = *asPage }.baseAddress()) != base)
            std::abort(); // VLC's page address names the same remote
    }

    // The command line around it.
    QString error;
    (void)CliOptions::parse({ QStringLiteral("--host"), text, QStringLiteral("status") }, {}, {}, &error);
    (void)CliOptions::parse({ QStringLiteral("--host=den"), QStringLiteral("volume"), text }, {}, {}, &error);
    (void)CliOptions::parse({ QStringLiteral("--host=den"), QStringLiteral("open"), text }, {}, {}, &error);
    (void)CliOptions::speedFactor(text);
    (void)CliOptions::seekOffsetSeconds(text);

    // A maker's service host as the configuration holds it.
    UserDefaults::standard().setObject(ServiceHosts::helpSiteKey, text);
    const QUrl help = ServiceHosts::helpSiteAddress(UserDefaults::standard(), QStringLiteral("/help/index.html"));
    if (!help.isEmpty() && (!help.isValid() || (help.scheme() != u"http" && help.scheme() != u"https")))
        std::abort(); // only a web address is ever asked
    return 0;
}
