#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The image files a skin names. A skin comes from a download, so its names
// are hostile: a name resolves only to a regular file inside the skin's own
// folder (sub-folders allowed; no "..", no absolute path, no backslash, no
// symbolic link that leads out), and an image is decoded only when its
// header gives a size no larger than maxSide on either side.
namespace SkinImageFile {
constexpr int maxSide = 4096;

// The file name names inside folder, or an empty string when the name is
// refused or there is no such regular file.
QString resolve(const QString& folder, const QString& name);
// "dir/play.png" -> "dir/play@2x.png": the twin with twice the pixels.
QString twinName(const QString& name);
// The size the file's header gives, or an invalid size when it gives none
// or one larger than maxSide.
QSize size(const QString& path);
// The decoded image, or a null image when its size is refused or it
// cannot be decoded.
QImage read(const QString& path);
}
