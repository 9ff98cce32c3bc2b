#pragma once

#include "ui/RotatorDelegate.h"
#include "ui/ViewController.h"

#include <memory>

class RemoteSession;
class Rotator;
class QLabel;
namespace Ui {
class AudioDelayView;
}

// The audio delay on a knob: one turn is one second, clockwise later. Near
// 0 the knob snaps to no delay. While the knob turns, a request goes out
// only once the value has moved more than 0.1 s from the last one sent;
// letting go always sends the value shown.
class AudioDelayViewController : public ViewController, public RotatorDelegate {
    Q_OBJECT
public:
    static constexpr float minimumSendChange = 0.1f;
    static constexpr float snap = 0.05f;

    explicit AudioDelayViewController(RemoteSession& session, QWidget* parent = nullptr);
    ~AudioDelayViewController() override;

    void minusOne();
    void addOne();
    void zero();
    void updateCurrentDelay(float value, bool forceChange);
    void updateLabel();

    void rotatorValueChangedTo(float value) override;
    void rotatorStoppedChangingAt(float value) override;

    Rotator* rotator() const;
    QLabel* delay() const;
    float currentDelay() const { return m_currentDelay; }
    float lastDelaySent() const { return m_lastDelaySent; }

protected:
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

private:
    RemoteSession& m_session;
    std::unique_ptr<Ui::AudioDelayView> m_ui;
    float m_currentDelay = 0;
    float m_lastDelaySent = 0;
};
