#pragma once

#include "vlc/SavedRemoteList.h"

#include <QObject>

class MainViewController;
class QNetworkAccessManager;
class RemotesViewController;

// What screens ask of the application's one shared access point: the saved
// remotes, the current remote, and the other screens (each created once and
// kept). The application provides it; screens reach it through shared().
class CentralAccess : public QObject {
    Q_OBJECT
public:
    static CentralAccess& shared();

    virtual SavedRemoteList& savedRemotes() = 0;
    virtual void addSavedRemote(const std::shared_ptr<VLCController>& remote) = 0;
    virtual void removeSavedRemote(const std::shared_ptr<VLCController>& remote) = 0;
    virtual std::shared_ptr<VLCController> currentRemote() const = 0;
    // The network access every remote of the application goes through.
    virtual QNetworkAccessManager* network() = 0;

    virtual RemotesViewController* remotesViewController() = 0;
    virtual MainViewController* mainViewController() = 0;

signals:
    // The saved list, or a saved remote, changed.
    void savedRemotesChanged();

protected:
    CentralAccess();
    ~CentralAccess() override;

private:
    static CentralAccess* s_instance;
};
