#include "core/Analytics.h"

#include "core/ConsoleLog.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

bool Analytics::enabled(const UserDefaults& defaults)
{
    return !defaults.boolForKey(PreferenceKeys::disableLibs);
}

void Analytics::startSession(const UserDefaults& defaults)
{
    if (enabled(defaults))
        ConsoleLog::log(logCore, QStringLiteral("analytics: session started"));
}

void Analytics::endSession(const UserDefaults& defaults)
{
    if (enabled(defaults))
        ConsoleLog::log(logCore, QStringLiteral("analytics: session ended"));
}

void Analytics::viewEntered(const UserDefaults& defaults, const QString& name)
{
    if (enabled(defaults))
        ConsoleLog::log(logCore, QStringLiteral("analytics: entered %@"), name);
}

void Analytics::viewLeft(const UserDefaults& defaults, const QString& name)
{
    if (enabled(defaults))
        ConsoleLog::log(logCore, QStringLiteral("analytics: left %@"), name);
}

void Analytics::event(const UserDefaults& defaults, const QString& name)
{
    if (enabled(defaults))
        ConsoleLog::log(logCore, QStringLiteral("analytics: event %@"), name);
}
