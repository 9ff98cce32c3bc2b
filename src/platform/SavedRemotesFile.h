#pragma once

#include <QSet>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "vlc/RemoteRecord.h"

class PasswordKeyring;

// The file of saved remotes, "Documents/BWRemotesFilename" in the home
// directory: a versioned JSON document written atomically, so that a crash
// or a failed write never loses what was saved before. Only its owner may
// read it (0600): it holds the VLC passwords, unless a keyring is given and
// works. Then a saved password moves into the keyring (the file keeps it
// until the keyring confirms) and the file only marks that it is there;
// the entry of a remote deleted, or whose address changed, is removed.
class SavedRemotesFile {
public:
    static QString defaultPath();

    explicit SavedRemotesFile(const QString& path = defaultPath(), PasswordKeyring* keyring = nullptr);

    // The remotes in the file, or nothing when there is no file. A file that
    // cannot be read is moved aside (kept for the user, never overwritten)
    // and counts as no file.
    std::optional<std::vector<RemoteRecord>> load();
    bool save(const std::vector<RemoteRecord>& remotes);

    QString path() const { return m_path; }
    // Where the last damaged file was moved; empty when none was.
    QString quarantinedPath() const { return m_quarantined; }

    static constexpr int formatVersion = 1;
    // The keyring entry of the record at index: its address, and a count
    // after it for the second and later records of one address.
    static QString keyringKey(const std::vector<RemoteRecord>& remotes, size_t index);

private:
    // The keyring entries of the records in the file as it is on disk.
    QSet<QString> keyringKeysInFile() const;

    QString m_path;
    PasswordKeyring* m_keyring;
    QString m_quarantined;
};
