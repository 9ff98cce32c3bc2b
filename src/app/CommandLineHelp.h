#pragma once

#include <QString>

#include <optional>

class QCommandLineParser;

// `playerlink --help` and `--version`, answered before any window (or
// display) is needed, in the style of playerlink-cli.
namespace CommandLineHelp {
QString usage();
QString versionLine();
// Prints the usage or the version and returns true when argv asks for one.
bool answer(int argc, char** argv);
// VLC's password for --connect: from --password, --password-file (read
// now; "-" is standard input, read only then) or PLAYERLINK_PASSWORD;
// nothing, with the reason, when the file cannot be read or both options
// are given.
std::optional<QString> connectPassword(const QCommandLineParser& parser, QString* error);
}
