#pragma once

#include "models/skin/SkinValueControl.h"

#include <QSizeF>

// A plain slider of a skin: its track images (filled on the left, empty on
// the right, stretched from their caps) and its thumb, the skin's own or
// the built-in ones.
class SkinSliderControl : public SkinValueControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_PROPERTY(QUrl minimumTrack READ minimumTrack NOTIFY imagesChanged)
    Q_PROPERTY(QUrl maximumTrack READ maximumTrack NOTIFY imagesChanged)
    Q_PROPERTY(QUrl thumb READ thumb NOTIFY imagesChanged)
    Q_PROPERTY(QSizeF thumbSize READ thumbSize NOTIFY imagesChanged)
    Q_PROPERTY(qreal trackHeight READ trackHeight NOTIFY imagesChanged)
    Q_PROPERTY(qreal minimumTrackCap READ minimumTrackCap NOTIFY geometryChanged)
    Q_PROPERTY(qreal maximumTrackCap READ maximumTrackCap NOTIFY geometryChanged)
public:
    using SkinValueControl::SkinValueControl;

    QUrl minimumTrack() const;
    QUrl maximumTrack() const;
    QUrl thumb() const;
    // The thumb and the tracks at their own sizes, scaled with the skin.
    QSizeF thumbSize() const;
    qreal trackHeight() const;
    qreal minimumTrackCap() const;
    qreal maximumTrackCap() const;

private:
    QUrl ownOrBuiltIn(QStringView key) const;
    QSizeF imageSize(QStringView key) const;
    qreal trackCap(QStringView key) const;
};
