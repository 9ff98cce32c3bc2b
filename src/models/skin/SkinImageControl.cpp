#include "models/skin/SkinImageControl.h"

#include "models/skin/SkinScene.h"

QUrl SkinImageControl::image() const
{
    return skinImage(imageName());
}

QString SkinImageControl::imageName() const
{
    return element().text(u"imgNormal");
}

QSizeF SkinImageControl::imageSize() const
{
    return imageSizeAt(scale());
}

QSize SkinImageControl::imageSourceSize() const
{
    const QSizeF size = imageSizeAt(imageScale());
    return size.isEmpty() ? QSize() : QSize(qRound(size.width()), qRound(size.height()));
}

void SkinImageControl::settleImages()
{
    if (imageScale() == scale())
        return;
    SkinControl::settleImages();
    emit imagesChanged();
}

QSizeF SkinImageControl::imageSizeAt(qreal scale) const
{
    const QString name = imageName();
    if (name.isEmpty())
        return {};
    // Drawn at its own size in points (a twin stands in the same points),
    // scaled with the skin.
    return scene()->imagePointSize(scene()->skinFolderNumber(), name, usesTwinImages()) * scale;
}
