#include "app/WebPictureProvider.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {
// Pictures may be asked for on Qt Quick's loader threads.
QMutex& registryMutex()
{
    static QMutex mutex;
    return mutex;
}

QHash<int, QImage>& registry()
{
    static QHash<int, QImage> pictures;
    return pictures;
}

int lastNumber = 0;
}

WebPictureProvider::WebPictureProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage WebPictureProvider::requestImage(const QString& id, QSize* size, const QSize&)
{
    bool ok = false;
    const int number = id.toInt(&ok);
    QImage picture;
    if (ok) {
        QMutexLocker lock(&registryMutex());
        picture = registry().value(number);
    }
    if (size)
        *size = picture.size();
    return picture;
}

int WebPictureProvider::add(const QImage& picture)
{
    QMutexLocker lock(&registryMutex());
    registry().insert(++lastNumber, picture);
    return lastNumber;
}

void WebPictureProvider::remove(int number)
{
    QMutexLocker lock(&registryMutex());
    registry().remove(number);
}

QUrl WebPictureProvider::url(int number)
{
    return QUrl(QStringLiteral("image://%1/%2").arg(QString::fromLatin1(providerId)).arg(number));
}
