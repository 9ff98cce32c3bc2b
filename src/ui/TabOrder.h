#pragma once

#include <QList>

class QWidget;

// Moves the keyboard focus with Tab and Shift+Tab through the controls
// under a scope in the order a reader meets them: the regions one after the
// other (say the navigation bar, the screen, the toolbar), inside each the
// controls in sight before those on pages turned away, and on a page top
// to bottom in rows, each row left to right. Only shown, enabled controls
// that take the focus by Tab count; an alert over the window keeps the
// focus among its own controls. Wraps around at either end.
namespace TabOrder {
// The controls Tab visits, in order.
QList<QWidget*> chain(QWidget* scope, const QList<QWidget*>& regions);
// Moves the focus one step; false when there is nothing to move it to.
bool move(QWidget* scope, const QList<QWidget*>& regions, bool next);
}
