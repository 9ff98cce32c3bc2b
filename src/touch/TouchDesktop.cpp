#include "touch/TouchDesktop.h"

#include "desktop/BringToFront.h"
#include "models/SettingsModel.h"
#include "touch/TouchRemotes.h"
#include "touch/TouchSettings.h"

#include <QIcon>
#include <QWindow>

TouchDesktop::TouchDesktop(QWindow* window, TouchRemotes& remotes, const QDBusConnection& bus, QObject* parent)
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
    connect(&remotes, &TouchRemotes::shownSessionChanged, this,
            [this] { m_mediaKeys.setSession(m_remotes.shownSession()); });
    m_mediaKeys.setSession(remotes.shownSession());
}

TouchDesktop::~TouchDesktop()
{
    m_mediaKeys.setSession(nullptr);
    m_keepAwake.setInhibited(false);
}
