#pragma once

#include <QString>

// Usage statistics, kept to the console log only: the start and end of a
// session, screens entered and left, named events. Nothing is sent anywhere,
// and nothing is recorded while the BWDisableLibs preference is on.
class Analytics {
public:
    static void startSession();
    static void endSession();
    static void viewEntered(const QString& name);
    static void viewLeft(const QString& name);
    static void event(const QString& name);

private:
    static bool enabled();
};
