#pragma once

#include "models/skin/TimeVolumeWheels.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The time and volume wheels of a skin's pickers for Qt Quick: the rows each
// wheel has and shows, following the player, and the user's turns passed
// on as seeks and volume changes (TimeVolumeWheels holds the arithmetic).
class SkinWheels : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The wheels belong to a SkinScene")
    Q_PROPERTY(int minutesCount READ minutesCount NOTIFY countsChanged)
    Q_PROPERTY(int secondsCount READ secondsCount CONSTANT)
    Q_PROPERTY(int volumeCount READ volumeCount NOTIFY countsChanged)
    Q_PROPERTY(int minutesRow READ minutesRow NOTIFY rowsChanged)
    Q_PROPERTY(int secondsRow READ secondsRow NOTIFY rowsChanged)
    Q_PROPERTY(int volumeRow READ volumeRow NOTIFY rowsChanged)
    // Whether the last move of the rows should be animated.
    Q_PROPERTY(bool animated READ isAnimated NOTIFY rowsChanged)
    Q_PROPERTY(bool interacting READ isInteracting NOTIFY interactingChanged)
public:
    enum Wheel { Minutes = TimeVolumeWheels::MinutesWheel, Seconds = TimeVolumeWheels::SecondsWheel,
                 Volume = TimeVolumeWheels::VolumeWheel };
    Q_ENUM(Wheel)

    explicit SkinWheels(QObject* parent = nullptr);

    int minutesCount() const { return m_wheels.rowCount(TimeVolumeWheels::MinutesWheel); }
    int secondsCount() const { return TimeVolumeWheels::secondsRows; }
    int volumeCount() const { return m_wheels.rowCount(TimeVolumeWheels::VolumeWheel); }
    int minutesRow() const { return m_minutesRow; }
    int secondsRow() const { return m_secondsRow; }
    int volumeRow() const { return m_volumeRow; }
    bool isAnimated() const { return m_animated; }
    bool isInteracting() const { return m_wheels.isInteracting(); }

    Q_INVOKABLE QString text(int wheel, int row) const;
    // The number a row stands for: the seconds wheel's turns each count
    // 0-59 again.
    Q_INVOKABLE int valueOf(int wheel, int row) const;
    // A wheel's width in points, and what assistive technology calls it.
    Q_INVOKABLE int widthOf(int wheel) const;
    Q_INVOKABLE QString nameOf(int wheel) const;
    // A finger came down on a wheel.
    Q_INVOKABLE void startSelection();
    // A wheel the user turned came to rest on row.
    Q_INVOKABLE void select(int wheel, int row);
    // The mouse wheel turned over a wheel (angleDelta in eighths of a
    // degree): a row for each notch, at rest at once.
    Q_INVOKABLE void wheelTurned(int wheel, int angleDelta);

    // The player's state.
    void update(int length, int elapsed, int volume, bool animated);
    void setMaxVolume(int maximum);
    const TimeVolumeWheels& logic() const { return m_wheels; }

signals:
    void countsChanged();
    void rowsChanged();
    void interactingChanged();
    void seekRequested(int seconds);
    void volumeRequested(int volume);

private:
    void apply(int wheel, int row, const TimeVolumeWheels::Turn& turn, bool wasInteracting);

    TimeVolumeWheels m_wheels;
    int m_wheelRemainder = 0;
    int m_minutesRow = 0;
    int m_secondsRow = 0;
    int m_volumeRow = 0;
    bool m_animated = false;
};
