#pragma once

#include <QString>

// What the settings screen says about this build of the program.
namespace BuildInfo {
// The project's version, as CMake knows it.
QString version();
// When this build was made, in the compiler's words ("Jan  2 2025").
QString buildDate();
QString buildTime();
}
