#include "app/RotationLock.h"

#include "models/SettingsModel.h"
#include "models/RemotesScreen.h"
#include "models/SettingsScreen.h"

RotationLock::RotationLock(QObject* parent)
    : QObject(parent)
{
}

void RotationLock::setRemotes(RemotesScreen* remotes)
{
    if (remotes == m_remotes)
        return;
    if (m_remotes)
        disconnect(&m_remotes->settings()->settings(), nullptr, this, nullptr);
    m_remotes = remotes;
    m_shape.reset();
    if (remotes) {
        m_shape.emplace(remotes->defaults());
        connect(&remotes->settings()->settings(), &SettingsModel::rotationLockChanged, this,
                &RotationLock::lockChanged);
    }
    emit remotesChanged();
    place();
}

void RotationLock::setWindowSize(QSizeF size)
{
    if (size == m_window)
        return;
    m_window = size;
    emit windowSizeChanged();
    place();
}

void RotationLock::lockChanged()
{
    if (m_shape)
        m_shape->lockChanged(m_frame.size());
    place();
}

void RotationLock::place()
{
    const QSize window = m_window.toSize();
    const QRect frame = m_shape ? m_shape->frame(window) : QRect(QPoint(0, 0), window);
    if (frame == m_frame)
        return;
    m_frame = frame;
    emit frameChanged();
}
