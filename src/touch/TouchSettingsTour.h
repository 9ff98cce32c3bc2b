#pragma once

class QQuickWindow;
class TouchRemotes;
class TouchScreenshotTour;

// The settings' pictures of the touch tour, under playerlink's names: the
// settings, their last rows, and the skip distances.
void addTouchSettingsSteps(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes);
