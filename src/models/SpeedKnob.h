#pragma once

#include <QObject>
#include <QString>

class Clock;
class RemoteSession;

// Playback speed on a knob: each turn doubles (clockwise) or halves the
// speed, so the knob value v means 2^v times normal speed, VLC's integer
// rate 1000 / 2^v. Near 0 the knob snaps to normal speed. While the knob
// turns, at most one request goes out per 0.2 seconds; letting go always
// sends the value shown.
class SpeedKnob : public QObject {
    Q_OBJECT
    Q_PROPERTY(double value READ value NOTIFY changed)
    Q_PROPERTY(QString text READ text NOTIFY changed)
public:
    static constexpr double minimumSendInterval = 0.2;
    static constexpr float snap = 0.05f;

    // clock: what the thinning of requests measures time by.
    SpeedKnob(RemoteSession& session, const Clock& clock, QObject* parent = nullptr);

    // Takes the remote's speed, as the screen appears.
    Q_INVOKABLE void load();
    // The knob moved to value; release: the user let go.
    Q_INVOKABLE void turnTo(double value, bool release);
    Q_INVOKABLE void slower();
    Q_INVOKABLE void faster();
    Q_INVOKABLE void normal();

    double value() const { return m_value; }
    // VLC's integer rate last worked out (1000 is normal speed).
    float speed() const { return m_speed; }
    // Whether the player's speed is known (a status has told it, or the
    // user has set one).
    bool isKnown() const { return m_known; }
    // "Speed x 1.00", or "Speed x --" while unknown.
    QString text() const;

signals:
    void changed();

private:
    RemoteSession& m_session;
    const Clock& m_clock;
    float m_value = 0;
    float m_speed = 1000;
    double m_lastSentTime;
    bool m_known = false;
};
