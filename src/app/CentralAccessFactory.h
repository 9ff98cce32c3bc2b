#pragma once

#include "app/SavedRemotesFile.h"
#include "screens/Common/CentralAccess.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <mutex>

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

    const RemoteList& savedRemotes() const override { return m_savedRemotes; }
    void setSavedRemotes(RemoteList remotes);
    void addSavedRemote(const std::shared_ptr<VLCController>& remote) override;
    void removeSavedRemote(const std::shared_ptr<VLCController>& remote) override;

    // The remote the remote screen shows; none until that screen exists.
    std::shared_ptr<VLCController> currentRemote() const override;

    RemotesViewController* remotesViewController() override;
    MainViewController* mainViewController() override;
    WebViewController* webViewController() override;
    FeedsViewController* feedsViewController() override;
    SetupInstructionsVC* setupInstructionsViewController() override;

    QString logFilePath() const;
    void createLogFile();
    void logStringToFile(const QString& text);
    void emailLog();
    void removeLogFile();

private:
    CentralAccessFactory();
    ~CentralAccessFactory() override;
    void watch(const std::shared_ptr<VLCController>& remote);

    static std::mutex s_lock;
    static CentralAccessFactory* s_instance;

    RemoteList m_savedRemotes;
    QPointer<RemotesViewController> m_remotesViewController;
    QPointer<MainViewController> m_mainViewController;
    QPointer<WebViewController> m_webViewController;
    QPointer<FeedsViewController> m_feedsViewController;
    QPointer<SetupInstructionsVC> m_setupInstructionsVC;
};
