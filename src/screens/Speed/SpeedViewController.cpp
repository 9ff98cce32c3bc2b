#include "screens/Speed/SpeedViewController.h"

#include "core/Localization.h"
#include "screens/Common/KnobScreenStyle.h"
#include "ui/Rotator.h"
#include "ui_SpeedView.h"

SpeedViewController::SpeedViewController(RemoteSession& session, const Clock& clock, QWidget* parent)
    : ViewController(parent)
    , m_knob(session, clock)
    , m_ui(std::make_unique<Ui::SpeedView>())
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
    connect(&m_knob, &SpeedKnob::changed, this, [this] { m_ui->speedLabel->setText(m_knob.text()); });
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
    m_knob.load();
    m_ui->rotator->setValue(float(m_knob.value()));
}

void SpeedViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    m_ui->rotator->setFocus(Qt::OtherFocusReason);
}

void SpeedViewController::updateCurrentDelay(float value, bool forceChange)
{
    m_knob.turnTo(value, forceChange);
}

void SpeedViewController::rotatorValueChangedTo(float value)
{
    m_knob.turnTo(value, false);
}

void SpeedViewController::rotatorStoppedChangingAt(float value)
{
    m_knob.turnTo(value, true);
}

void SpeedViewController::slower()
{
    m_knob.slower();
    m_ui->rotator->setValue(float(m_knob.value()));
}

void SpeedViewController::faster()
{
    m_knob.faster();
    m_ui->rotator->setValue(float(m_knob.value()));
}

void SpeedViewController::normal()
{
    m_knob.normal();
    m_ui->rotator->setValue(float(m_knob.value()));
}
