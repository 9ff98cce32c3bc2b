#pragma once

#include <QSize>
#include <QString>
#include <QUrl>

// The skin folders whose images the skin's controls name, by number, as
// image://skin/<folder>/<size>/<name>: size is 1 for the plain files and 2
// for their @2x twins (a missing twin gives the plain file), name is the
// image name the skin wrote, percent-encoded. Only files inside a
// registered folder that pass the checks of SkinFileAccess and
// SkinImageBudget are named; anything else gives none. Folder 0 holds the
// images built into the program (the default slider tracks). The view
// toolkit's image provider decodes what these addresses name.
class SkinImageFolders {
public:
    static constexpr const char* providerId = "skin";
    static constexpr int builtInFolder = 0;

    // Folders are registered for the life of the program's skins; a number
    // is never handed out twice. Safe on any thread.
    static int registerFolder(const QString& folder);
    static void unregisterFolder(int number);
    static QUrl url(int folder, const QString& name, bool twin);
    // The file such a URL names (the twin when asked for and there, else
    // the plain file), empty when there is none or it is refused; isTwin
    // tells which.
    static QString pathFor(int folder, const QString& name, bool twin, bool* isTwin = nullptr);
    // The folder, size and name of an address's id (what follows
    // image://skin/); false when it is not one.
    static bool parse(const QString& id, int* folder, bool* twin, QString* name);
    // The size a path from pathFor holds, from the image's header; invalid
    // for none, and for a skin's image past the limits of one.
    static QSize sizeOf(int folder, const QString& path);
};
