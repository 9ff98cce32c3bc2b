#pragma once

#include "vlc/SavedRemoteList.h"

#include <QObject>

class AdditionalActionsViewController;
class BrowseViewController;
class PlaylistViewController;
class FlipsideViewController;
class LuaAdditionalActionsViewController;
class FeedsViewController;
class MainViewController;
class QNetworkAccessManager;
class RemotesViewController;
class RemoteConfigViewController;
class FoundRemotesViewController;
class SetupInstructionsVC;
class WebViewController;
class SkinsViewController;
class SkinsWebViewController;

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

    virtual SavedRemoteList& savedRemotes() = 0;
    virtual void addSavedRemote(const std::shared_ptr<VLCController>& remote) = 0;
    virtual void removeSavedRemote(const std::shared_ptr<VLCController>& remote) = 0;
    virtual std::shared_ptr<VLCController> currentRemote() const = 0;
    // The network access every remote of the application goes through.
    virtual QNetworkAccessManager* network() = 0;

    virtual RemotesViewController* remotesViewController() = 0;
    virtual MainViewController* mainViewController() = 0;
    virtual WebViewController* webViewController() = 0;
    virtual SkinsViewController* skinsViewController() = 0;
    virtual SkinsWebViewController* skinsWebViewController() = 0;

    // The settings, the advanced-controls menus and the news (the screens
    // below them are reached through the Navigator).
    virtual FlipsideViewController* flipsideViewController() = 0;
    virtual AdditionalActionsViewController* additionalActionsViewController() = 0;
    virtual LuaAdditionalActionsViewController* luaAdditionalActionsViewController() = 0;
    virtual FeedsViewController* feedsViewController() = 0;
    virtual SetupInstructionsVC* setupInstructionsViewController() = 0;
    // The folder browser and the playlist.
    virtual BrowseViewController* browseViewController() = 0;
    virtual PlaylistViewController* playlistViewController() = 0;
    virtual RemoteConfigViewController* remoteConfigViewController() = 0;
    virtual FoundRemotesViewController* foundRemotesViewController() = 0;

    // Whether the news holds an item newer than any the user has seen (the
    // news buttons' badge).
    virtual bool newNewsExists() = 0;

signals:
    // The saved list, or a saved remote, changed.
    void savedRemotesChanged();

protected:
    CentralAccess();
    ~CentralAccess() override;

private:
    static CentralAccess* s_instance;
};
