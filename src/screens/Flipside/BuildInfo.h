#pragma once

#include <QString>

// What the settings screen says about this build of the program.
namespace BuildInfo {
// The project's version, as CMake knows it.
QString version();
}
