#include "vlc/RemoteRecord.h"

#include "vlc/HostAddress.h"

namespace ArchiveKeys {
const QString hostAddress = QStringLiteral("hostAddress");
const QString hostName = QStringLiteral("hostName");
const QString nickname = QStringLiteral("nickname");
const QString defaultBrowseDirectory = QStringLiteral("defaultBrowseDirectory");
const QString isDefault = QStringLiteral("isDefault");
const QString browseAdd = QStringLiteral("browseAdd");
const QString password = QStringLiteral("password");
// Added later: files without it read as not known, and older versions
// ignore it.
const QString hardwareAddress = QStringLiteral("hardwareAddress");
}

namespace {
QString optionalString(const QJsonObject& archive, const QString& key)
{
    const QJsonValue value = archive.value(key);
    return value.isString() ? value.toString() : QString();
}
}

QJsonObject RemoteRecord::toArchive() const
{
    QJsonObject archive;
    auto putString = [&archive](const QString& key, const QString& value) {
        if (!value.isNull())
            archive.insert(key, value);
    };
    putString(ArchiveKeys::hostAddress, hostAddress);
    putString(ArchiveKeys::hostName, hostName);
    putString(ArchiveKeys::nickname, nickname);
    putString(ArchiveKeys::defaultBrowseDirectory, defaultBrowseDirectory);
    archive.insert(ArchiveKeys::isDefault, isDefault);
    archive.insert(ArchiveKeys::browseAdd, browseAdd);
    if (!password.isEmpty())
        archive.insert(ArchiveKeys::password, password);
    if (!hardwareAddress.isEmpty())
        archive.insert(ArchiveKeys::hardwareAddress, hardwareAddress);
    return archive;
}

RemoteRecord RemoteRecord::fromArchive(const QJsonObject& archive)
{
    RemoteRecord record;
    record.hostAddress = optionalString(archive, ArchiveKeys::hostAddress);
    record.hostName = optionalString(archive, ArchiveKeys::hostName);
    record.nickname = optionalString(archive, ArchiveKeys::nickname);
    record.isDefault = archive.value(ArchiveKeys::isDefault).toBool();
    record.browseAdd = archive.value(ArchiveKeys::browseAdd).toBool();
    record.defaultBrowseDirectory = optionalString(archive, ArchiveKeys::defaultBrowseDirectory);
    record.password = optionalString(archive, ArchiveKeys::password);
    record.hardwareAddress = optionalString(archive, ArchiveKeys::hardwareAddress);
    record.isSaved = true;
    return record;
}

QString RemoteRecord::name() const
{
    if (!nickname.isEmpty())
        return nickname;
    if (!hostName.isEmpty())
        return hostName;
    return hostAddress;
}

QString RemoteRecord::baseAddress() const
{
    // VLC's own page address, typed as the remote's address, names the host;
    // its scheme is never taken for one.
    QString address = hostAddress;
    if (address.trimmed().startsWith(QStringLiteral("http://"), Qt::CaseInsensitive))
        address = HostAddress::fromUserText(address).value_or(address);
    // A colon after the last closing bracket (or anywhere, without brackets)
    // means the address already names its port.
    bool hasPort = false;
    for (const QChar c : address) {
        if (c == u']')
            hasPort = false;
        else if (c == u':')
            hasPort = true;
    }
    if (hasPort)
        return QStringLiteral("http://%1/").arg(address);
    return QStringLiteral("http://%1:8080/").arg(address);
}
