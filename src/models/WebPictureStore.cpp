#include "models/WebPictureStore.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace {
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

int WebPictureStore::add(const QImage& picture)
{
    QMutexLocker lock(&registryMutex());
    registry().insert(++lastNumber, picture);
    return lastNumber;
}

void WebPictureStore::remove(int number)
{
    QMutexLocker lock(&registryMutex());
    registry().remove(number);
}

QImage WebPictureStore::picture(int number)
{
    QMutexLocker lock(&registryMutex());
    return registry().value(number);
}

QUrl WebPictureStore::url(int number)
{
    return QUrl(QStringLiteral("image://%1/%2").arg(QString::fromLatin1(providerId)).arg(number));
}
