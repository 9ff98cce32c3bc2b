#pragma once

#include <QString>

#include <functional>

class QObject;
class SingleInstance;

// `playerlink --install-skin PATH-or-LINK`: installs a skin archive from a
// file or a skin link without asking, with the checks of every install,
// prints one line saying what was installed or why not, and exits 0 on
// success, 1 on failure, 2 on a usage error. A running PlayerLink of the
// same home does the install itself, so that two never write at once.
class SkinInstallCommand {
public:
    static constexpr const char* option = "--install-skin";

    // Whether the command line asks for this command.
    static bool requested(int argc, char** argv);
    // Runs the command with its own (window-less) application object.
    static int run(int argc, char** argv);
    // Lets later launches hand their installs to this running application.
    static void serve(SingleInstance& instance);

    // Installs from a file path or a skin link; done gets the outcome and
    // the line to print. Links finish later, through the event loop.
    static void install(const QString& source, QObject* context, std::function<void(bool ok, const QString& line)> done);
};
