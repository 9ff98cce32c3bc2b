#pragma once

#include <QLoggingCategory>

// One logging category per layer, for every line it logs (ConsoleLog::log,
// on unless switched off). Their debug lines (the diagnostics that come with
// every reply, say) are written only while switched on, as any Qt
// category's are: QT_LOGGING_RULES="playerlink.vlc.debug=true". See
// ConsoleLog::debug.
Q_DECLARE_LOGGING_CATEGORY(logCore)
Q_DECLARE_LOGGING_CATEGORY(logVlc)
Q_DECLARE_LOGGING_CATEGORY(logNet)
Q_DECLARE_LOGGING_CATEGORY(logModels)
Q_DECLARE_LOGGING_CATEGORY(logSkin)
Q_DECLARE_LOGGING_CATEGORY(logPlatform)
