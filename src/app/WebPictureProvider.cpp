#include "app/WebPictureProvider.h"

#include "models/WebPictureStore.h"

WebPictureProvider::WebPictureProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage WebPictureProvider::requestImage(const QString& id, QSize* size, const QSize&)
{
    bool ok = false;
    const int number = id.toInt(&ok);
    const QImage picture = ok ? WebPictureStore::picture(number) : QImage();
    if (size)
        *size = picture.size();
    return picture;
}
