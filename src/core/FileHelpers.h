#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// File-system conveniences shared by the parts that keep files.
class FileHelpers {
public:
    // Writes data to a file, creating the directory first when one is given.
    // Empty data is refused (and logged). The file is replaced atomically, so
    // a failed write leaves the previous file as it was.
    static bool saveData(const QByteArray& data, const QString& directory, const QString& fullFilename);
    static void checkDirectoryExists(const QString& path);
    static bool copyItemAtPathCreatingDirectories(const QString& from, const QString& to, QString* error = nullptr);
    // -1 when the first file is older, 0 when equally old, 1 when newer.
    static int ageOfFile(const QString& path, const QString& comparedWith);
    static bool fileHasChangedSince(const QString& path, const QDateTime& since);
};
