#include "models/skin/SkinValueControl.h"

#include "models/skin/SkinScene.h"

void SkinValueControl::setValue(double value)
{
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged();
}

void SkinValueControl::setMaximum(double maximum)
{
    if (maximum == m_maximum)
        return;
    m_maximum = maximum;
    emit valueChanged();
}

void SkinValueControl::userMoved(double value)
{
    if (isEnabled())
        scene()->sliderMoved(*this, value);
}
