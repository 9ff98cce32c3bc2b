#include "models/AudioDelayKnob.h"

#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/RemoteSession.h"
#include "vlc/VLCController.h"

#include <cmath>

AudioDelayKnob::AudioDelayKnob(RemoteSession& session, QObject* parent)
    : QObject(parent)
    , m_session(session)
{
}

void AudioDelayKnob::load()
{
    const std::shared_ptr<VLCController> remote = m_session.remote();
    m_value = m_lastSent = remote ? float(remote->state().audioDelay()) : 0.0f;
    emit changed();
}

void AudioDelayKnob::turnTo(double value, bool release)
{
    m_value = float(value);
    if (m_value > -snap && m_value < snap)
        m_value = 0;
    if (release || std::abs(m_value - m_lastSent) > minimumSendChange) {
        m_lastSent = m_value;
        if (const std::shared_ptr<VLCController> remote = m_session.remote())
            remote->setAudioDelay(m_value);
    }
    emit changed();
}

void AudioDelayKnob::minusOne()
{
    turnTo(m_value - 1, true);
}

void AudioDelayKnob::addOne()
{
    turnTo(m_value + 1, true);
}

void AudioDelayKnob::zero()
{
    turnTo(0, true);
}

QString AudioDelayKnob::text() const
{
    return fmt(localizedString("Current Delay: %@ s"), fmt(QStringLiteral("%.2f"), double(m_value)));
}
