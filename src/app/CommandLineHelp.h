#pragma once

#include <QString>

// `playerlink --help` and `--version`, answered before any window (or
// display) is needed, in the style of playerlink-cli.
namespace CommandLineHelp {
QString usage();
QString versionLine();
// Prints the usage or the version and returns true when argv asks for one.
bool answer(int argc, char** argv);
}
