#include "platform/SavedRemotesFile.h"

#include "core/ConsoleLog.h"
#include "core/FileHelpers.h"
#include "core/HomePaths.h"
#include "platform/PasswordKeyring.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString formatName = QStringLiteral("PlayerLink saved remotes");
const QString passwordInKeyring = QStringLiteral("passwordInKeyring");

// The records of a saved-remotes document, or nothing when it is not one
// this version reads: the list itself, or (from the first files) a bare array.
std::optional<QJsonArray> recordsOf(const QByteArray& data)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    if (doc.isArray())
        return doc.array();
    if (!doc.isObject() || doc.object().value(QStringLiteral("format")) != formatName
        || !doc.object().value(QStringLiteral("remotes")).isArray())
        return std::nullopt;
    if (doc.object().value(QStringLiteral("version")).toInt() > SavedRemotesFile::formatVersion)
        return std::nullopt; // written by a newer version: leave it alone
    return doc.object().value(QStringLiteral("remotes")).toArray();
}
}

QString SavedRemotesFile::defaultPath()
{
    return HomePaths::documents() + QStringLiteral("/BWRemotesFilename");
}

SavedRemotesFile::SavedRemotesFile(const QString& path, PasswordKeyring* keyring)
    : m_path(path)
    , m_keyring(keyring)
{
}

QString SavedRemotesFile::keyringKey(const std::vector<RemoteRecord>& remotes, size_t index)
{
    const QString& address = remotes[index].hostAddress;
    int earlier = 0;
    for (size_t i = 0; i < index; ++i)
        if (remotes[i].hostAddress == address)
            ++earlier;
    return earlier == 0 ? address : QStringLiteral("%1#%2").arg(address).arg(earlier + 1);
}

std::optional<std::vector<RemoteRecord>> SavedRemotesFile::load()
{
    QFile file(m_path);
    if (!file.exists())
        return std::nullopt;
    // The file holds passwords; one written by an older version may still
    // be readable by others.
    FileHelpers::restrictFileToOwner(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<QJsonArray> parsed = recordsOf(file.readAll());
    file.close();
    if (!parsed) {
        m_quarantined = m_path + QStringLiteral(".unreadable-")
            + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        QFile::rename(m_path, m_quarantined);
        ConsoleLog::log(logPlatform, QStringLiteral("saved remotes could not be read; kept as %@"), m_quarantined);
        return std::nullopt;
    }

    std::vector<RemoteRecord> remotes;
    std::vector<size_t> inKeyring;
    for (const QJsonValue& record : *parsed)
        if (record.isObject()) {
            remotes.push_back(RemoteRecord::fromArchive(record.toObject()));
            if (record.toObject().value(passwordInKeyring).toBool() && remotes.back().password.isEmpty())
                inKeyring.push_back(remotes.size() - 1);
        }
    if (!inKeyring.empty() && m_keyring) {
        QStringList keys;
        for (size_t index : inKeyring)
            keys << keyringKey(remotes, index);
        const std::map<QString, QString> passwords = m_keyring->read(keys);
        for (size_t index : inKeyring) {
            const auto found = passwords.find(keyringKey(remotes, index));
            if (found != passwords.end())
                remotes[index].password = found->second;
        }
    }
    return remotes;
}

QSet<QString> SavedRemotesFile::keyringKeysInFile() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<QJsonArray> parsed = recordsOf(file.readAll());
    if (!parsed)
        return {};
    std::vector<RemoteRecord> remotes;
    std::vector<bool> withPassword;
    for (const QJsonValue& record : *parsed)
        if (record.isObject()) {
            remotes.push_back(RemoteRecord::fromArchive(record.toObject()));
            withPassword.push_back(record.toObject().value(passwordInKeyring).toBool()
                                   || !remotes.back().password.isEmpty());
        }
    QSet<QString> keys;
    for (size_t i = 0; i < remotes.size(); ++i)
        if (withPassword[i])
            keys.insert(keyringKey(remotes, i));
    return keys;
}

bool SavedRemotesFile::save(const std::vector<RemoteRecord>& remotes)
{
    // The entries the file on disk may have put in the keyring; those this
    // save no longer uses (a remote deleted, its address or password
    // changed) are taken out once it is written.
    QSet<QString> stale = m_keyring ? keyringKeysInFile() : QSet<QString>();
    QJsonArray records;
    std::vector<std::pair<QString, QString>> toKeyring;
    for (size_t i = 0; i < remotes.size(); ++i) {
        QJsonObject record = remotes[i].toArchive();
        if (m_keyring) {
            const QString key = keyringKey(remotes, i);
            const QString& password = remotes[i].password;
            if (!password.isEmpty() || m_keyring->unreadable(key))
                stale.remove(key);
            if (!password.isEmpty() && m_keyring->holds(key, password)) {
                record.remove(QStringLiteral("password"));
                record.insert(passwordInKeyring, true);
            } else if (!password.isEmpty()) {
                toKeyring.emplace_back(key, password);
            } else if (m_keyring->unreadable(key)) {
                // Still in a keyring that could not be read this time.
                record.insert(passwordInKeyring, true);
            }
        }
        records.append(record);
    }
    QJsonObject root;
    root.insert(QStringLiteral("format"), formatName);
    root.insert(QStringLiteral("version"), formatVersion);
    root.insert(QStringLiteral("remotes"), records);
    if (!FileHelpers::saveData(QJsonDocument(root).toJson(), QFileInfo(m_path).absolutePath(), m_path,
                               FileAccess::OwnerOnly))
        return false;
    // Only after the file is safe: the keyring's confirmation (stored())
    // is what lets the next save drop the password from the file.
    for (const auto& [key, password] : toKeyring)
        m_keyring->store(key, password);
    for (const QString& key : std::as_const(stale))
        m_keyring->remove(key);
    return true;
}
