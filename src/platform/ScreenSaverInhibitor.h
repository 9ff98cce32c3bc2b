#pragma once

#include <QString>

class UserDefaults;

// Keeps the desktop from going to sleep while asked to, through the desktop's
// screen-saver service on the session bus; where there is none, it says so
// in the console log and does nothing.
class ScreenSaverInhibitor {
public:
    ~ScreenSaverInhibitor();
    void setInhibited(bool inhibited);
    // Inhibited while the user's "Disable Screen-Off" preference asks for it.
    void followPreference(const UserDefaults& defaults);
    bool isInhibited() const { return m_cookie != 0; }

private:
    quint32 m_cookie = 0;
};
