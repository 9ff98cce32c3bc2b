#include "net/WebPicture.h"

#include <QBuffer>
#include <QImageReader>

QImage WebPicture::decoded(const QByteArray& data, int fitWidth)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > maximumPixels)
        return {};
    QImage image = reader.read();
    if (!image.isNull() && fitWidth > 0 && image.width() > fitWidth)
        image = image.scaledToWidth(fitWidth, Qt::SmoothTransformation);
    return image;
}
