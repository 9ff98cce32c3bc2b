#pragma once

#include "models/skin/SkinControl.h"

#include <QSizeF>

// A control that draws one image of the skin at its own size, scaled with
// the skin: an image view, and the base of a button.
class SkinImageControl : public SkinControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_PROPERTY(QUrl image READ image NOTIFY imagesChanged)
    Q_PROPERTY(QSizeF imageSize READ imageSize NOTIFY imagesChanged)
    Q_PROPERTY(QSize imageSourceSize READ imageSourceSize NOTIFY imagesChanged)
public:
    using SkinControl::SkinControl;

    QUrl image() const;
    QSizeF imageSize() const;
    // The size, on whole pixels, the image is decoded at: imageSize()'s,
    // once the skin's size has settled (see settleImages). Drawn at the size
    // it was decoded at, the image is copied rather than scaled at every
    // frame that passes over it.
    QSize imageSourceSize() const;
    void settleImages() override;

protected:
    // The image's name in the skin folder; empty for none.
    virtual QString imageName() const;
    virtual QSizeF imageSizeAt(qreal scale) const;
};
