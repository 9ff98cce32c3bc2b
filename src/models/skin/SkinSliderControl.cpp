#include "models/skin/SkinSliderControl.h"

#include "models/skin/SkinImageFolders.h"
#include "models/skin/SkinScene.h"

#include <algorithm>

namespace {
// A slider's own track images stretch from a cap width of its choosing;
// the built-in ones always from 10.
constexpr qreal builtInTrackCap = 10;

// The built-in image that stands in for the skin's: named as its key.
QString builtInName(QStringView key)
{
    return key.toString() + QStringLiteral(".png");
}
}

QUrl SkinSliderControl::ownOrBuiltIn(QStringView key) const
{
    return element().has(key) ? skinImage(element().text(key)) : builtInImage(builtInName(key));
}

QUrl SkinSliderControl::minimumTrack() const
{
    return ownOrBuiltIn(u"sliderMinTrack");
}

QUrl SkinSliderControl::maximumTrack() const
{
    return ownOrBuiltIn(u"sliderMaxTrack");
}

QUrl SkinSliderControl::thumb() const
{
    return ownOrBuiltIn(u"sliderThumb");
}

QSizeF SkinSliderControl::imageSize(QStringView key) const
{
    const bool own = element().has(key);
    const QSizeF size = scene()->imagePointSize(own ? scene()->skinFolderNumber() : int(SkinImageFolders::builtInFolder),
                                                own ? element().text(key) : builtInName(key), usesTwinImages());
    return size * scale();
}

QSizeF SkinSliderControl::thumbSize() const
{
    return imageSize(u"sliderThumb");
}

qreal SkinSliderControl::trackHeight() const
{
    return std::max(imageSize(u"sliderMinTrack").height(), imageSize(u"sliderMaxTrack").height());
}

qreal SkinSliderControl::trackCap(QStringView key) const
{
    const qreal cap = element().has(key) ? element().integer(u"sliderCapWidth", 0) : builtInTrackCap;
    return cap * scale();
}

qreal SkinSliderControl::minimumTrackCap() const
{
    return trackCap(u"sliderMinTrack");
}

qreal SkinSliderControl::maximumTrackCap() const
{
    return trackCap(u"sliderMaxTrack");
}
