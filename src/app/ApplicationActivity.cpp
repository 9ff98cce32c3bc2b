#include "app/ApplicationActivity.h"

#include "models/ShownToUser.h"

#include <QDBusConnection>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace {
// The screen savers that say when the screen locks: the freedesktop one
// (KDE, Xfce, ...) and GNOME's.
struct ScreenSaverService {
    const char* path;
    const char* interface;
};
constexpr ScreenSaverService screenSavers[] = {
    { "/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver" },
    { "/ScreenSaver", "org.freedesktop.ScreenSaver" },
    { "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver" },
};
}

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
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        for (const ScreenSaverService& saver : screenSavers)
            bus.connect(QString(), QString::fromLatin1(saver.path), QString::fromLatin1(saver.interface),
                        QStringLiteral("ActiveChanged"), this, SLOT(screenSaverActiveChanged(bool)));
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
    m_sessionLocked = locked;
    reevaluate();
}

void ApplicationActivity::screenSaverActiveChanged(bool active)
{
    setSessionLocked(active);
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
    const bool active = ShownToUser::isActive(m_applicationState, shown, m_sessionLocked);
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        emit becameActive();
    else
        emit resignedActive();
}
