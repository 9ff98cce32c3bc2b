#include "platform/ScreenSaverInhibitor.h"

#include "core/ConsoleLog.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace {
const QString service = QStringLiteral("org.freedesktop.ScreenSaver");
const QString path = QStringLiteral("/org/freedesktop/ScreenSaver");
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    setInhibited(false);
}

void ScreenSaverInhibitor::followPreference(const UserDefaults& defaults)
{
    setInhibited(defaults.boolForKey(PreferenceKeys::disableSleep));
}

void ScreenSaverInhibitor::setInhibited(bool inhibited)
{
    if (inhibited == isInhibited())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (inhibited)
            ConsoleLog::log(logPlatform, QStringLiteral("keep-awake: no session bus, the desktop may still sleep"));
        return;
    }
    QDBusInterface screenSaver(service, path, service, bus);
    if (!screenSaver.isValid()) {
        if (inhibited)
            ConsoleLog::log(logPlatform, QStringLiteral("keep-awake: this desktop offers no screen-saver service"));
        return;
    }
    if (inhibited) {
        const QDBusReply<quint32> cookie = screenSaver.call(QStringLiteral("Inhibit"), QStringLiteral("PlayerLink"),
                                                            QStringLiteral("Remote control in use"));
        if (cookie.isValid())
            m_cookie = cookie.value();
    } else {
        screenSaver.call(QStringLiteral("UnInhibit"), m_cookie);
        m_cookie = 0;
    }
}
