#include "app/TextFit.h"

#include <QTextLayout>
#include <QTextOption>

#include <cmath>

TextFit::TextFit(QObject* parent)
    : QObject(parent)
{
}

// Qt Quick's own text rendering places the glyphs by their design metrics.
qreal TextFit::lineWidth(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return line.isValid() ? line.naturalTextWidth() : 0;
}

qreal TextFit::sizeToFit(const QString& text, const QFont& font, qreal room, qreal spare)
{
    const bool pixels = font.pixelSize() > 0;
    const qreal size = pixels ? font.pixelSize() : font.pointSizeF();
    const qreal wide = lineWidth(text, font);
    if (size <= 0 || wide <= room || wide > room + spare)
        return size;
    // Qt Quick draws text at whole sizes: the steps are whole ones.
    QFont smaller(font);
    for (int s = int(std::ceil(size)) - 1; s >= size / 2; --s) {
        if (pixels)
            smaller.setPixelSize(s);
        else
            smaller.setPointSize(s);
        if (lineWidth(text, smaller) <= room)
            return s;
    }
    return size;
}
