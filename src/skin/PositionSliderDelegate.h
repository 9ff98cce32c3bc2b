#pragma once

#include "ui/ZoomSliderDelegate.h"

class SkinActionTarget;

// Ticks, labels and user changes of a position zoom slider (seconds): ticks
// and labels coarsen from every second to every hour as the zoom falls, so
// a long film never shows more than a few labels per screen. Labels read
// h:m:s or m:s without padding. A user change seeks the target.
class PositionSliderDelegate : public ZoomSliderDelegate {
public:
    // target: not owned; may be null (changes then go nowhere).
    explicit PositionSliderDelegate(SkinActionTarget* target = nullptr);

    SkinActionTarget* target() const { return m_target; }
    void setTarget(SkinActionTarget* target) { m_target = target; }

    bool answers(Operation operation) const override;
    void zoomSliderAboutToRedraw(ZoomSlider* slider) override;
    QString zoomSliderTextForValue(ZoomSlider* slider, int value) override;
    void zoomSliderValueChanged(ZoomSlider* slider, double value) override;

private:
    SkinActionTarget* m_target;
};
