#pragma once

// Moved to core, where the command-line remote can use it too.
#include "core/TerminationSignals.h"
