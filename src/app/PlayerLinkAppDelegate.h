#pragma once

#include "app/ScreenSaverInhibitor.h"
#include "models/NoInternetNotice.h"
#include "skin/SkinDownloader.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

#include "ui/AlertView.h"
class ApplicationActivity;
class AppWindow;
#include "ui/BWNavigationController.h"
class Reachability_2;
class RemoteScreenMediaKeys;
class SavedRemotesFile;
class ScreenLockWatch;

// Starts and ends the application: registers the preference defaults,
// restores the saved remotes and keeps them written, builds the window with
// the navigation stack, warns while there is no network, keeps the desktop
// awake when asked, and answers skin links.
class PlayerLinkAppDelegate : public QObject {
    Q_OBJECT
public:
    // Registers every preference default; runs before anything reads one.
    static void initialize();

    explicit PlayerLinkAppDelegate(Reachability_2* reachability = nullptr, QObject* parent = nullptr);
    ~PlayerLinkAppDelegate() override;

    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    void applicationDidBecomeActive();
    void applicationWillResignActive();
    // A later launch of the program: the running window comes to the front
    // and handles the links the launch brought.
    void applicationReopened(const QStringList& links);
    void bringToFront();

    void saveRemotes();
    void loadSavedRemotes();

    bool handleOpenURL(const QString& url);
    // Opens the remote screen for a computer given on the command line,
    // above the remotes list; a saved remote of that address is used when
    // there is one.
    void connectTo(const QString& hostAddress, const QString& password);

    void disableSleepIfNeeded();
    void registerForWebPageNotifications();
    void showSetupVC();

    AppWindow* window() const { return m_window.get(); }
    ApplicationActivity* activity() const { return m_activity.get(); }
    BWNavigationController* navController() const { return m_navController; }
    QString skinUrl() const { return m_skinUrl; }
    void setSkinUrl(const QString& url) { m_skinUrl = url; }
    AlertView* skinDownloadAlert() const { return m_skinDownloadAlert; }
    AlertView* noInternetAlert() const;
    bool keepsAwake() const { return m_inhibitor.isInhibited(); }
    RemoteScreenMediaKeys* mediaKeys() const { return m_mediaKeys.get(); }

    // The seven-letter scheme of skin links.
    static constexpr const char* skinLinkScheme = SkinDownloader::skinLinkScheme;

private:
    AlertView* showAlert(const QString& title, const QString& message, const QStringList& buttons,
                         std::function<void(int)> answer);

    Reachability_2* m_reachability;
    std::unique_ptr<AppWindow> m_window;
    std::unique_ptr<ScreenLockWatch> m_screenLock;
    std::unique_ptr<ApplicationActivity> m_activity;
    QPointer<BWNavigationController> m_navController;
    QString m_skinUrl;
    QPointer<AlertView> m_skinDownloadAlert;
    std::unique_ptr<NoInternetNotice> m_noInternet;
    ScreenSaverInhibitor m_inhibitor;
    std::unique_ptr<RemoteScreenMediaKeys> m_mediaKeys;
    bool m_terminated = false;
};
