#include "screens/MainView/RemoteScreenKeys.h"

#include "models/RemoteSession.h"
#include "ui/AlertView.h"
#include "ui/InterfaceHelpers.h"
#include "ui/ViewController.h"

#include <QApplication>
#include <QKeyEvent>

RemoteScreenKeys::RemoteScreenKeys(ViewController& screen, RemoteSession& session)
    : QObject(&screen)
    , m_screen(screen)
    , m_session(session)
{
}

RemoteScreenKeys::~RemoteScreenKeys()
{
    qApp->removeEventFilter(this);
}

void RemoteScreenKeys::listen(bool on)
{
    qApp->removeEventFilter(this);
    if (on)
        qApp->installEventFilter(this);
}

bool RemoteScreenKeys::handle(const QKeyEvent* event)
{
    if (!m_screen.isVisibleOnStack())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        emit pageTurned(event->key() == Qt::Key_Left ? -1 : 1);
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Space: m_session.playPause(); return true;
    case Qt::Key_Left: m_session.skipBack(); return true;
    case Qt::Key_Right: m_session.skipForward(); return true;
    case Qt::Key_Up: m_session.volumeUp(); return true;
    case Qt::Key_Down: m_session.volumeDown(); return true;
    case Qt::Key_N: m_session.next(); return true;
    case Qt::Key_P: m_session.previous(); return true;
    case Qt::Key_F: m_session.fullScreen(); return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        emit pageTurned(event->key() == Qt::Key_PageUp ? -1 : 1);
        return true;
    default:
        return false;
    }
}

bool RemoteScreenKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || !m_screen.isVisible() || target->window() != m_screen.window() || InterfaceHelpers::isEditingText(target))
        return false;
    for (AlertView* alert : AlertView::visibleAlerts())
        if (alert->window() == m_screen.window())
            return false; // an alert over the screen keeps its keys
    const auto* key = static_cast<QKeyEvent*>(event);
    // Space on a button reached by Tab presses that button, as on any
    // desktop; with a list or nothing focused it still plays and pauses.
    if (InterfaceHelpers::pressesFocusedButton(target, key))
        return false;
    return handle(key);
}
