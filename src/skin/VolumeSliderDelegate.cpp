#include "skin/VolumeSliderDelegate.h"

#include "core/TextFormat.h"
#include "skin/SkinActionTarget.h"
#include "ui/ZoomSlider.h"

VolumeSliderDelegate::VolumeSliderDelegate(SkinActionTarget* target)
    : m_target(target)
{
}

bool VolumeSliderDelegate::answers(Operation operation) const
{
    return operation != Operation::ZoomChanged;
}

void VolumeSliderDelegate::zoomSliderAboutToRedraw(ZoomSlider* slider)
{
    const bool closeUp = slider->zoom() > 50;
    slider->setLargeTick(100);
    slider->setMediumTick(10);
    slider->setSmallTick(closeUp ? 1 : 0);
    slider->setLabelInterval(closeUp ? 10 : 50);
}

QString VolumeSliderDelegate::zoomSliderTextForValue(ZoomSlider*, int value)
{
    return fmt(QStringLiteral("%d"), value);
}

void VolumeSliderDelegate::zoomSliderValueChanged(ZoomSlider*, double value)
{
    if (m_target)
        m_target->setVolume(int(value));
}
