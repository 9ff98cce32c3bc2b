#include "models/skin/SkinTableControl.h"

#include "models/skin/SkinGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int defaultRowHeight = 40;
constexpr qreal defaultRowFontSize = 16;
}

qreal SkinTableControl::rowHeight() const
{
    return std::max<qreal>(1, std::round(element().integer(u"rowHeight", defaultRowHeight) * scale()));
}

QUrl SkinTableControl::rowBackgroundHighlighted() const
{
    return element().has(u"rowBackgroundHighlighted") ? skinImage(element().text(u"rowBackgroundHighlighted"))
                                                       : rowBackground();
}

qreal SkinTableControl::fontPixelSize() const
{
    return SkinGeometry::labelPixelSize(element().number(u"fontSize", defaultRowFontSize), scale());
}
