#include "screens/Remotes/ComputerIcon.h"

#include "models/ComputerIconDrawing.h"

#include <QPainter>

namespace {
constexpr qreal scale = 2.0;

QPixmap draw(bool withPlus)
{
    QPixmap image(QSize(ComputerIconDrawing::size, ComputerIconDrawing::size) * scale);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    ComputerIconDrawing::draw(p, withPlus);
    return image;
}
}

QPixmap ComputerIcon::computer()
{
    static const QPixmap image = draw(false);
    return image;
}

QPixmap ComputerIcon::addComputer()
{
    static const QPixmap image = draw(true);
    return image;
}
