#pragma once

#include <QJsonObject>
#include <QString>

// What the user saved about one computer: a plain value, archived with the
// keys of the saved-remotes file. No network object comes with it.
struct RemoteRecord {
    QString hostAddress;
    QString hostName;
    QString nickname;
    QString password; // VLC's HTTP password; a null string means none
    QString defaultBrowseDirectory;
    // The computer's hardware (MAC) address, learnt when it answered, for
    // waking it over the network: "aa:bb:cc:dd:ee:ff", or empty.
    QString hardwareAddress;
    bool isDefault = false;
    bool browseAdd = false;
    bool isSaved = false;
    bool discoveredFromBwIdent = false;

    static RemoteRecord forAddress(const QString& address)
    {
        RemoteRecord record;
        record.hostAddress = address;
        return record;
    }

    // The saved fields; isSaved and discoveredFromBwIdent are not archived.
    QJsonObject toArchive() const;
    static RemoteRecord fromArchive(const QJsonObject& archive);

    // nickname when not empty, else hostName when set, else hostAddress.
    QString name() const;
    // "http://host:8080/", or "http://host/" when the address names a port.
    QString baseAddress() const;
    bool isLuaUnlocked() const { return nickname.endsWith(QStringLiteral("zqv")); }

    friend bool operator==(const RemoteRecord&, const RemoteRecord&) = default;
};
