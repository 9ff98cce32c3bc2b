#include "models/SessionLock.h"

SessionLock& SessionLock::instance()
{
    static SessionLock lock;
    return lock;
}

void SessionLock::setLocked(bool locked)
{
    if (locked == m_locked)
        return;
    m_locked = locked;
    emit lockedChanged();
}
