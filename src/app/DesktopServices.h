#pragma once

#include "platform/ScreenSaverInhibitor.h"
#include "platform/ScreenLockWatch.h"
#include "platform/SessionMediaKeys.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>

class QWindow;
class RemotesScreen;

// playerlink as a desktop program: the window's icon; the desktop
// kept awake while "Disable Screen-Off" is set; the session's screen lock
// followed, so that the screens pause polling while it is locked; and the
// remote screen's session offered to the media keys (MPRIS) while a remote
// screen is on the stack.
class DesktopServices : public QObject {
    Q_OBJECT
public:
    // window and remotes: not owned; remotes outlives this.
    DesktopServices(QWindow* window, RemotesScreen& remotes, const QDBusConnection& bus = QDBusConnection::sessionBus(),
                 QObject* parent = nullptr);
    ~DesktopServices() override;

    SessionMediaKeys& mediaKeys() { return m_mediaKeys; }

private:
    QPointer<QWindow> m_window;
    RemotesScreen& m_remotes;
    ScreenSaverInhibitor m_keepAwake;
    ScreenLockWatch m_screenLock;
    SessionMediaKeys m_mediaKeys;
};
