#pragma once

#include "ui/ZoomSliderDelegate.h"

class SkinActionTarget;

// Ticks, labels and user changes of a volume zoom slider (volume percent):
// every 10 % a medium tick and every 100 % a large one; close up also a
// small tick per percent and a label every 10 %, otherwise every 50 %. A
// user change sets the target's volume.
class VolumeSliderDelegate : public ZoomSliderDelegate {
public:
    // target: not owned; may be null (changes then go nowhere).
    explicit VolumeSliderDelegate(SkinActionTarget* target = nullptr);

    SkinActionTarget* target() const { return m_target; }
    void setTarget(SkinActionTarget* target) { m_target = target; }

    bool answers(Operation operation) const override;
    void zoomSliderAboutToRedraw(ZoomSlider* slider) override;
    QString zoomSliderTextForValue(ZoomSlider* slider, int value) override;
    void zoomSliderValueChanged(ZoomSlider* slider, double value) override;

private:
    SkinActionTarget* m_target;
};
