#pragma once

#include "models/RotationLockShape.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSizeF>
#include <QtQml/qqmlregistration.h>

#include <optional>

class RemotesScreen;

// The rotation lock of the settings, as the window keeps it
// (RotationLockShape): where the bar and the screens stand in the window.
class RotationLock : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("models/RemotesScreen.h")
    Q_PROPERTY(RemotesScreen* remotes READ remotes WRITE setRemotes NOTIFY remotesChanged)
    Q_PROPERTY(QSizeF windowSize READ windowSize WRITE setWindowSize NOTIFY windowSizeChanged)
    Q_PROPERTY(QRect frame READ frame NOTIFY frameChanged)
public:
    explicit RotationLock(QObject* parent = nullptr);

    RemotesScreen* remotes() const { return m_remotes; }
    void setRemotes(RemotesScreen* remotes);
    QSizeF windowSize() const { return m_window; }
    void setWindowSize(QSizeF size);
    QRect frame() const { return m_frame; }

signals:
    void remotesChanged();
    void windowSizeChanged();
    void frameChanged();

private:
    void lockChanged();
    void place();

    QPointer<RemotesScreen> m_remotes;
    std::optional<RotationLockShape> m_shape;
    QSizeF m_window;
    QRect m_frame;
};
