#pragma once

class QQuickWindow;
class TouchRemotes;
class TouchScreenshotTour;

// The skins' pictures of the touch tour, under playerlink's names: the list,
// in edit mode, the gallery on its bundled page, and an address being typed;
// also in a small window and in landscape.
void addTouchSkinsSteps(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes);
// The remote screen in the first installed skin, when there is one: to be
// called after the skins' steps of a tour that connects.
void addTouchRemoteSkinStep(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes);
