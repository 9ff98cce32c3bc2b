#pragma once

#include <QString>
#include <QStringList>

// Why a skin archive was not installed.
enum class SkinInstallFailure {
    None,
    NotSkinArchive, // not a zip, no skin folder in it, or an entry that must not be unpacked
    Damaged,        // a zip whose directory or data is broken
    TooLarge,       // past a size or count limit
    WriteFailed,    // the skins folder refused the files
    DownloadFailed, // the archive could not be fetched
    ImagesRefused,  // a skin names images outside its folder, or past the pixel budget
};

// What an install did: the skins put in place, or why none was.
struct SkinInstallResult {
    SkinInstallFailure failure = SkinInstallFailure::None;
    // Folder names of the installed skins, in archive order.
    QStringList installed;
    // For the log: what the failure concerns.
    QString detail;
    // The skin folder the failure concerns, where it concerns one.
    QString skin;

    bool ok() const { return failure == SkinInstallFailure::None; }
    // The reason shown to the user: "not a skin archive", "archive damaged",
    // "too large", "could not be written", "could not be downloaded", or
    // which skin's images were refused.
    QString reason() const;

    static SkinInstallResult failed(SkinInstallFailure failure, const QString& detail = QString())
    {
        return { failure, {}, detail, QString() };
    }
};
