#include "ui/TabOrder.h"

#include "ui/AlertView.h"

#include <QWidget>

#include <algorithm>

namespace {
bool takesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget->isVisible() && widget->isEnabled()
        && !widget->focusProxy();
}

int regionOf(const QWidget* widget, const QList<QWidget*>& regions)
{
    for (int i = 0; i < regions.size(); ++i)
        if (regions[i] && (regions[i] == widget || regions[i]->isAncestorOf(widget)))
            return i;
    return int(regions.size());
}
}

QList<QWidget*> TabOrder::chain(QWidget* scope, const QList<QWidget*>& regions)
{
    QWidget* within = scope;
    for (AlertView* alert : AlertView::visibleAlerts())
        if (alert->window() == scope->window())
            within = alert;
    QList<QWidget*> found;
    // Qt's focus chain of the window holds every widget in the order made.
    QWidget* start = scope->window();
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain())
        if (within->isAncestorOf(w) && takesTabFocus(w))
            found.append(w);
    std::stable_sort(found.begin(), found.end(),
                     [&](const QWidget* a, const QWidget* b) { return regionOf(a, regions) < regionOf(b, regions); });
    return found;
}

bool TabOrder::move(QWidget* scope, const QList<QWidget*>& regions, bool next)
{
    const QList<QWidget*> controls = chain(scope, regions);
    if (controls.isEmpty())
        return false;
    QWidget* focus = scope->window()->focusWidget();
    const qsizetype at = focus ? controls.indexOf(focus) : -1;
    qsizetype to;
    if (at < 0)
        to = next ? 0 : controls.size() - 1;
    else
        to = (at + (next ? 1 : controls.size() - 1)) % controls.size();
    // The ring marks a focus moved by keyboard; set before the focus moves
    // so that the control paints it at once.
    scope->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    controls[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
