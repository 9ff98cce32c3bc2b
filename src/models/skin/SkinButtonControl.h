#pragma once

#include "models/skin/SkinImageControl.h"

#include <QColor>
#include <QPointF>

// A button of a skin: its image follows its state (normal, highlighted,
// pressed, disabled; the play button's alternates while playing), shrunk to
// fit the button.
class SkinButtonControl : public SkinImageControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    // A skip button of a skin that asks for it draws the skip distance over
    // its image, in the skin's size and colours, centred on its point.
    Q_PROPERTY(bool showsSkipDistance READ showsSkipDistance CONSTANT)
    Q_PROPERTY(QString text READ text NOTIFY textChanged)
    Q_PROPERTY(qreal distancePixelSize READ distancePixelSize NOTIFY geometryChanged)
    Q_PROPERTY(QPointF distanceCentre READ distanceCentre NOTIFY geometryChanged)
    Q_PROPERTY(qreal distanceWidth READ distanceWidth NOTIFY geometryChanged)
    Q_PROPERTY(QColor distanceColor READ distanceColor CONSTANT)
    Q_PROPERTY(QColor distanceDisabledColor READ distanceDisabledColor CONSTANT)
public:
    using SkinImageControl::SkinImageControl;

    qreal opacity() const override;

    bool showsSkipDistance() const;
    // The skip distance's caption.
    QString text() const { return m_text; }
    void setText(const QString& text);
    qreal distancePixelSize() const;
    QPointF distanceCentre() const;
    qreal distanceWidth() const;
    QColor distanceColor() const { return element().colour(u"distanceColour"); }
    QColor distanceDisabledColor() const;

    // The user pressed the button.
    Q_INVOKABLE void activate();

signals:
    void textChanged();

protected:
    void lookUpdated(bool images) override;
    QString imageName() const override;
    QSizeF imageSizeAt(qreal scale) const override;

private:
    QString m_text;
};
