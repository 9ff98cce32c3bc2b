#pragma once

#include "models/skin/SkinControl.h"

// The art view of a skin: the playing item's art (the scene's) set in by
// the skin's inset, in its frame image, or its placeholder image when there
// is none.
class SkinArtControl : public SkinControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_PROPERTY(QUrl frameImage READ frameImage NOTIFY imagesChanged)
    Q_PROPERTY(QUrl placeholderImage READ placeholderImage NOTIFY imagesChanged)
    Q_PROPERTY(qreal inset READ inset NOTIFY geometryChanged)
public:
    using SkinControl::SkinControl;

    QUrl frameImage() const { return skinImage(element().text(u"imgFrame")); }
    QUrl placeholderImage() const { return skinImage(element().text(u"imgPlaceholder")); }
    qreal inset() const { return element().number(u"inset", 0) * scale(); }
};
