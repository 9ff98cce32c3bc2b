#pragma once

#include "models/RotationLockShape.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSizeF>
#include <QtQml/qqmlregistration.h>

#include <optional>

class TouchRemotes;

// The rotation lock of the settings, as playerlink's window keeps it
// (RotationLockShape): where the bar and the screens stand in the window.
class TouchRotationLock : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("touch/TouchRemotes.h")
    Q_PROPERTY(TouchRemotes* remotes READ remotes WRITE setRemotes NOTIFY remotesChanged)
    Q_PROPERTY(QSizeF windowSize READ windowSize WRITE setWindowSize NOTIFY windowSizeChanged)
    Q_PROPERTY(QRect frame READ frame NOTIFY frameChanged)
public:
    explicit TouchRotationLock(QObject* parent = nullptr);

    TouchRemotes* remotes() const { return m_remotes; }
    void setRemotes(TouchRemotes* remotes);
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

    QPointer<TouchRemotes> m_remotes;
    std::optional<RotationLockShape> m_shape;
    QSizeF m_window;
    QRect m_frame;
};
