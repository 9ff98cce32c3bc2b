#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <QtQml/qqmlregistration.h>

// Whether the window is in use (ShownToUser): shown and not minimised, the
// application not put away by the platform (a phone's background), and the
// session's screen not locked (SessionLock). The screens that poll VLC poll
// only while it is.
class WindowActivity : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QWindow* window READ window WRITE setWindow NOTIFY windowChanged)
    Q_PROPERTY(bool active READ isActive NOTIFY activeChanged)
public:
    explicit WindowActivity(QObject* parent = nullptr);

    QWindow* window() const { return m_window; }
    void setWindow(QWindow* window);
    bool isActive() const { return m_active; }

signals:
    void windowChanged();
    void activeChanged();

private:
    void reevaluate();

    QPointer<QWindow> m_window;
    bool m_active = false;
};
