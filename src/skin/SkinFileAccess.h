#pragma once

#include <QString>

class QFile;

// The files a skin names, taken only from inside its own folder. A name is
// a relative path without ".." or a backslash that, symlinks followed, stays in the
// folder and ends at a regular file; an absolute path, a way out, a fifo or
// a device (which would block a read for good) is refused. A skin comes from
// anywhere: its names are as hostile as its images.
class SkinFileAccess {
public:
    enum class Verdict { Found, Missing, Refused };

    SkinFileAccess() = default; // a folder with nothing in it
    explicit SkinFileAccess(const QString& folder);

    // The file's absolute path in *path (when given) when Found; Missing
    // when nothing has that name (a missing image is no fault of the skin),
    // Refused when the name leads outside the folder or to something not a
    // regular file.
    Verdict resolve(const QString& name, QString* path) const;

    // Opens a file for reading only if it is a regular file (not reached
    // through a symlink) of at most maxBytes; anything else is never opened,
    // and nothing blocks.
    static bool openRegular(QFile& file, const QString& path, qint64 maxBytes);

private:
    // The folder with symlinks resolved, ending in "/"; empty when missing.
    QString m_canonical;
};
