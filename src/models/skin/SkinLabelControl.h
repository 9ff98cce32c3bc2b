#pragma once

#include "models/skin/SkinControl.h"

#include <QColor>

// A label of a skin: a text of the player's (status, what plays, a time)
// in the skin's colour and size, shrunk to fit down to a legible least.
class SkinLabelControl : public SkinControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(QColor textColor READ textColor CONSTANT)
    Q_PROPERTY(qreal fontPixelSize READ fontPixelSize NOTIFY geometryChanged)
    Q_PROPERTY(qreal minimumFontPixelSize READ minimumFontPixelSize CONSTANT)
public:
    using SkinControl::SkinControl;

    QString text() const { return m_text; }
    void setText(const QString& text);
    QColor textColor() const { return element().colour(u"textColour"); }
    qreal fontPixelSize() const;
    qreal minimumFontPixelSize() const;

signals:
    void textChanged();

private:
    QString m_text;
};
