#pragma once

// The bundle installer lives in core, where playerlink-touch reaches it too.
#include "core/BundleInstaller.h"
