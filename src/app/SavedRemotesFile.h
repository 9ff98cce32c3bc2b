#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "vlc/RemoteRecord.h"

// The file of saved remotes, "Documents/BWRemotesFilename" in the home
// directory: a versioned JSON document written atomically, so that a crash
// or a failed write never loses what was saved before. It holds the VLC
// passwords, so only its owner may read it (0600).
class SavedRemotesFile {
public:
    static QString defaultPath();

    explicit SavedRemotesFile(const QString& path = defaultPath());

    // The remotes in the file, or nothing when there is no file. A file that
    // cannot be read is moved aside (kept for the user, never overwritten)
    // and counts as no file.
    std::optional<std::vector<RemoteRecord>> load();
    bool save(const std::vector<RemoteRecord>& remotes);

    QString path() const { return m_path; }
    // Where the last damaged file was moved; empty when none was.
    QString quarantinedPath() const { return m_quarantined; }

    static constexpr int formatVersion = 1;

private:
    QString m_path;
    QString m_quarantined;
};
