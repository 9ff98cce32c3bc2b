#pragma once

#include "desktop/MprisCommands.h"

#include <QObject>
#include <QPointer>

#include <memory>

class MainViewController;
class MprisService;
class AppWindow;
class NavigationController;

// Offers the remote of the remote screen to the desktop's media controls
// while that screen is open (on top or under one of its own screens), and
// answers them with the screen's own commands.
class RemoteScreenMediaKeys : public QObject, public MprisCommands {
    Q_OBJECT
public:
    RemoteScreenMediaKeys(NavigationController* navigation, AppWindow* window);
    ~RemoteScreenMediaKeys() override;

    MprisService& service() { return *m_service; }

    void playPause() override;
    void stop() override;
    void next() override;
    void previous() override;
    void seek(int seconds) override;
    void setVolume(int percent) override;
    void toggleRandom() override;
    void toggleRepeat() override;
    void toggleLoop() override;
    void setRate(double multiplier) override;
    void playFile(const QString& path) override;
    void raise() override;

private:
    void stackChanged();

    QPointer<NavigationController> m_navigation;
    QPointer<MainViewController> m_screen;
    QPointer<AppWindow> m_window;
    std::unique_ptr<MprisService> m_service;
};
