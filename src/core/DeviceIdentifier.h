#pragma once

#include <QString>

class UserDefaults;

// What stands in for a phone's unique device identifier: a random UUID made
// the first time it is asked for and kept in the preferences, so that it
// stays the same for this installation and tells nothing about the machine.
class DeviceIdentifier {
public:
    // Kept in defaults.
    static QString uniqueIdentifier(UserDefaults& defaults);
};
