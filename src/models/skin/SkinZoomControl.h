#pragma once

#include "models/skin/SkinValueControl.h"

#include <QColor>

// A zoom slider of a skin: a tick scale in the skin's colours, with the
// ticks and labels of its role.
class SkinZoomControl : public SkinValueControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_PROPERTY(Scheme scheme READ scheme CONSTANT)
    Q_PROPERTY(QColor textColor READ textColor CONSTANT)
    Q_PROPERTY(QColor largeTickColor READ largeTickColor CONSTANT)
    Q_PROPERTY(QColor mediumTickColor READ mediumTickColor CONSTANT)
    Q_PROPERTY(QColor smallTickColor READ smallTickColor CONSTANT)
public:
    // Which tick scale a zoom slider draws: its role's, or the plain one.
    enum Scheme { NoScheme, VolumeScheme, PositionScheme };
    Q_ENUM(Scheme)

    using SkinValueControl::SkinValueControl;

    Scheme scheme() const;
    QColor textColor() const { return element().colour(u"textColour"); }
    QColor largeTickColor() const { return element().colour(u"largeTickColour"); }
    QColor mediumTickColor() const { return element().colour(u"mediumTickColour"); }
    QColor smallTickColor() const { return element().colour(u"smallTickColour"); }
};
