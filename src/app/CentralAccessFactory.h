#pragma once

#include "app/SavedRemotesFile.h"
#include "screens/Common/CentralAccess.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <mutex>
#include <vector>

class VLCController;

// The one shared access point: the saved remotes, the current remote, each
// screen created the first time it is asked for and kept for the rest of
// the run (so screens keep their state between visits), and the diagnostic
// log file.
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

    RemotesViewController* remotesViewController() override;
    MainViewController* mainViewController() override;
    WebViewController* webViewController() override;
    SkinsViewController* skinsViewController() override;
    FlipsideViewController* flipsideViewController() override;
    SkipDistanceViewController* skipDistanceViewController() override;
    AdditionalActionsViewController* additionalActionsViewController() override;
    LuaAdditionalActionsViewController* luaAdditionalActionsViewController() override;
    ChapterTitleViewController* chapterTitleViewController() override;
    AspectRatioViewController* aspectRatioViewController() override;
    AudioVideoTrackViewController* audioTrackViewController() override;
    SubtitleTrackViewController* subtitleTrackViewController() override;
    SpeedViewController* speedViewController() override;
    DVDViewController* dvdViewController() override;
    AudioDelayViewController* audioDelayViewController() override;
    FeedsViewController* feedsViewController() override;
    SetupInstructionsVC* setupInstructionsViewController() override;
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

private:
    CentralAccessFactory();
    ~CentralAccessFactory() override;
    // Creates a screen on first request and keeps it for the whole run.
    template <typename Screen>
    Screen* screen(QPointer<Screen>& field)
    {
        if (!field) {
            field = new Screen;
            m_screens.emplace_back(field.data());
        }
        return field;
    }

    static std::mutex s_lock;
    static CentralAccessFactory* s_instance;

    QNetworkAccessManager* m_network; // child object
    SavedRemoteList* m_savedRemotes; // child object
    std::vector<QPointer<QWidget>> m_screens;
    QPointer<RemotesViewController> m_remotesViewController;
    QPointer<MainViewController> m_mainViewController;
    QPointer<WebViewController> m_webViewController;
    QPointer<SkinsViewController> m_skinsViewController;
    QPointer<FlipsideViewController> m_flipsideViewController;
    QPointer<SkipDistanceViewController> m_skipDistanceViewController;
    QPointer<AdditionalActionsViewController> m_additionalActionsViewController;
    QPointer<LuaAdditionalActionsViewController> m_luaAdditionalActionsViewController;
    QPointer<ChapterTitleViewController> m_chapterTitleViewController;
    QPointer<AspectRatioViewController> m_aspectRatioViewController;
    QPointer<AudioVideoTrackViewController> m_audioTrackViewController;
    QPointer<SubtitleTrackViewController> m_subtitleTrackViewController;
    QPointer<SpeedViewController> m_speedViewController;
    QPointer<DVDViewController> m_dvdViewController;
    QPointer<AudioDelayViewController> m_audioDelayViewController;
    QPointer<FeedsViewController> m_feedsViewController;
    QPointer<SetupInstructionsVC> m_setupInstructionsVC;
    QPointer<RemoteConfigViewController> m_remoteConfigViewController;
    QPointer<FoundRemotesViewController> m_foundRemotesViewController;
};
