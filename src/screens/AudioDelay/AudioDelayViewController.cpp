#include "screens/AudioDelay/AudioDelayViewController.h"

#include "core/Localization.h"
#include "screens/Common/KnobScreenStyle.h"
#include "ui/Rotator.h"
#include "ui_AudioDelayView.h"

AudioDelayViewController::AudioDelayViewController(RemoteSession& session, QWidget* parent)
    : ViewController(parent)
    , m_knob(session)
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
    connect(&m_knob, &AudioDelayKnob::changed, this, [this] { m_ui->delay->setText(m_knob.text()); });
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
    m_knob.load();
    m_ui->rotator->setValue(float(m_knob.value()));
}

void AudioDelayViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    m_ui->rotator->setFocus(Qt::OtherFocusReason);
}

void AudioDelayViewController::updateCurrentDelay(float value, bool forceChange)
{
    m_knob.turnTo(value, forceChange);
}

void AudioDelayViewController::rotatorValueChangedTo(float value)
{
    m_knob.turnTo(value, false);
}

void AudioDelayViewController::rotatorStoppedChangingAt(float value)
{
    m_knob.turnTo(value, true);
}

void AudioDelayViewController::minusOne()
{
    m_knob.minusOne();
    m_ui->rotator->setValue(float(m_knob.value()));
}

void AudioDelayViewController::addOne()
{
    m_knob.addOne();
    m_ui->rotator->setValue(float(m_knob.value()));
}

void AudioDelayViewController::zero()
{
    m_knob.zero();
    m_ui->rotator->setValue(float(m_knob.value()));
}
