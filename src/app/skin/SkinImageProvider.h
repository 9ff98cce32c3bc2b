#pragma once

#include <QQuickImageProvider>

// Decodes for Qt Quick the skin images SkinImageFolders names
// (image://skin/...), within the limits of a skin's images.
class SkinImageProvider : public QQuickImageProvider {
public:
    SkinImageProvider();

    // Decoded at requestedSize where one is asked for (an Image's
    // sourceSize) and smaller than the file; *size is the file's.
    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;
    static QImage scaledDown(const QImage& image, const QSize& requestedSize);
};
