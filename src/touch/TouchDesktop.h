#pragma once

#include "desktop/ScreenSaverInhibitor.h"
#include "desktop/ScreenLockWatch.h"
#include "desktop/SessionMediaKeys.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

class QWindow;
class TouchRemotes;

// playerlink as a desktop program: the window's icon; the desktop
// kept awake while "Disable Screen-Off" is set; the session's screen lock
// followed, so that the screens pause polling while it is locked; and the
// remote screen's session offered to the media keys (MPRIS) while a remote
// screen is on the stack.
class TouchDesktop : public QObject {
    Q_OBJECT
public:
    // window and remotes: not owned; remotes outlives this.
    TouchDesktop(QWindow* window, TouchRemotes& remotes, const QDBusConnection& bus = QDBusConnection::sessionBus(),
                 QObject* parent = nullptr);
    ~TouchDesktop() override;

    SessionMediaKeys& mediaKeys() { return m_mediaKeys; }

private:
    QPointer<QWindow> m_window;
    TouchRemotes& m_remotes;
    ScreenSaverInhibitor m_keepAwake;
    ScreenLockWatch m_screenLock;
    SessionMediaKeys m_mediaKeys;
};
