#pragma once

// Lists below the screens (the playlist filter, the CLI) show titles the same way.
#include "core/LastPathComponent.h"
