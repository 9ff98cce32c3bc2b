#pragma once

#include "models/SpeedKnob.h"
#include "ui/RotatorDelegate.h"
#include "ui/ViewController.h"

#include <memory>

class Clock;
class RemoteSession;
class Rotator;
class QLabel;
namespace Ui {
class SpeedView;
}

// Playback speed on a knob, by the rules of SpeedKnob.
class SpeedViewController : public ViewController, public RotatorDelegate {
    Q_OBJECT
public:
    // clock: what the thinning of requests measures time by.
    SpeedViewController(RemoteSession& session, const Clock& clock, QWidget* parent = nullptr);
    ~SpeedViewController() override;

    void slower();
    void faster();
    void normal();
    void updateCurrentDelay(float value, bool forceChange);

    void rotatorValueChangedTo(float value) override;
    void rotatorStoppedChangingAt(float value) override;

    Rotator* rotator() const;
    QLabel* speedLabel() const;
    float rotatorValue() const { return float(m_knob.value()); }
    // VLC's integer rate last worked out (1000 is normal speed).
    float speed() const { return m_knob.speed(); }
    bool speedKnown() const { return m_knob.isKnown(); }

protected:
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

private:
    SpeedKnob m_knob;
    std::unique_ptr<Ui::SpeedView> m_ui;
};
