#pragma once

#include <QObject>

// Whether the desktop session's screen is locked, as the platform's watch
// reports it (ScreenLockWatch on the desktop); never where nothing reports
// it. One for the process, as the application's state is: every window's
// activity (ShownToUser) reads it.
class SessionLock : public QObject {
    Q_OBJECT
public:
    static SessionLock& instance();

    bool isLocked() const { return m_locked; }
    void setLocked(bool locked);

signals:
    void lockedChanged();

private:
    bool m_locked = false;
};
