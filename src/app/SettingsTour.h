#pragma once

class QQuickWindow;
class RemotesScreen;
class PictureTour;

// The settings' pictures of the picture tour, under their names: the
// settings, their last rows, and the skip distances.
void addSettingsSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes);
