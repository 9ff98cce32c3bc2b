#include "touch/WindowKeys.h"

#include "core/RemoteKeys.h"
#include "touch/skin/SkinScene.h"

#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWindow>

namespace {
bool inherits(const QQuickItem* item, const char* className)
{
    return item && item->inherits(className);
}

// Text fields keep their keys; an open popup (a menu, a sheet) answers
// Escape itself.
bool keepsKeys(const QQuickItem* focus)
{
    if (inherits(focus, "QQuickTextInput") || inherits(focus, "QQuickTextEdit"))
        return true;
    for (const QQuickItem* item = focus; item; item = item->parentItem())
        if (inherits(item, "QQuickPopupItem"))
            return true;
    return false;
}

// Space or Enter on a button reached by Tab presses that button, as on any
// desktop; with a list or nothing so focused they still drive the remote.
bool pressesFocusedButton(const QQuickItem* focus, const QKeyEvent* key)
{
    const int k = key->key();
    return inherits(focus, "QQuickAbstractButton") && focus->property("visualFocus").toBool()
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier
        && (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter);
}
}

WindowKeys::WindowKeys(QObject* parent)
    : QObject(parent)
{
}

void WindowKeys::install(QQuickWindow* window)
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window)
        window->installEventFilter(this);
}

SkinScene* WindowKeys::remote() const
{
    return m_remote;
}

void WindowKeys::setRemote(SkinScene* remote)
{
    if (remote == m_remote)
        return;
    m_remote = remote;
    emit remoteChanged();
}

void WindowKeys::setCanGoBack(bool canGoBack)
{
    if (canGoBack == m_canGoBack)
        return;
    m_canGoBack = canGoBack;
    emit canGoBackChanged();
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* window = qobject_cast<QQuickWindow*>(watched);
    if (!window || keepsKeys(window->activeFocusItem()) || pressesFocusedButton(window->activeFocusItem(), key))
        return false;
    const RemoteKeys::Action action = RemoteKeys::actionFor(key->key(), key->modifiers(), key->isAutoRepeat());
    if (action == RemoteKeys::Action::Back) {
        if (!m_canGoBack)
            return false;
        emit backRequested();
        return true;
    }
    return m_remote && action != RemoteKeys::Action::None && m_remote->handleKey(action);
}
