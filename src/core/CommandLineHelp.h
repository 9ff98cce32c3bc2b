#pragma once

#include <QString>

// `playerlink --help` and `--version`, answered before any window (or
// display) is needed, in the style of playerlink-cli. playerlink
// takes the same options and answers under its own name.
namespace CommandLineHelp {
QString usage(const QString& program = QStringLiteral("playerlink"));
QString versionLine(const QString& program = QStringLiteral("playerlink"));
// Prints the usage or the version and returns true when argv asks for one.
bool answer(int argc, char** argv, const QString& program = QStringLiteral("playerlink"));
}
