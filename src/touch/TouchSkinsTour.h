#pragma once

class QQuickWindow;
class TouchRemotes;
class TouchScreenshotTour;

// The skins' pictures of the touch tour, under playerlink's names: the list,
// in edit mode, the gallery on its bundled page, and an address being typed;
// also in a small window and in landscape.
void addTouchSkinsSteps(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes);
