#pragma once

#include <QDBusConnection>
#include <QObject>

// Listens on the session bus for the screen savers that say when the
// session's screen locks (the freedesktop one of KDE, Xfce and others, and
// GNOME's) and tells SessionLock, so that a locked screen pauses polling as
// a hidden window does. Without a session bus it hears nothing.
class ScreenLockWatch : public QObject {
    Q_OBJECT
public:
    explicit ScreenLockWatch(const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~ScreenLockWatch() override;

private slots:
    void activeChanged(bool active);

private:
    QDBusConnection m_bus;
};
