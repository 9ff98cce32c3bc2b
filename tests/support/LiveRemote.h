#pragma once

#include "vlc/VLCController.h"

#include <QNetworkAccessManager>

#include <functional>

// A VLCController against a real VLC, with waits that let tests read the
// state VLC reports after a command.
class LiveRemote {
public:
    LiveRemote(const QString& hostAddress, const QString& password);

    VLCController& operator*() { return remote; }
    VLCController* operator->() { return &remote; }

    bool idle(int timeoutMs = 5000);
    bool probe();
    bool refreshStatus();
    bool refreshPlaylist();
    bool refresh() { return refreshStatus() && refreshPlaylist(); }
    bool refreshBrowse(const QString& folder);
    // Polls VLC's status (and playlist) until pred holds.
    bool waitFor(const std::function<bool()>& pred, int timeoutMs = 8000);
    // Sends a command and waits for its reply.
    bool command(const std::function<void(VLCController&)>& send);
    // The same for commands that switch items, then a pause: VLC 3.0's web
    // interface can crash when polled while it is still switching.
    bool switchCommand(const std::function<void(VLCController&)>& send);

    QNetworkAccessManager network;
    VLCController remote { RemoteRecord {}, &network };
};
