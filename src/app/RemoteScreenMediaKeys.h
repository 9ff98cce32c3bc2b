#pragma once

#include "desktop/SessionMediaKeys.h"

#include <QObject>
#include <QPointer>

class AppWindow;
class NavigationController;

// Offers the session of the remote screen to the desktop's media controls
// while that screen is open (on top or under one of its own screens).
class RemoteScreenMediaKeys : public QObject {
    Q_OBJECT
public:
    RemoteScreenMediaKeys(NavigationController* navigation, AppWindow* window);
    ~RemoteScreenMediaKeys() override;

    MprisService& service() { return m_keys.service(); }

private:
    void stackChanged();

    QPointer<NavigationController> m_navigation;
    SessionMediaKeys m_keys;
};
