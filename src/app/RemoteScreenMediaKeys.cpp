#include "app/RemoteScreenMediaKeys.h"

#include "app/AppWindow.h"
#include "screens/MainView/MainViewController.h"
#include "ui/NavigationController.h"

RemoteScreenMediaKeys::RemoteScreenMediaKeys(NavigationController* navigation, AppWindow* window)
    : m_navigation(navigation)
    , m_keys([window = QPointer<AppWindow>(window)] {
        if (window)
            window->bringToFront();
    })
{
    connect(navigation, &NavigationController::stackChanged, this, &RemoteScreenMediaKeys::stackChanged);
    stackChanged();
}

RemoteScreenMediaKeys::~RemoteScreenMediaKeys() = default;

void RemoteScreenMediaKeys::stackChanged()
{
    MainViewController* screen = nullptr;
    if (m_navigation)
        for (ViewController* controller : m_navigation->viewControllers())
            if (auto* remote = qobject_cast<MainViewController*>(controller))
                screen = remote;
    m_keys.setSession(screen ? &screen->session() : nullptr);
}
