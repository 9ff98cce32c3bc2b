#include "app/ApplicationActivity.h"

#include "models/SessionLock.h"
#include "models/ShownToUser.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

ApplicationActivity::ApplicationActivity(QWidget* window, QObject* parent)
    : QObject(parent)
    , m_window(window)
{
    if (window)
        window->installEventFilter(this);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        m_applicationState = QGuiApplication::applicationState();
        connect(app, &QGuiApplication::applicationStateChanged, this, &ApplicationActivity::applicationStateChanged);
    }
    connect(&SessionLock::instance(), &SessionLock::lockedChanged, this, &ApplicationActivity::reevaluate);
    m_active = false;
    reevaluate();
}

ApplicationActivity::~ApplicationActivity()
{
    if (m_window)
        m_window->removeEventFilter(this);
}

void ApplicationActivity::applicationStateChanged(Qt::ApplicationState state)
{
    m_applicationState = state;
    reevaluate();
}

void ApplicationActivity::setSessionLocked(bool locked)
{
    SessionLock::instance().setLocked(locked);
}

bool ApplicationActivity::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            reevaluate();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ApplicationActivity::reevaluate()
{
    const bool shown = m_window && m_window->isVisible() && !m_window->isMinimized();
    const bool active = ShownToUser::isActive(m_applicationState, shown, SessionLock::instance().isLocked());
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        emit becameActive();
    else
        emit resignedActive();
}
