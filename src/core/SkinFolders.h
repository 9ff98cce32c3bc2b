#pragma once

#include "core/HomePaths.h"

#include <QString>

// Where skins live. A skin is named by its path relative to the home
// directory: the shipped one inside the bundle, downloaded ones as folders
// of Documents/Skins.
namespace SkinFolders {
inline const QString builtInSkin = QStringLiteral("PlayerLink.app/DefaultSkin");
inline const QString installedPrefix = QStringLiteral("Documents/Skins/");
// Folders of the skins folder whose names begin with this are never listed:
// work folders of installs and deletes, and archive clutter such as
// "__MACOSX".
inline const QString hiddenPrefix = QStringLiteral("__");
// Downloaded archives wait in the home's tmp folder under this name.
inline const QString downloadTemplate = QStringLiteral("skinDownload-XXXXXX");

inline QString installedSkins()
{
    return HomePaths::documents() + QStringLiteral("/Skins");
}

inline QString identifierForInstalled(const QString& folderName)
{
    return installedPrefix + folderName;
}
}
