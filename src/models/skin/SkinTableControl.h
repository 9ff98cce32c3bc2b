#pragma once

#include "models/skin/SkinControl.h"

#include <QColor>

// A table of a skin: the playlist's rows (the scene's playlistRows) at the
// skin's row height, on its row backgrounds, in its text colours.
class SkinTableControl : public SkinControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_PROPERTY(qreal rowHeight READ rowHeight NOTIFY geometryChanged)
    Q_PROPERTY(QUrl rowBackground READ rowBackground NOTIFY imagesChanged)
    Q_PROPERTY(QUrl rowBackgroundHighlighted READ rowBackgroundHighlighted NOTIFY imagesChanged)
    Q_PROPERTY(QColor textColor READ textColor CONSTANT)
    Q_PROPERTY(QColor highlightedTextColor READ highlightedTextColor CONSTANT)
    Q_PROPERTY(qreal fontPixelSize READ fontPixelSize NOTIFY geometryChanged)
public:
    using SkinControl::SkinControl;

    qreal rowHeight() const;
    QUrl rowBackground() const { return skinImage(element().text(u"rowBackground")); }
    // A pressed or playing row: the skin's highlighted row, or its plain one
    // when it drew none.
    QUrl rowBackgroundHighlighted() const;
    QColor textColor() const { return element().colour(u"textColour"); }
    QColor highlightedTextColor() const { return element().colour(u"textHighlightedColour"); }
    qreal fontPixelSize() const;
};
