#pragma once

#include "app/CurrentAlertPresenter.h"
#include "app/SavedRemotesFile.h"
#include "core/Clock.h"
#include "models/AppContext.h"
#include "screens/Common/CentralAccess.h"
#include "ui/WidgetAlertPresenter.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <mutex>
#include <vector>

class AppNavigator;
class NewsModel;
class RemoteSession;
class RemotesModel;
class SkinListModel;
class TrackViewController;
class AspectRatioViewController;
class AudioDelayViewController;
class ChapterTitleViewController;
class DVDViewController;
class SkipDistanceViewController;
class SpeedViewController;
class VLCController;

// The one shared access point: the saved remotes, the current remote, each
// screen created the first time it is asked for and kept for the rest of
// the run (so screens keep their state between visits), and the diagnostic
// log file. It makes the services the screens are given (an AppContext: its
// network access, the preferences, the alerts, the clock and the navigator
// that carries the screens' intents), the session of the remote the remote
// screen shows (whose commands the advanced screens send) and the news.
class CentralAccessFactory : public CentralAccess {
    Q_OBJECT
public:
    static CentralAccessFactory& sharedFactory();
    // Ends the run's instance (before the application object goes; tests
    // start afresh with it).
    static void shutdown();

    SavedRemoteList& savedRemotes() override { return *m_savedRemotes; }
    void setSavedRemotes(std::vector<RemoteRecord> records);
    void addSavedRemote(const std::shared_ptr<VLCController>& remote) override;
    void removeSavedRemote(const std::shared_ptr<VLCController>& remote) override;

    // The remote the remote screen shows; none until that screen exists.
    std::shared_ptr<VLCController> currentRemote() const override;
    QNetworkAccessManager* network() override { return m_network; }

    // What the screens are given, with the services in force when asked.
    AppContext context();
    // The remote screen's: its alerts go to the presenter installed at the
    // time, unless a test gave the factory its own.
    AppContext remoteScreenContext();
    AppNavigator& navigator() { return *m_navigator; }
    // The alerts shown over the application's window.
    WidgetAlertPresenter& widgetAlerts() { return m_widgetAlerts; }
    // Whichever presenter is installed when an alert comes.
    AlertPresenter& currentAlerts() { return m_currentAlerts; }
    // Tests give their own, for the screens made from then on.
    void setAlertPresenter(AlertPresenter& alerts) { m_alerts = &alerts; }
    void setClock(const Clock& clock) { m_clock = &clock; }
    // Follows the remote screen's remote; inactive (that screen polls).
    RemoteSession& session() { return *m_session; }
    NewsModel& news();
    // The saved computers and those the remotes list found, for the screens
    // that list or choose them.
    RemotesModel& remotes() { return *m_remotes; }
    SkinListModel& skins();
    bool newNewsExists() override;

    RemotesViewController* remotesViewController() override;
    MainViewController* mainViewController() override;
    WebViewController* webViewController() override;
    SkinsViewController* skinsViewController() override;
    SkinsWebViewController* skinsWebViewController() override;
    FlipsideViewController* flipsideViewController() override;
    SkipDistanceViewController* skipDistanceViewController();
    AdditionalActionsViewController* additionalActionsViewController() override;
    LuaAdditionalActionsViewController* luaAdditionalActionsViewController() override;
    ChapterTitleViewController* chapterTitleViewController();
    AspectRatioViewController* aspectRatioViewController();
    // The audio and video tracks, and the subtitles: one screen, twice.
    TrackViewController* audioTrackViewController();
    TrackViewController* subtitleTrackViewController();
    SpeedViewController* speedViewController();
    DVDViewController* dvdViewController();
    AudioDelayViewController* audioDelayViewController();
    FeedsViewController* feedsViewController() override;
    SetupInstructionsVC* setupInstructionsViewController() override;
    BrowseViewController* browseViewController() override;
    PlaylistViewController* playlistViewController() override;
    RemoteConfigViewController* remoteConfigViewController() override;
    FoundRemotesViewController* foundRemotesViewController() override;

    QString logFilePath() const;
    void createLogFile();
    void logStringToFile(const QString& text);
    void emailLog();
    void removeLogFile();

signals:
    // Passed on from the settings screen, for the window and the keep-awake
    // service the application owns.
    void rotationLockChanged();
    void keepAwakeChanged();
    // Passed on from the skin gallery: a skin link the user tapped there.
    void skinLinkOpened(const QString& link);

private:
    CentralAccessFactory();
    ~CentralAccessFactory() override;
    AppContext pageContext();
    // Creates a screen on first request, from what it is given, and keeps
    // it for the whole run.
    template <typename Screen, typename... Args>
    Screen* screen(QPointer<Screen>& field, Args&&... args)
    {
        if (!field) {
            field = new Screen(std::forward<Args>(args)...);
            m_screens.emplace_back(field.data());
        }
        return field;
    }

    static std::mutex s_lock;
    static CentralAccessFactory* s_instance;

    QNetworkAccessManager* m_network; // child object
    SavedRemoteList* m_savedRemotes; // child object
    WidgetAlertPresenter m_widgetAlerts { nullptr };
    AlertPresenter* m_alerts = &m_widgetAlerts;
    CurrentAlertPresenter m_currentAlerts;
    Clock m_systemClock;
    const Clock* m_clock = &m_systemClock;
    std::unique_ptr<AppNavigator> m_navigator;
    RemoteSession* m_session; // child object
    RemotesModel* m_remotes; // child object
    SkinListModel* m_skins = nullptr; // child object, made when first asked for
    NewsModel* m_news = nullptr; // child object, made when first asked for
    std::vector<QPointer<QWidget>> m_screens;
    QPointer<RemotesViewController> m_remotesViewController;
    QPointer<MainViewController> m_mainViewController;
    QPointer<WebViewController> m_webViewController;
    QPointer<SkinsViewController> m_skinsViewController;
    QPointer<SkinsWebViewController> m_skinsWebViewController;
    QPointer<FlipsideViewController> m_flipsideViewController;
    QPointer<SkipDistanceViewController> m_skipDistanceViewController;
    QPointer<AdditionalActionsViewController> m_additionalActionsViewController;
    QPointer<LuaAdditionalActionsViewController> m_luaAdditionalActionsViewController;
    QPointer<ChapterTitleViewController> m_chapterTitleViewController;
    QPointer<AspectRatioViewController> m_aspectRatioViewController;
    QPointer<TrackViewController> m_audioTrackViewController;
    QPointer<TrackViewController> m_subtitleTrackViewController;
    QPointer<SpeedViewController> m_speedViewController;
    QPointer<DVDViewController> m_dvdViewController;
    QPointer<AudioDelayViewController> m_audioDelayViewController;
    QPointer<FeedsViewController> m_feedsViewController;
    QPointer<SetupInstructionsVC> m_setupInstructionsVC;
    QPointer<BrowseViewController> m_browseViewController;
    QPointer<PlaylistViewController> m_playlistViewController;
    QPointer<RemoteConfigViewController> m_remoteConfigViewController;
    QPointer<FoundRemotesViewController> m_foundRemotesViewController;
};
