#include "platform/SavedRemotesFileStore.h"

#include "platform/PasswordKeyring.h"
#include "platform/SavedRemotesFile.h"

SavedRemotesFileStore::SavedRemotesFileStore(PasswordKeyring& keyring, QObject* parent)
    : SavedRemotesStore(parent)
    , m_keyring(keyring)
{
    // A password the keyring now holds leaves the file.
    connect(&keyring, &PasswordKeyring::stored, this, &SavedRemotesStore::rewriteWanted);
}

std::optional<std::vector<RemoteRecord>> SavedRemotesFileStore::load()
{
    return SavedRemotesFile(SavedRemotesFile::defaultPath(), &m_keyring).load();
}

bool SavedRemotesFileStore::save(const std::vector<RemoteRecord>& remotes)
{
    return SavedRemotesFile(SavedRemotesFile::defaultPath(), &m_keyring).save(remotes);
}

QString SavedRemotesFileStore::location() const
{
    return SavedRemotesFile::defaultPath();
}
