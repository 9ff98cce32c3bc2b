#include "app/DesktopServices.h"

#include "platform/BringToFront.h"
#include "models/SettingsModel.h"
#include "models/RemotesScreen.h"
#include "models/SettingsScreen.h"

#include <QIcon>
#include <QWindow>

DesktopServices::DesktopServices(QWindow* window, RemotesScreen& remotes, const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_remotes(remotes)
    , m_screenLock(bus)
    , m_mediaKeys([this] {
        if (m_window)
            bringToFront(m_window);
    }, bus)
{
    if (window) {
        QIcon icon;
        icon.addFile(QStringLiteral(":/images/playerlink.png"));
        icon.addFile(QStringLiteral(":/images/playerlink@2x.png"));
        window->setIcon(icon);
    }
    connect(&remotes.settings()->settings(), &SettingsModel::keepAwakeChanged, this,
            [this] { m_keepAwake.followPreference(m_remotes.defaults()); });
    m_keepAwake.followPreference(remotes.defaults());
    connect(&remotes, &RemotesScreen::shownSessionChanged, this,
            [this] { m_mediaKeys.setSession(m_remotes.shownSession()); });
    m_mediaKeys.setSession(remotes.shownSession());
}

DesktopServices::~DesktopServices()
{
    m_mediaKeys.setSession(nullptr);
    m_keepAwake.setInhibited(false);
}
