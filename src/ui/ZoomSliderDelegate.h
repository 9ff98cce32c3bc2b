#pragma once

#include <QString>

class ZoomSlider;

// What a zoom slider tells and asks its delegate. Every operation is
// optional: the slider calls one only when answers() says the delegate
// implements it, so a delegate overrides the operations it wants together
// with answers().
class ZoomSliderDelegate {
public:
    enum class Operation {
        AboutToRedraw, // zoomSliderAboutToRedraw
        TextForValue, // zoomSliderTextForValue
        ValueChanged, // zoomSliderValueChanged
        ZoomChanged, // zoomSliderZoomChanged
    };

    virtual ~ZoomSliderDelegate() = default;

    virtual bool answers(Operation operation) const { return false; }

    // Before every redraw of the scale; may set the slider's tick spacings
    // and label interval for its current zoom.
    virtual void zoomSliderAboutToRedraw(ZoomSlider* slider) { }
    // The label text for a value on the scale.
    virtual QString zoomSliderTextForValue(ZoomSlider* slider, int value) { return QString::number(value); }
    // The user changed the value.
    virtual void zoomSliderValueChanged(ZoomSlider* slider, double value) { }
    // The zoom (pixels per value unit) changed.
    virtual void zoomSliderZoomChanged(ZoomSlider* slider, double zoom) { }
};
