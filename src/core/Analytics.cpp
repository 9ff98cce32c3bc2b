#include "core/Analytics.h"

#include "core/ConsoleLog.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

bool Analytics::enabled()
{
    return !UserDefaults::standard().boolForKey(PreferenceKeys::disableLibs);
}

void Analytics::startSession()
{
    if (enabled())
        ConsoleLog::log(QStringLiteral("analytics: session started"));
}

void Analytics::endSession()
{
    if (enabled())
        ConsoleLog::log(QStringLiteral("analytics: session ended"));
}

void Analytics::viewEntered(const QString& name)
{
    if (enabled())
        ConsoleLog::log(QStringLiteral("analytics: entered %@"), name);
}

void Analytics::viewLeft(const QString& name)
{
    if (enabled())
        ConsoleLog::log(QStringLiteral("analytics: left %@"), name);
}

void Analytics::event(const QString& name)
{
    if (enabled())
        ConsoleLog::log(QStringLiteral("analytics: event %@"), name);
}
