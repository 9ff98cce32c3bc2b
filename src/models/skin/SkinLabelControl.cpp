#include "models/skin/SkinLabelControl.h"

#include "models/skin/SkinGeometry.h"

namespace {
constexpr qreal defaultLabelSize = 10;
}

void SkinLabelControl::setText(const QString& text)
{
    if (text == m_text && text.isNull() == m_text.isNull())
        return;
    m_text = text;
    emit textChanged();
}

qreal SkinLabelControl::fontPixelSize() const
{
    return SkinGeometry::labelPixelSize(element().number(u"fontSize", defaultLabelSize), scale());
}

qreal SkinLabelControl::minimumFontPixelSize() const
{
    return SkinGeometry::smallestLabelPixelSize(element().number(u"fontSize", defaultLabelSize));
}
