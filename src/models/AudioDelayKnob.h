#pragma once

#include <QObject>
#include <QString>

class RemoteSession;

// The audio delay on a knob: one turn is one second, clockwise later. Near
// 0 the knob snaps to no delay. While the knob turns, a request goes out
// only once the value has moved more than 0.1 s from the last one sent;
// letting go always sends the value shown.
class AudioDelayKnob : public QObject {
    Q_OBJECT
    Q_PROPERTY(double value READ value NOTIFY changed)
    Q_PROPERTY(QString text READ text NOTIFY changed)
public:
    static constexpr float minimumSendChange = 0.1f;
    static constexpr float snap = 0.05f;

    explicit AudioDelayKnob(RemoteSession& session, QObject* parent = nullptr);

    // Takes the remote's delay, as the screen appears.
    Q_INVOKABLE void load();
    // The knob moved to value; release: the user let go.
    Q_INVOKABLE void turnTo(double value, bool release);
    Q_INVOKABLE void minusOne();
    Q_INVOKABLE void addOne();
    Q_INVOKABLE void zero();

    double value() const { return m_value; }
    float lastSent() const { return m_lastSent; }
    // "Current Delay: 0.00 s".
    QString text() const;

signals:
    void changed();

private:
    RemoteSession& m_session;
    float m_value = 0;
    float m_lastSent = 0;
};
