#include "core/LogCategories.h"

// Informational lines and above by default; debug lines when asked for.
Q_LOGGING_CATEGORY(logCore, "playerlink.core", QtInfoMsg)
Q_LOGGING_CATEGORY(logVlc, "playerlink.vlc", QtInfoMsg)
Q_LOGGING_CATEGORY(logNet, "playerlink.net", QtInfoMsg)
Q_LOGGING_CATEGORY(logModels, "playerlink.models", QtInfoMsg)
Q_LOGGING_CATEGORY(logSkin, "playerlink.skin", QtInfoMsg)
Q_LOGGING_CATEGORY(logPlatform, "playerlink.platform", QtInfoMsg)
