#include "app/SavedRemotesFile.h"

#include "core/ConsoleLog.h"
#include "core/FileHelpers.h"
#include "core/HomePaths.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString formatName = QStringLiteral("PlayerLink saved remotes");
}

QString SavedRemotesFile::defaultPath()
{
    return HomePaths::documents() + QStringLiteral("/BWRemotesFilename");
}

SavedRemotesFile::SavedRemotesFile(const QString& path)
    : m_path(path)
{
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
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    file.close();

    // The list itself, or (from the first files) a bare array.
    QJsonArray records;
    bool readable = error.error == QJsonParseError::NoError;
    if (readable && doc.isObject() && doc.object().value(QStringLiteral("format")) == formatName
        && doc.object().value(QStringLiteral("remotes")).isArray())
        records = doc.object().value(QStringLiteral("remotes")).toArray();
    else if (readable && doc.isArray())
        records = doc.array();
    else
        readable = false;
    if (readable && doc.isObject() && doc.object().value(QStringLiteral("version")).toInt() > formatVersion)
        readable = false; // written by a newer version: leave it alone

    if (!readable) {
        m_quarantined = m_path + QStringLiteral(".unreadable-")
            + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        QFile::rename(m_path, m_quarantined);
        ConsoleLog::log(QStringLiteral("saved remotes could not be read; kept as %@"), m_quarantined);
        return std::nullopt;
    }

    std::vector<RemoteRecord> remotes;
    for (const QJsonValue& record : records)
        if (record.isObject())
            remotes.push_back(RemoteRecord::fromArchive(record.toObject()));
    return remotes;
}

bool SavedRemotesFile::save(const std::vector<RemoteRecord>& remotes)
{
    QJsonArray records;
    for (const RemoteRecord& remote : remotes)
        records.append(remote.toArchive());
    QJsonObject root;
    root.insert(QStringLiteral("format"), formatName);
    root.insert(QStringLiteral("version"), formatVersion);
    root.insert(QStringLiteral("remotes"), records);
    return FileHelpers::saveData(QJsonDocument(root).toJson(), QFileInfo(m_path).absolutePath(), m_path,
                                 FileAccess::OwnerOnly);
}
