#include "app/RemoteScreenMediaKeys.h"

#include "app/AppWindow.h"
#include "desktop/MprisService.h"
#include "models/RemoteSession.h"
#include "screens/MainView/MainViewController.h"
#include "screens/MainView/RemoteSkinControls.h"
#include "ui/NavigationController.h"
#include "vlc/VLCController.h"

RemoteScreenMediaKeys::RemoteScreenMediaKeys(NavigationController* navigation, AppWindow* window)
    : m_navigation(navigation)
    , m_window(window)
    , m_service(std::make_unique<MprisService>(*this))
{
    connect(navigation, &NavigationController::stackChanged, this, &RemoteScreenMediaKeys::stackChanged);
    stackChanged();
}

RemoteScreenMediaKeys::~RemoteScreenMediaKeys() = default;

void RemoteScreenMediaKeys::stackChanged()
{
    m_screen = nullptr;
    if (m_navigation)
        for (ViewController* controller : m_navigation->viewControllers())
            if (auto* screen = qobject_cast<MainViewController*>(controller))
                m_screen = screen;
    m_service->setRemote(m_screen ? m_screen->currentRemote() : nullptr);
}

void RemoteScreenMediaKeys::playPause()
{
    if (m_screen)
        m_screen->session().playPause();
}

void RemoteScreenMediaKeys::stop()
{
    if (m_screen)
        m_screen->session().stop();
}

void RemoteScreenMediaKeys::next()
{
    if (m_screen)
        m_screen->next();
}

void RemoteScreenMediaKeys::previous()
{
    if (m_screen)
        m_screen->session().previous();
}

void RemoteScreenMediaKeys::seek(int seconds)
{
    if (m_screen)
        m_screen->skinControls().seek(seconds);
}

void RemoteScreenMediaKeys::setVolume(int percent)
{
    if (m_screen)
        m_screen->session().setVolume(percent);
}

void RemoteScreenMediaKeys::toggleRandom()
{
    if (m_screen)
        m_screen->session().toggleRandom();
}

void RemoteScreenMediaKeys::toggleRepeat()
{
    if (m_screen)
        m_screen->session().toggleRepeat();
}

void RemoteScreenMediaKeys::toggleLoop()
{
    if (m_screen)
        m_screen->session().toggleLoop();
}

void RemoteScreenMediaKeys::setRate(double multiplier)
{
    if (m_screen && m_screen->currentRemote())
        m_screen->currentRemote()->setRate(multiplier);
}

void RemoteScreenMediaKeys::playFile(const QString& path)
{
    if (m_screen && m_screen->currentRemote())
        m_screen->currentRemote()->playFilename(path);
}

void RemoteScreenMediaKeys::raise()
{
    if (m_window)
        m_window->bringToFront();
}
