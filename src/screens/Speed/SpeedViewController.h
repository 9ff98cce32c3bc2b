#pragma once

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

// Playback speed on a knob: each turn doubles (clockwise) or halves the
// speed, so the knob value v means 2^v times normal speed, VLC's integer
// rate 1000 / 2^v. Near 0 the knob snaps to normal speed. While the knob
// turns, at most one request goes out per 0.2 seconds; letting go always
// sends the value shown.
class SpeedViewController : public ViewController, public RotatorDelegate {
    Q_OBJECT
public:
    static constexpr double minimumSendInterval = 0.2;
    static constexpr float snap = 0.05f;

    // clock: what the thinning of requests measures time by.
    SpeedViewController(RemoteSession& session, const Clock& clock, QWidget* parent = nullptr);
    ~SpeedViewController() override;

    void slower();
    void faster();
    void normal();
    void updateCurrentDelay(float value, bool forceChange);
    void updateLabel();

    void rotatorValueChangedTo(float value) override;
    void rotatorStoppedChangingAt(float value) override;

    Rotator* rotator() const;
    QLabel* speedLabel() const;
    float rotatorValue() const { return m_rotatorValue; }
    // VLC's integer rate last worked out (1000 is normal speed).
    float speed() const { return m_speed; }
    // Whether the player's speed is known (a status has told it, or the user
    // has set one).
    bool speedKnown() const { return m_speedKnown; }

protected:
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

private:
    RemoteSession& m_session;
    const Clock& m_clock;
    std::unique_ptr<Ui::SpeedView> m_ui;
    float m_rotatorValue = 0;
    float m_speed = 1000;
    double m_lastSpeedSentTime;
    bool m_speedKnown = false;
};
