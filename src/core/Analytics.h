#pragma once

#include <QString>

class UserDefaults;

// Usage statistics, kept to the console log only: the start and end of a
// session, screens entered and left, named events. Nothing is sent anywhere,
// and nothing is recorded while the BWDisableLibs preference of the
// defaults given is on.
class Analytics {
public:
    static void startSession(const UserDefaults& defaults);
    static void endSession(const UserDefaults& defaults);
    static void viewEntered(const UserDefaults& defaults, const QString& name);
    static void viewLeft(const UserDefaults& defaults, const QString& name);
    static void event(const UserDefaults& defaults, const QString& name);

private:
    static bool enabled(const UserDefaults& defaults);
};
