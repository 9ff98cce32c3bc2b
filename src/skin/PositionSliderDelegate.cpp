#include "skin/PositionSliderDelegate.h"

#include "models/skin/ZoomTickSchemes.h"
#include "skin/SkinActionTarget.h"
#include "ui/ZoomSlider.h"

#include <iterator>

namespace {
struct Scheme {
    double aboveZoom; // applies when the zoom is greater than this
    int large;
    int medium;
    int small;
    int labelInterval;
};

// From the closest zoom down; the last row takes everything else.
constexpr Scheme schemes[] = {
    { 50, 3600, 60, 1, 1 },
    { 5, 3600, 60, 1, 10 },
    { 1.5, 3600, 60, 10, 60 },
    { 0.75, 3600, 900, 60, 60 },
    { 0.2, 3600, 900, 60, 300 },
    { 0.04, 3600, 900, 60, 900 },
    { -1, 3600, 900, 0, 3600 },
};
}

PositionSliderDelegate::PositionSliderDelegate(SkinActionTarget* target)
    : m_target(target)
{
}

bool PositionSliderDelegate::answers(Operation operation) const
{
    return operation != Operation::ZoomChanged;
}

void PositionSliderDelegate::zoomSliderAboutToRedraw(ZoomSlider* slider)
{
    const double zoom = slider->zoom();
    const Scheme* scheme = &schemes[std::size(schemes) - 1];
    for (const Scheme& candidate : schemes) {
        if (zoom > candidate.aboveZoom) {
            scheme = &candidate;
            break;
        }
    }
    slider->setLargeTick(scheme->large);
    slider->setMediumTick(scheme->medium);
    slider->setSmallTick(scheme->small);
    slider->setLabelInterval(scheme->labelInterval);
}

QString PositionSliderDelegate::zoomSliderTextForValue(ZoomSlider*, int value)
{
    return ZoomTickSchemes::positionLabel(value);
}

void PositionSliderDelegate::zoomSliderValueChanged(ZoomSlider*, double value)
{
    if (m_target)
        m_target->seek(int(value));
}
