#pragma once

#include "vlc/RemoteRecord.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// Where the saved remotes are kept between launches, with their passwords.
// The remotes list reads it at launch and writes it on every change; the
// platform decides where the file and the passwords live.
class SavedRemotesStore : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The remotes kept, or nothing when none were ever kept (or what was
    // kept cannot be read, and was set aside).
    virtual std::optional<std::vector<RemoteRecord>> load() = 0;
    virtual bool save(const std::vector<RemoteRecord>& remotes) = 0;
    // For messages: where it keeps them.
    virtual QString location() const = 0;

signals:
    // What was written needs writing again (a password has moved to safer
    // keeping and should leave the file).
    void rewriteWanted();
};
