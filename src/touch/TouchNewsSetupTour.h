#pragma once

class QQuickWindow;
class TouchRemotes;
class TouchScreenshotTour;

// The news and setup pictures of the touch tour, under playerlink's names:
// the remote screen's News button (withRemote), the news while it loads and
// after (also at 320 x 568 and in landscape), an item's page, the setup
// screen from a help page's link (also small and in landscape), its notice
// for a blank address, and the list once it is gone.
void addTouchNewsSetupSteps(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes, bool withRemote);
