#include "platform/ScreenLockWatch.h"

#include "models/SessionLock.h"

namespace {
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

ScreenLockWatch::ScreenLockWatch(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (!m_bus.isConnected())
        return;
    for (const ScreenSaverService& saver : screenSavers)
        m_bus.connect(QString(), QString::fromLatin1(saver.path), QString::fromLatin1(saver.interface),
                      QStringLiteral("ActiveChanged"), this, SLOT(activeChanged(bool)));
}

ScreenLockWatch::~ScreenLockWatch()
{
    if (!m_bus.isConnected())
        return;
    for (const ScreenSaverService& saver : screenSavers)
        m_bus.disconnect(QString(), QString::fromLatin1(saver.path), QString::fromLatin1(saver.interface),
                         QStringLiteral("ActiveChanged"), this, SLOT(activeChanged(bool)));
}

void ScreenLockWatch::activeChanged(bool active)
{
    SessionLock::instance().setLocked(active);
}
