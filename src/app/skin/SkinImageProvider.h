#pragma once

#include <QQuickImageProvider>
#include <QString>
#include <QUrl>

// Serves a skin's images to Qt Quick as image://skin/<folder>/<size>/<name>,
// where folder is a number handed out by registerFolder, size is 1 for the
// plain files and 2 for their @2x twins (a missing twin gives the plain
// file), and name is the image name the skin wrote, percent-encoded. Only
// files inside the registered folder that pass the checks of SkinFileAccess
// and SkinImageBudget are decoded; anything else gives no image. Folder 0 holds the images
// built into the program (the default slider tracks).
class SkinImageProvider : public QQuickImageProvider {
public:
    static constexpr const char* providerId = "skin";

    SkinImageProvider();

    // Decoded at requestedSize where one is asked for (an Image's
    // sourceSize) and smaller than the file; *size is the file's.
    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
    static QImage scaledDown(const QImage& image, const QSize& requestedSize);

    // Folders are registered for the life of the program's skins; a number
    // is never handed out twice.
    static int registerFolder(const QString& folder);
    static void unregisterFolder(int number);
    static QUrl url(int folder, const QString& name, bool twin);
    // The file such a URL names (the twin when asked for and there, else
    // the plain file), empty when there is none or it is refused; isTwin
    // tells which.
    static QString pathFor(int folder, const QString& name, bool twin, bool* isTwin = nullptr);
    // The size a path from pathFor holds, from the image's header; invalid
    // for none, and for a skin's image past the limits of one.
    static QSize sizeOf(int folder, const QString& path);
    static constexpr int builtInFolder = 0;
};
