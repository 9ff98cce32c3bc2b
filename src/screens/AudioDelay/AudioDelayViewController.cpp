#include "screens/AudioDelay/AudioDelayViewController.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/RemoteSession.h"
#include "screens/Common/KnobScreenStyle.h"
#include "ui/Rotator.h"
#include "ui_AudioDelayView.h"
#include "vlc/VLCController.h"

#include <cmath>

AudioDelayViewController::AudioDelayViewController(RemoteSession& session, QWidget* parent)
    : ViewController(parent)
    , m_session(session)
    , m_ui(std::make_unique<Ui::AudioDelayView>())
{
    m_ui->setupUi(this);
    setTitle(localizedString("Audio Delay"));
    KnobScreenStyle::styleValueLabel(m_ui->delay);
    KnobScreenStyle::setUpRotator(m_ui->rotator);
    m_ui->rotator->setDelegate(this);
    m_ui->minusOneButton->setText(localizedString("-1 s"));
    m_ui->zeroButton->setText(localizedString("Zero"));
    m_ui->addOneButton->setText(localizedString("+1 s"));
    for (QPushButton* button : { m_ui->minusOneButton, m_ui->zeroButton, m_ui->addOneButton })
        KnobScreenStyle::styleButton(button);
    connect(m_ui->minusOneButton, &QPushButton::clicked, this, &AudioDelayViewController::minusOne);
    connect(m_ui->zeroButton, &QPushButton::clicked, this, &AudioDelayViewController::zero);
    connect(m_ui->addOneButton, &QPushButton::clicked, this, &AudioDelayViewController::addOne);
}

AudioDelayViewController::~AudioDelayViewController()
{
    m_ui->rotator->setDelegate(nullptr);
}

Rotator* AudioDelayViewController::rotator() const
{
    return m_ui->rotator;
}

QLabel* AudioDelayViewController::delay() const
{
    return m_ui->delay;
}

void AudioDelayViewController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    const std::shared_ptr<VLCController> remote = m_session.remote();
    m_currentDelay = m_lastDelaySent = remote ? float(remote->state().audioDelay()) : 0.0f;
    m_ui->rotator->setValue(m_currentDelay);
    updateLabel();
}

void AudioDelayViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    m_ui->rotator->setFocus(Qt::OtherFocusReason);
}

void AudioDelayViewController::updateCurrentDelay(float value, bool forceChange)
{
    m_currentDelay = value;
    if (value > -snap && value < snap)
        m_currentDelay = 0;
    if (!forceChange && !(std::abs(m_currentDelay - m_lastDelaySent) > minimumSendChange)) {
        updateLabel();
        return;
    }
    m_lastDelaySent = m_currentDelay;
    if (const std::shared_ptr<VLCController> remote = m_session.remote())
        remote->setAudioDelay(m_currentDelay);
    updateLabel();
}

void AudioDelayViewController::updateLabel()
{
    m_ui->delay->setText(fmt(QStringLiteral("%@ %.2f"), localizedString("Current Delay : "), double(m_currentDelay)));
}

void AudioDelayViewController::rotatorValueChangedTo(float value)
{
    updateCurrentDelay(value, false);
}

void AudioDelayViewController::rotatorStoppedChangingAt(float value)
{
    updateCurrentDelay(value, true);
}

void AudioDelayViewController::minusOne()
{
    updateCurrentDelay(m_currentDelay - 1, true);
    m_ui->rotator->setValue(m_currentDelay);
}

void AudioDelayViewController::addOne()
{
    updateCurrentDelay(m_currentDelay + 1, true);
    m_ui->rotator->setValue(m_currentDelay);
}

void AudioDelayViewController::zero()
{
    updateCurrentDelay(0, true);
    m_ui->rotator->setValue(m_currentDelay);
}
