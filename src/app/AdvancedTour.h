#pragma once

class QQuickWindow;
class RemotesScreen;
class PictureTour;

// The advanced controls' pictures of the picture tour, under their
// names: the remote screen's "More..." choices, both menus, and the screens of the full one with the player's
// lists and values (the speed also in the smallest window).
void addAdvancedSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes);
