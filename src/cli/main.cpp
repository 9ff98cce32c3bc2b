#include "cli/CliDiscovery.h"
#include "cli/CliHosts.h"
#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/ExitCode.h"
#include "core/ConsoleLog.h"
#include "core/PreferenceKeys.h"
#include "core/TerminalText.h"
#include "core/TerminationSignals.h"
#include "core/UserDefaults.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <memory>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("playerlink-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString error;
    const std::optional<CliOptions> options = CliOptions::parse(
        app.arguments().mid(1), qEnvironmentVariable("PLAYERLINK_PASSWORD"), qEnvironmentVariable("PLAYERLINK_HOST"),
        &error);
    if (!options) {
        err << "playerlink-cli: " << escapedForTerminal(error) << '\n';
        return ExitUsage;
    }
    if (options->help) {
        out << CliOptions::usage();
        return ExitOk;
    }
    ConsoleLog::setEnabled(options->verbose);
    UserDefaults& defaults = UserDefaults::standard();
    defaults.registerDefaults(PreferenceKeys::registeredDefaults());

    int exitCode = ExitOk;
    if (options->command == u"discover") {
        CliDiscovery discovery(*options, out, err);
        QObject::connect(&discovery, &CliDiscovery::finished, &app, [](int code) { QCoreApplication::exit(code); });
        QTimer::singleShot(0, &discovery, &CliDiscovery::start);
        exitCode = app.exec();
    } else if (options->hosts.size() > 1) {
        CliHosts hosts(*options, out, defaults);
        QObject::connect(&hosts, &CliHosts::finished, &app, [](int code) { QCoreApplication::exit(code); });
        QTimer::singleShot(0, &hosts, &CliHosts::start);
        exitCode = app.exec();
    } else {
        CliSession session(*options, out, err, defaults);
        QObject::connect(&session, &CliSession::finished, &app, [](int code) { QCoreApplication::exit(code); });
        // Ctrl+C ends cast's serving cleanly; other commands end as they always did.
        std::unique_ptr<TerminationSignals> termination;
        if (options->command == u"cast") {
            termination = std::make_unique<TerminationSignals>();
            QObject::connect(termination.get(), &TerminationSignals::received, &session, &CliSession::stopCasting);
        }
        QTimer::singleShot(0, &session, &CliSession::start);
        exitCode = app.exec();
    }
    return exitCode;
}
