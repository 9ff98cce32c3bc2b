#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Whether the application is active, as a desktop means it: its window is
// shown and not minimised, the application is not hidden or suspended by
// the platform, and the session's screen is not locked. Another window
// having the focus does not make it inactive: a visible remote keeps
// polling.
class ApplicationActivity : public QObject {
    Q_OBJECT
public:
    // Follows the window, the application's state and the session's screen
    // lock (SessionLock).
    explicit ApplicationActivity(QWidget* window, QObject* parent = nullptr);
    ~ApplicationActivity() override;

    bool isActive() const { return m_active; }

    // What the platform reports; also fed by tests.
    void applicationStateChanged(Qt::ApplicationState state);
    void setSessionLocked(bool locked);

signals:
    void becameActive();
    void resignedActive();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reevaluate();

    QPointer<QWidget> m_window;
    Qt::ApplicationState m_applicationState = Qt::ApplicationActive;
    bool m_active = false;
};
