#include "app/WindowActivity.h"

#include "models/SessionLock.h"
#include "models/ShownToUser.h"

#include <QGuiApplication>

WindowActivity::WindowActivity(QObject* parent)
    : QObject(parent)
{
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &WindowActivity::reevaluate);
    connect(&SessionLock::instance(), &SessionLock::lockedChanged, this, &WindowActivity::reevaluate);
}

void WindowActivity::setWindow(QWindow* window)
{
    if (window == m_window)
        return;
    if (m_window)
        disconnect(m_window, nullptr, this, nullptr);
    m_window = window;
    if (window)
        connect(window, &QWindow::visibilityChanged, this, &WindowActivity::reevaluate);
    reevaluate();
    emit windowChanged();
}

void WindowActivity::reevaluate()
{
    const QWindow::Visibility visibility = m_window ? m_window->visibility() : QWindow::Hidden;
    const bool shown = visibility != QWindow::Hidden && visibility != QWindow::Minimized;
    const bool active = ShownToUser::isActive(QGuiApplication::applicationState(), shown, SessionLock::instance().isLocked());
    if (active == m_active)
        return;
    m_active = active;
    emit activeChanged();
}
