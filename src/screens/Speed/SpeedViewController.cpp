#include "screens/Speed/SpeedViewController.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/RemoteSession.h"
#include "screens/Common/KnobScreenStyle.h"
#include "ui/Rotator.h"
#include "ui_SpeedView.h"
#include "vlc/VLCController.h"

#include <cmath>

SpeedViewController::SpeedViewController(RemoteSession& session, const Clock& clock, QWidget* parent)
    : ViewController(parent)
    , m_session(session)
    , m_clock(clock)
    , m_ui(std::make_unique<Ui::SpeedView>())
    , m_lastSpeedSentTime(Clock::distantPast)
{
    m_ui->setupUi(this);
    setTitle(localizedString("Speed"));
    KnobScreenStyle::styleValueLabel(m_ui->speedLabel);
    KnobScreenStyle::setUpRotator(m_ui->rotator);
    m_ui->rotator->setDelegate(this);
    m_ui->slowerButton->setText(localizedString("Slower"));
    m_ui->normalButton->setText(localizedString("Normal"));
    m_ui->fasterButton->setText(localizedString("Faster"));
    for (QPushButton* button : { m_ui->slowerButton, m_ui->normalButton, m_ui->fasterButton })
        KnobScreenStyle::styleButton(button);
    connect(m_ui->slowerButton, &QPushButton::clicked, this, &SpeedViewController::slower);
    connect(m_ui->normalButton, &QPushButton::clicked, this, &SpeedViewController::normal);
    connect(m_ui->fasterButton, &QPushButton::clicked, this, &SpeedViewController::faster);
}

SpeedViewController::~SpeedViewController()
{
    m_ui->rotator->setDelegate(nullptr);
}

Rotator* SpeedViewController::rotator() const
{
    return m_ui->rotator;
}

QLabel* SpeedViewController::speedLabel() const
{
    return m_ui->speedLabel;
}

void SpeedViewController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    const std::shared_ptr<VLCController> remote = m_session.remote();
    const int rate = remote ? remote->state().speed() : 0;
    // A rate of 0 means no status yet: no speed to show, and nothing is
    // sent until the user turns the knob.
    m_speedKnown = rate > 0;
    m_speed = m_speedKnown ? float(rate) : 1000.0f;
    m_rotatorValue = m_speedKnown ? std::log(1000.0f / m_speed) / std::log(2.0f) : 0.0f;
    m_ui->rotator->setValue(m_rotatorValue);
    updateLabel();
}

void SpeedViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    m_ui->rotator->setFocus(Qt::OtherFocusReason);
}

void SpeedViewController::updateCurrentDelay(float value, bool forceChange)
{
    m_rotatorValue = value;
    if (value > -snap && value < snap)
        m_rotatorValue = 0;
    m_speed = float(1000.0 / std::pow(2.0, double(m_rotatorValue)));
    m_speedKnown = true;
    ConsoleLog::log(QStringLiteral("rotator %f Speed  %f"), double(m_rotatorValue), double(m_speed));
    const double now = m_clock.now();
    if (!forceChange && now - m_lastSpeedSentTime <= minimumSendInterval) {
        updateLabel();
        return;
    }
    m_lastSpeedSentTime = now;
    if (const std::shared_ptr<VLCController> remote = m_session.remote())
        // Far up the knob the rate falls below 1, which the integer scale
        // cannot say (0 would read as no rate at all): send the fastest it can.
        remote->setSpeed(std::max(1, int(m_speed)));
    updateLabel();
}

void SpeedViewController::updateLabel()
{
    if (!m_speedKnown) {
        m_ui->speedLabel->setText(fmt(QStringLiteral("%@ x --"), localizedString("Speed")));
        return;
    }
    m_ui->speedLabel->setText(fmt(QStringLiteral("%@ x %.2f"), localizedString("Speed"),
                                  std::pow(2.0, double(m_rotatorValue))));
}

void SpeedViewController::rotatorValueChangedTo(float value)
{
    updateCurrentDelay(value, false);
}

void SpeedViewController::rotatorStoppedChangingAt(float value)
{
    updateCurrentDelay(value, true);
}

void SpeedViewController::slower()
{
    updateCurrentDelay(m_rotatorValue - 1, true);
    m_ui->rotator->setValue(m_rotatorValue);
}

void SpeedViewController::faster()
{
    updateCurrentDelay(m_rotatorValue + 1, true);
    m_ui->rotator->setValue(m_rotatorValue);
}

void SpeedViewController::normal()
{
    updateCurrentDelay(0, true);
    m_ui->rotator->setValue(m_rotatorValue);
}
