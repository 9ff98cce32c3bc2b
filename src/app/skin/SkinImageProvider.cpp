#include "app/skin/SkinImageProvider.h"

#include "models/skin/SkinImageFolders.h"
#include "skin/SkinImageBudget.h"

SkinImageProvider::SkinImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage SkinImageProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize)
{
    int folder = 0;
    bool twin = false;
    QString name;
    if (!SkinImageFolders::parse(id, &folder, &twin, &name))
        return {};
    const QString path = SkinImageFolders::pathFor(folder, name, twin);
    QImage image;
    if (!path.isEmpty())
        image = folder == SkinImageFolders::builtInFolder ? QImage(path) : SkinImageBudget::read(path);
    if (size)
        *size = image.size();
    return scaledDown(image, requestedSize);
}

QImage SkinImageProvider::scaledDown(const QImage& image, const QSize& requestedSize)
{
    if (image.isNull() || (requestedSize.width() <= 0 && requestedSize.height() <= 0))
        return image;
    // A side not asked for keeps the image's proportions.
    QSize wanted = requestedSize;
    if (wanted.width() <= 0)
        wanted.setWidth(qMax(1, qRound(qreal(image.width()) * wanted.height() / image.height())));
    else if (wanted.height() <= 0)
        wanted.setHeight(qMax(1, qRound(qreal(image.height()) * wanted.width() / image.width())));
    // Never larger than the file: a larger copy would cost memory and show
    // nothing more than drawing this one larger does.
    if (wanted.width() > image.width() || wanted.height() > image.height() || wanted == image.size())
        return image;
    return image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
