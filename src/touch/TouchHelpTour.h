#pragma once

class QQuickWindow;
class TouchRemotes;
class TouchScreenshotTour;

// The help viewer's pictures of the touch tour, under playerlink's names:
// each bundled help page, and the help page in a small window and in
// landscape.
void addTouchHelpSteps(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes);
