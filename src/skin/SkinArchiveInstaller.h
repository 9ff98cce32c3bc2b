#pragma once

#include "skin/SkinInstallResult.h"
#include "skin/ZipArchive_BW.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Installs skin archives into the skins folder, all or nothing: the archive
// is unpacked into a work folder of the skins folder (its name begins with
// "__", so it is never listed), every top-level folder must hold a
// SkinDefinition.xml that reads as a skin, and only then does each one move
// into place, replacing an installed skin of the same name in one step. A
// failure leaves the skins folder as it was.
class SkinArchiveInstaller {
public:
    explicit SkinArchiveInstaller(const QString& skinsFolder);

    SkinInstallResult installFile(const QString& archivePath);
    SkinInstallResult installData(const QByteArray& archive);

    void setLimits(const ZipArchive_BW::Limits& limits) { m_limits = limits; }
    void setWriteObserver(std::function<void(qint64)> observer) { m_writeObserver = std::move(observer); }

    // Whether the folder holds a definition the skin engine can read, and
    // images it may show.
    static bool isLoadableSkin(const QString& folder);
    // Removes the work folders of installs and deletes, and the download
    // files, that runs killed mid-way left behind, whatever their age,
    // unless some run of this home is installing or deleting right now.
    void sweepLeftovers() const;
    // A fresh, unlisted work folder name with this purpose ("install", "delete").
    static QString workFolderTemplate(const QString& purpose);

private:
    SkinInstallResult install(ZipArchive_BW& archive);
    SkinInstallResult placeSkins(const QString& workFolder, const QStringList& names);
    static SkinInstallResult checkSkin(const QString& folder, const QString& name);

    QString m_skinsFolder;
    ZipArchive_BW::Limits m_limits;
    std::function<void(qint64)> m_writeObserver;
};
