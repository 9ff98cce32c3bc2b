#include "ui/UiImages.h"

#include <QFile>
#include <QHash>
#include <QLinearGradient>
#include <QPair>
#include <QPainter>
#include <QRect>
#include <qdrawutil.h>

QPixmap UiImages::named(const QString& name)
{
    static QHash<QString, QPixmap> cache;
    auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    const QString path = QStringLiteral(":/images/") + name;
    QPixmap image;
    if (QFile::exists(path))
        image.load(path);
    if (image.isNull())
        image = standIn(name);
    cache.insert(name, image);
    return image;
}

namespace {
// The fixed parts before and after the stretching pixel along one axis.
QPair<int, int> capsAlong(int cap, int size)
{
    if (cap <= 0 || cap >= size)
        return { 0, 0 };
    return { cap, size - cap - 1 };
}

// Caps that would not fit the target shrink in proportion.
QPair<int, int> fitted(QPair<int, int> caps, int available)
{
    const int total = caps.first + caps.second;
    if (total <= available)
        return caps;
    const qreal scale = qreal(available) / total;
    return { int(caps.first * scale), int(caps.second * scale) };
}
}

void UiImages::drawStretchable(QPainter& painter, const QRect& target, const QPixmap& image, int leftCap,
                               int topCap)
{
    if (image.isNull() || target.isEmpty())
        return;
    const qreal ratio = image.devicePixelRatio();
    const QSize size(qRound(image.width() / ratio), qRound(image.height() / ratio));
    const auto horizontal = capsAlong(leftCap, size.width());
    const auto vertical = capsAlong(topCap, size.height());
    const auto targetHorizontal = fitted(horizontal, target.width());
    const auto targetVertical = fitted(vertical, target.height());
    qDrawBorderPixmap(&painter, target,
                      QMargins(targetHorizontal.first, targetVertical.first, targetHorizontal.second,
                               targetVertical.second),
                      image, QRect(QPoint(0, 0), size),
                      QMargins(horizontal.first, vertical.first, horizontal.second, vertical.second));
}

QPixmap UiImages::standIn(const QString& name)
{
    if (name == QLatin1String("tableRowBackground.png")) {
        QPixmap image(320, 50);
        QPainter painter(&image);
        QLinearGradient fill(0, 0, 0, 50);
        fill.setColorAt(0, QColor(0x2c, 0x2e, 0x34));
        fill.setColorAt(1, QColor(0x1f, 0x20, 0x25));
        painter.fillRect(image.rect(), fill);
        painter.fillRect(0, 0, 320, 1, QColor(255, 255, 255, 22));
        painter.fillRect(0, 49, 320, 1, QColor(0, 0, 0, 160));
        return image;
    }
    if (name == QLatin1String("tableHeader.png")) {
        QPixmap image(320, 22);
        QPainter painter(&image);
        QLinearGradient fill(0, 0, 0, 22);
        fill.setColorAt(0, QColor(0x4a, 0x4d, 0x55));
        fill.setColorAt(1, QColor(0x32, 0x34, 0x3a));
        painter.fillRect(image.rect(), fill);
        painter.fillRect(0, 0, 320, 1, QColor(255, 255, 255, 45));
        painter.fillRect(0, 21, 320, 1, QColor(0, 0, 0, 180));
        return image;
    }
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x9a, 0x9d, 0xa6), 2));
    painter.setBrush(QColor(0x2a, 0x2c, 0x32));
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    return image;
}
