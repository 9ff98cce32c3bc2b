#include "platform/SkinInstallCommand.h"

#include "platform/SingleInstance.h"
#include "core/ConsoleLog.h"
#include "core/TerminalText.h"
#include "skin/SkinArchiveInstaller.h"
#include "skin/SkinDownloader.h"
#include "core/SkinFolders.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace {
// A download may take a while; the running application answers when done.
constexpr int answerTimeoutMs = 10 * 60 * 1000;
constexpr int connectTimeoutMs = 1000;

bool isLink(const QString& source)
{
    return source.contains(QStringLiteral("://"));
}

QString lineFor(const SkinInstallResult& result, const QString& source)
{
    if (!result.ok())
        return QStringLiteral("Skin not installed: %1 (%2)").arg(result.reason(), source);
    return QStringLiteral("Installed skin%1 \"%2\"")
        .arg(result.installed.size() > 1 ? QStringLiteral("s") : QString(), result.installed.join(QStringLiteral("\", \"")));
}

void print(bool ok, const QString& line)
{
    // The line names folders from the archive: nothing in it may drive the terminal.
    std::fprintf(ok ? stdout : stderr, "%s\n", qPrintable(escapedForTerminal(line)));
    std::fflush(ok ? stdout : stderr);
}
}

bool SkinInstallCommand::requested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], option) == 0 || std::strncmp(argv[i], "--install-skin=", 15) == 0)
            return true;
    return false;
}

void SkinInstallCommand::install(const QString& source, QObject* context,
                                 std::function<void(bool ok, const QString& line)> done)
{
    if (isLink(source)) {
        auto* downloader = new SkinDownloader(context);
        downloader->setDeletesWhenDone(true);
        QObject::connect(downloader, &SkinDownloader::finished, context,
                         [done, source](const SkinInstallResult& result) { done(result.ok(), lineFor(result, source)); });
        downloader->downloadSkin(source);
        return;
    }
    if (!QFileInfo(source).isFile()) {
        done(false, QStringLiteral("Skin not installed: no such file (%1)").arg(source));
        return;
    }
    const SkinInstallResult result = SkinArchiveInstaller(SkinFolders::installedSkins()).installFile(source);
    ConsoleLog::log(logPlatform, result.ok() ? QStringLiteral("installed skin %@") : QStringLiteral("skin not installed: %@"),
                    result.ok() ? result.installed.join(QStringLiteral(", ")) : result.detail);
    done(result.ok(), lineFor(result, source));
}

void SkinInstallCommand::serve(SingleInstance& instance)
{
    instance.setRequestHandler([context = &instance](const QStringList& arguments, std::function<void(const QByteArray&)> reply) {
        if (arguments.size() != 2 || arguments[0] != QLatin1String(option)) {
            reply("1unknown request");
            return;
        }
        install(arguments[1], context, [reply](bool ok, const QString& line) { reply((ok ? "0" : "1") + line.toUtf8()); });
    });
}

int SkinInstallCommand::run(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("PlayerLink"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Installs a PlayerLink skin archive."));
    parser.addHelpOption();
    const QCommandLineOption installSkin(QStringLiteral("install-skin"),
                                         QStringLiteral("Install the skin archive at PATH or behind a skin LINK."),
                                         QStringLiteral("PATH-or-LINK"));
    parser.addOption(installSkin);
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parsed && parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (!parsed || !parser.positionalArguments().isEmpty() || parser.values(installSkin).size() != 1) {
        std::fprintf(stderr, "usage: playerlink --install-skin PATH-or-LINK\n");
        return 2;
    }
    // One line is all this command says.
    ConsoleLog::setEnabled(false);

    QString source = parser.value(installSkin);
    if (!isLink(source))
        source = QFileInfo(source).absoluteFilePath(); // the running application has another folder
    SingleInstance instance(SingleInstance::defaultKey());
    if (const std::optional<QByteArray> answer = instance.askRunningInstance({ QLatin1String(option), source },
                                                                              connectTimeoutMs, answerTimeoutMs);
        answer && !answer->isEmpty()) {
        const bool ok = answer->at(0) == '0';
        print(ok, QString::fromUtf8(answer->mid(1)));
        return ok ? 0 : 1;
    }

    bool finished = false;
    bool succeeded = false;
    install(source, &app, [&](bool ok, const QString& line) {
        print(ok, line);
        finished = true;
        succeeded = ok;
        QCoreApplication::quit();
    });
    if (!finished)
        app.exec();
    return succeeded ? 0 : 1;
}
