#pragma once

class QQuickWindow;
class TouchRemotes;
class TouchScreenshotTour;

// The advanced controls' pictures of the touch tour, under playerlink's
// names: the remote screen's "More..." choices, both menus, and the screens of the full one with the player's
// lists and values (the speed also in the smallest window).
void addTouchAdvancedSteps(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes);
