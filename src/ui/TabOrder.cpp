#include "ui/TabOrder.h"

#include "ui/AlertView.h"
#include "ui/PagingScrollView.h"

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

// A control where the reader meets it: its region, the page it lies on
// (controls on a page turned away come after those in sight), and where it
// stands on that page as if the page were in sight.
struct Placed {
    QWidget* widget;
    int region;
    int page;
    QRect rect;
};

Placed place(QWidget* widget, QWidget* window, const QList<QWidget*>& regions)
{
    Placed placed { widget, regionOf(widget, regions), 0, QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()) };
    for (QWidget* p = widget->parentWidget(); p && p != window; p = p->parentWidget()) {
        auto* pages = qobject_cast<PagingScrollView*>(p);
        if (!pages || pages->width() <= 0)
            continue;
        const QPoint onContent = widget->mapTo(pages->contentView(), widget->rect().center());
        placed.page = std::max(0, onContent.x() / pages->width());
        placed.rect.translate(-(placed.page * pages->width() - int(pages->contentOffset().x())), 0);
        break;
    }
    return placed;
}

// Top to bottom in rows, each row left to right. A control joins the row of
// the first control above it whose height its middle falls in.
void readingOrder(std::vector<Placed>& group)
{
    std::stable_sort(group.begin(), group.end(), [](const Placed& a, const Placed& b) { return a.rect.top() < b.rect.top(); });
    for (size_t start = 0; start < group.size();) {
        const QRect first = group[start].rect;
        size_t end = start + 1;
        while (end < group.size() && group[end].rect.center().y() <= first.bottom())
            ++end;
        std::stable_sort(group.begin() + qsizetype(start), group.begin() + qsizetype(end),
                         [](const Placed& a, const Placed& b) { return a.rect.left() < b.rect.left(); });
        start = end;
    }
}
}

QList<QWidget*> TabOrder::chain(QWidget* scope, const QList<QWidget*>& regions)
{
    QWidget* within = scope;
    for (AlertView* alert : AlertView::visibleAlerts())
        if (alert->window() == scope->window())
            within = alert;
    QWidget* window = scope->window();
    std::vector<Placed> found;
    // Qt's focus chain of the window holds every widget.
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (within->isAncestorOf(w) && takesTabFocus(w))
            found.push_back(place(w, window, regions));
    std::stable_sort(found.begin(), found.end(), [](const Placed& a, const Placed& b) {
        return std::pair(a.region, a.page) < std::pair(b.region, b.page);
    });
    QList<QWidget*> ordered;
    for (size_t start = 0; start < found.size();) {
        size_t end = start + 1;
        while (end < found.size() && found[end].region == found[start].region && found[end].page == found[start].page)
            ++end;
        std::vector<Placed> group(found.begin() + qsizetype(start), found.begin() + qsizetype(end));
        readingOrder(group);
        for (const Placed& p : group)
            ordered.append(p.widget);
        start = end;
    }
    return ordered;
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
