#pragma once

#include "models/skin/SkinControl.h"

// A control that shows one of the player's values in a range and lets the
// user move it: the base of a skin's slider and zoom slider.
class SkinValueControl : public SkinControl {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Skin controls are made by a SkinScene")
    Q_PROPERTY(double value READ value NOTIFY valueChanged)
    Q_PROPERTY(double maximum READ maximum NOTIFY valueChanged)
public:
    using SkinControl::SkinControl;

    double value() const { return m_value; }
    double maximum() const { return m_maximum; }
    void setValue(double value);
    void setMaximum(double maximum);

    // The user moved the slider.
    Q_INVOKABLE void userMoved(double value);

signals:
    void valueChanged();

private:
    double m_value = 0;
    double m_maximum = 1;
};
