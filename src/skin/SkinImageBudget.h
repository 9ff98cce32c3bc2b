#pragma once

#include <QImage>
#include <QString>

class SkinFileAccess;
class XmlNode;

// How much a skin's images may take once decoded. A few kilobytes of PNG
// can claim gigabytes of pixels, so each image's size is read from its
// header before anything is decoded, and a skin whose images together
// claim more than the budget is refused whole. Every front end reads skin
// images through here.
//
// The budgets stand well above what real skins use: the shipped skin's
// largest image has 1.05 million pixels (780 x 1344, a @2x background) and
// all its images, @2x twins included, 3.6 million.
class SkinImageBudget {
public:
    // One image: 4096 x 2048 (32 MB decoded), and no side longer than 4096.
    static constexpr qint64 maxImagePixels = 4096LL * 2048;
    static constexpr int maxSide = 4096;
    // All the images a skin names, @2x twins included (96 MB decoded).
    static constexpr qint64 maxSkinPixels = 3 * maxImagePixels;
    // An image file larger than this is no skin image.
    static constexpr qint64 maxImageBytes = 16LL * 1024 * 1024;

    // "dir/name@2x.png" for "dir/name.png": the image for twice the pixels.
    static QString twinName(const QString& name);

    // Checks every image the definition under skin names, and its @2x twin:
    // an empty text when the skin may be shown, else what is wrong with it.
    static QString problemWith(const XmlNode* skin, const SkinFileAccess& files);

    // The size one image file's header gives; invalid when it cannot be
    // read, gives none or gives one past the limits of one image.
    static QSize size(const QString& path);
    // Decodes one image file; none when it cannot be read, is past the
    // limits of one image, or its header does not say its size.
    static QImage read(const QString& path);
};
