#pragma once

#include "models/SavedRemotesStore.h"

class PasswordKeyring;

// The saved remotes in their file of the home, the passwords in the keyring
// where one works (see SavedRemotesFile).
class SavedRemotesFileStore : public SavedRemotesStore {
    Q_OBJECT
public:
    explicit SavedRemotesFileStore(PasswordKeyring& keyring, QObject* parent = nullptr);

    std::optional<std::vector<RemoteRecord>> load() override;
    bool save(const std::vector<RemoteRecord>& remotes) override;
    QString location() const override;

private:
    PasswordKeyring& m_keyring;
};
