#include "touch/TouchListScreen.h"

#include "models/RemoteSession.h"
#include "touch/TouchRemotes.h"
#include "vlc/VLCController.h"

TouchListScreen::TouchListScreen(int pollIntervalMs, QObject* parent)
    : QObject(parent)
{
    m_pollTimer.setInterval(pollIntervalMs);
    connect(&m_pollTimer, &QTimer::timeout, this, [this] {
        if (const std::shared_ptr<VLCController> current = remote())
            poll(*current);
    });
}

TouchListScreen::~TouchListScreen() = default;

void TouchListScreen::setRemotes(TouchRemotes* remotes)
{
    if (remotes == m_remotes)
        return;
    TouchRemotes* previous = m_remotes;
    m_remotes = remotes;
    remotesSet(previous);
    emit remotesChanged();
}

void TouchListScreen::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        m_pollTimer.start();
    else
        m_pollTimer.stop();
    activeSet();
    emit activeChanged();
}

QObject* TouchListScreen::rowsObject() const
{
    return rows();
}

std::shared_ptr<VLCController> TouchListScreen::remote() const
{
    return m_remotes ? m_remotes->session().remote() : nullptr;
}
