#pragma once

#include "net/NetworkState.h"

#include <QObject>

#include <optional>

// Where the reachability monitor gets interfaces and routes from. The real
// source reads the kernel; tests hand in states of their own.
class NetworkStateSource : public QObject {
    Q_OBJECT
public:
    explicit NetworkStateSource(QObject* parent = nullptr);
    ~NetworkStateSource() override;

    // The state now; nothing when it could not be read.
    virtual std::optional<NetworkState> read() = 0;
    // Starts reporting changes through changed(); calling it again does nothing.
    virtual void startWatching() = 0;

signals:
    // Something may have changed; read() again to see what.
    void changed();
};
