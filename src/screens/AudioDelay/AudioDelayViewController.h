#pragma once

#include "models/AudioDelayKnob.h"
#include "ui/RotatorDelegate.h"
#include "ui/ViewController.h"

#include <memory>

class RemoteSession;
class Rotator;
class QLabel;
namespace Ui {
class AudioDelayView;
}

// The audio delay on a knob, by the rules of AudioDelayKnob.
class AudioDelayViewController : public ViewController, public RotatorDelegate {
    Q_OBJECT
public:
    explicit AudioDelayViewController(RemoteSession& session, QWidget* parent = nullptr);
    ~AudioDelayViewController() override;

    void minusOne();
    void addOne();
    void zero();
    void updateCurrentDelay(float value, bool forceChange);

    void rotatorValueChangedTo(float value) override;
    void rotatorStoppedChangingAt(float value) override;

    Rotator* rotator() const;
    QLabel* delay() const;
    float currentDelay() const { return float(m_knob.value()); }
    float lastDelaySent() const { return m_knob.lastSent(); }

protected:
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

private:
    AudioDelayKnob m_knob;
    std::unique_ptr<Ui::AudioDelayView> m_ui;
};
