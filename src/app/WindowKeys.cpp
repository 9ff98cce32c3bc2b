#include "app/WindowKeys.h"

#include "core/RemoteKeys.h"
#include "models/skin/SkinScene.h"

#include <QCoreApplication>
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

bool plain(const QKeyEvent* key)
{
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Space or Enter on a button reached by Tab presses that button, as on any
// desktop; with a list or nothing so focused they still drive the remote.
bool pressesFocusedButton(const QQuickItem* focus, const QKeyEvent* key)
{
    const int k = key->key();
    return inherits(focus, "QQuickAbstractButton") && focus->property("visualFocus").toBool() && plain(key)
        && (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter);
}

// A wheel or a slider the keyboard is on turns with the arrows, the page
// keys, Home and End.
bool turnsFocusedControl(const QQuickItem* focus, const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        break;
    default:
        return false;
    }
    return plain(key)
        && (inherits(focus, "ZoomSliderItem") || inherits(focus, "QQuickTumbler") || inherits(focus, "QQuickSlider"));
}

bool isListKey(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return plain(key);
    default:
        return false;
    }
}

QQuickItem* firstShownList(QQuickItem* item)
{
    if (!item || !item->isVisible())
        return nullptr;
    if (item->inherits("QQuickListView"))
        return item;
    const QList<QQuickItem*> children = item->childItems();
    for (QQuickItem* child : children)
        if (QQuickItem* list = firstShownList(child))
            return list;
    return nullptr;
}

bool isWithin(const QQuickItem* item, const QQuickItem* ancestor)
{
    for (; item; item = item->parentItem())
        if (item == ancestor)
            return true;
    return false;
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

QQuickItem* WindowKeys::page() const
{
    return m_page;
}

void WindowKeys::setPage(QQuickItem* page)
{
    if (page == m_page)
        return;
    m_page = page;
    // Tab goes from the bar to the screen, then to the screen's toolbar: a
    // page holds its toolbar before its content, and Tab follows that order.
    auto* footer = page ? page->property("footer").value<QQuickItem*>() : nullptr;
    auto* content = page ? page->property("contentItem").value<QQuickItem*>() : nullptr;
    if (footer && content && footer->parentItem() == page && content->parentItem() == page)
        footer->stackAfter(content);
    emit pageChanged();
}

QQuickItem* WindowKeys::list() const
{
    return firstShownList(m_page);
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
    QQuickItem* focus = window ? window->activeFocusItem() : nullptr;
    if (!window || keepsKeys(focus) || pressesFocusedButton(focus, key) || turnsFocusedControl(focus, key))
        return false;
    const RemoteKeys::Action action = RemoteKeys::actionFor(key->key(), key->modifiers(), key->isAutoRepeat());
    if (action == RemoteKeys::Action::Back) {
        if (!m_canGoBack)
            return false;
        emit backRequested();
        return true;
    }
    if (m_remote)
        return action != RemoteKeys::Action::None && m_remote->handleKey(action);
    // Within the list the key reaches it on its own way up from the focus.
    QQuickItem* shown = list();
    if (!shown || !isListKey(key) || isWithin(focus, shown))
        return false;
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), ushort(key->count()));
    QCoreApplication::sendEvent(shown, &copy);
    return copy.isAccepted();
}
