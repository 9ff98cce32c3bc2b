#include "ui/BWNavigationController.h"

#include "ui/AlertView.h"
#include "ui/InterfaceHelpers.h"

#include <QApplication>
#include <QKeyEvent>

BWNavigationController::BWNavigationController(ViewController* root, QWidget* parent)
    : NavigationController(nullptr, parent)
{
    // The root arrives through the same push as every other screen, and then
    // always shows the bar.
    pushViewController(root, false);
    m_transitionDetails.back().setBarVisibility(1);
    // Seen before the control with the focus, which may not pass Escape on.
    qApp->installEventFilter(this);
}

bool BWNavigationController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return NavigationController::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* target = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_Escape || key->isAutoRepeat() || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !target
        || target->window() != window() || !isVisible() || viewControllers().size() < 2
        || InterfaceHelpers::isEditingText(target) || InterfaceHelpers::isEditingText(window()->focusWidget()))
        return NavigationController::eventFilter(watched, event);
    for (AlertView* alert : AlertView::visibleAlerts())
        if (alert->window() == window())
            return NavigationController::eventFilter(watched, event); // the alert answers Escape itself
    popViewControllerAnimated(true);
    return true;
}

void BWNavigationController::queueTransitionType(int appear, int disappear)
{
    m_queuedTransition.emplace(0, appear, disappear);
}

void BWNavigationController::pushViewController(ViewController* controller, bool animated)
{
    pushViewControllerVisibility(controller, animated, 0);
}

void BWNavigationController::pushViewControllerVisibility(ViewController* controller, bool animated, int visibility)
{
    if (m_queuedTransition) {
        m_queuedTransition->setBarVisibility(visibility);
        m_transitionDetails.push_back(*m_queuedTransition);
        m_queuedTransition.reset();
    } else {
        m_transitionDetails.emplace_back(visibility, -1, -1);
    }
    if (visibility == -1) {
        setNavigationBarHidden(true, true);
        pushWithAnimationViewController(controller, animated);
    } else {
        pushWithAnimationViewController(controller, animated);
        if (visibility == 1)
            setNavigationBarHidden(false, true);
    }
}

void BWNavigationController::pushWithAnimationViewController(ViewController* controller, bool animated)
{
    // A push that is not animated shows the screen at once, whatever
    // transition it was given.
    const int transition = m_transitionDetails.back().appearTransition();
    if (transition == -1 || !animated) {
        pushScreen(controller, animated);
        return;
    }
    runWholeViewTransition(transition, [this, controller] { pushScreen(controller, false); });
}

ViewController* BWNavigationController::popViewControllerAnimated(bool animated)
{
    if (viewControllers().size() <= 1 || m_transitionDetails.size() < 2)
        return nullptr;
    const int uncovered = m_transitionDetails[m_transitionDetails.size() - 2].barVisibility();
    ViewController* popped = nullptr;
    if (uncovered == -1) {
        setNavigationBarHidden(true, true);
        popped = popWithAnimationViewControllerAnimated(animated);
    } else {
        popped = popWithAnimationViewControllerAnimated(animated);
        if (uncovered == 1)
            setNavigationBarHidden(false, true);
    }
    m_transitionDetails.pop_back();
    return popped;
}

ViewController* BWNavigationController::popWithAnimationViewControllerAnimated(bool animated)
{
    const int transition = m_transitionDetails.back().disappearTransition();
    if (transition == -1 || !animated)
        return popScreen(animated);
    ViewController* popped = nullptr;
    runWholeViewTransition(transition, [this, &popped] { popped = popScreen(false); });
    return popped;
}

QList<ViewController*> BWNavigationController::popToViewController(ViewController* controller, bool animated)
{
    QList<ViewController*> remaining = viewControllers();
    QList<ViewController*> popped;
    // Only the last pop is animated.
    while (!remaining.isEmpty() && remaining.last() != controller && remaining.size() > 1) {
        popped.append(remaining.takeLast());
        popViewControllerAnimated(animated && remaining.last() == controller);
    }
    return popped;
}

void BWNavigationController::setNavigationBarHidden(bool hidden, bool animated)
{
    NavigationController::setNavigationBarHidden(hidden, animated);
    if (!m_transitionDetails.empty())
        m_transitionDetails.back().setBarVisibility(hidden ? -1 : 1);
}
