#pragma once

class QQuickWindow;
class TouchRemotes;
class TouchScreenshotTour;

// The remotes list's pictures of the touch tour, under playerlink's names:
// computers in every state the list tells (each a server on loopback that
// answers as VLC would, or nothing listening), and the password prompt of
// one that asks for a password.
void addTouchRemotesSteps(TouchScreenshotTour& tour, QQuickWindow* window, TouchRemotes& remotes);
