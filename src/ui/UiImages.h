#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRect;

// The interface images of the application bundle (":/images/<name>"). A
// missing image is stood in for by a drawn one, so that screens look right
// before the artwork is in place.
class UiImages {
public:
    static QPixmap named(const QString& name);

    // Draws an image the way a phone stretches one: the first leftCap columns
    // and the last (width - leftCap - 1) keep their size and the column
    // between them stretches; rows likewise with topCap. A cap of 0 scales the
    // whole image along that axis.
    static void drawStretchable(QPainter& painter, const QRect& target, const QPixmap& image, int leftCap,
                                int topCap);

private:
    static QPixmap standIn(const QString& name);
};
