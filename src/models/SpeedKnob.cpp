#include "models/SpeedKnob.h"

#include "core/Clock.h"
#include "core/ConsoleLog.h"
#include "core/Localization.h"
#include "core/TextFormat.h"
#include "models/RemoteSession.h"
#include "vlc/VLCController.h"

#include <algorithm>
#include <cmath>

SpeedKnob::SpeedKnob(RemoteSession& session, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_clock(clock)
    , m_lastSentTime(Clock::distantPast)
{
}

void SpeedKnob::load()
{
    const std::shared_ptr<VLCController> remote = m_session.remote();
    const int rate = remote ? remote->state().speed() : 0;
    // A rate of 0 means no status yet: no speed to show, and nothing is
    // sent until the user turns the knob.
    m_known = rate > 0;
    m_speed = m_known ? float(rate) : 1000.0f;
    m_value = m_known ? std::log(1000.0f / m_speed) / std::log(2.0f) : 0.0f;
    emit changed();
}

void SpeedKnob::turnTo(double value, bool release)
{
    m_value = float(value);
    if (m_value > -snap && m_value < snap)
        m_value = 0;
    m_speed = float(1000.0 / std::pow(2.0, double(m_value)));
    m_known = true;
    ConsoleLog::log(logModels, QStringLiteral("rotator %f Speed  %f"), double(m_value), double(m_speed));
    const double now = m_clock.now();
    if (release || now - m_lastSentTime > minimumSendInterval) {
        m_lastSentTime = now;
        if (const std::shared_ptr<VLCController> remote = m_session.remote())
            // Far up the knob the rate falls below 1, which the integer scale
            // cannot say (0 would read as no rate at all): send the fastest it can.
            remote->setSpeed(std::max(1, int(m_speed)));
    }
    emit changed();
}

void SpeedKnob::slower()
{
    turnTo(m_value - 1, true);
}

void SpeedKnob::faster()
{
    turnTo(m_value + 1, true);
}

void SpeedKnob::normal()
{
    turnTo(0, true);
}

QString SpeedKnob::text() const
{
    if (!m_known)
        return fmt(QStringLiteral("%@ x --"), localizedString("Speed"));
    return fmt(QStringLiteral("%@ x %.2f"), localizedString("Speed"), std::pow(2.0, double(m_value)));
}
