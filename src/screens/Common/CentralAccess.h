#pragma once

#include "vlc/RemoteList.h"

#include <QObject>

class FeedsViewController;
class MainViewController;
class RemotesViewController;
class SetupInstructionsVC;
class WebViewController;

// What screens ask of the application's one shared access point: the saved
// remotes, the current remote, and the other screens (each created once and
// kept). The application provides it; screens reach it through shared().
class CentralAccess : public QObject {
    Q_OBJECT
public:
    static CentralAccess& shared();
    // The shared access point, or nullptr when the application has none
    // (screens tested on their own).
    static CentralAccess* instance() { return s_instance; }

    virtual const RemoteList& savedRemotes() const = 0;
    virtual void addSavedRemote(const std::shared_ptr<VLCController>& remote) = 0;
    virtual void removeSavedRemote(const std::shared_ptr<VLCController>& remote) = 0;
    virtual std::shared_ptr<VLCController> currentRemote() const = 0;

    virtual RemotesViewController* remotesViewController() = 0;
    virtual MainViewController* mainViewController() = 0;
    virtual WebViewController* webViewController() = 0;
    virtual FeedsViewController* feedsViewController() = 0;
    virtual SetupInstructionsVC* setupInstructionsViewController() = 0;

    // Whether the news holds an item newer than any the user has seen (the
    // news buttons' badge).
    bool newNewsExists();

signals:
    // The saved list, or a saved remote, changed.
    void savedRemotesChanged();

protected:
    CentralAccess();
    ~CentralAccess() override;

private:
    static CentralAccess* s_instance;
};
