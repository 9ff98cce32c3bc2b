#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Who may read what we write: whoever the umask lets, or the owner alone
// (anything that holds a secret, and the folder that holds such files).
enum class FileAccess { Default, OwnerOnly };

// File-system conveniences shared by the parts that keep files.
class FileHelpers {
public:
    // Writes data to a file, creating the directory first when one is given.
    // Empty data is refused (and logged). The file is replaced atomically, so
    // a failed write leaves the previous file as it was. OwnerOnly gives the
    // file mode 0600 before a byte is written and the directory, when it is
    // made here, mode 0700, whatever the umask or an older file had.
    static bool saveData(const QByteArray& data, const QString& directory, const QString& fullFilename,
                         FileAccess access = FileAccess::Default);
    // Creates the folder and any missing parents. OwnerOnly makes the folder
    // itself 0700, narrowing one that already exists.
    static bool makeDirectory(const QString& path, FileAccess access = FileAccess::Default);
    // Narrows an existing file to 0600 when others could read it.
    static bool restrictFileToOwner(const QString& path);
    static void checkDirectoryExists(const QString& path);
    static bool copyItemAtPathCreatingDirectories(const QString& from, const QString& to, QString* error = nullptr);
    // -1 when the first file is older, 0 when equally old, 1 when newer.
    static int ageOfFile(const QString& path, const QString& comparedWith);
    static bool fileHasChangedSince(const QString& path, const QDateTime& since);
};
