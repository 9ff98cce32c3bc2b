#pragma once

class QQuickWindow;
class RemotesScreen;
class PictureTour;

// The skins' pictures of the picture tour, under their names: the list,
// in edit mode, the gallery on its bundled page, and an address being typed;
// also in a small window and in landscape.
void addSkinsSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes);
// The remote screen in the first installed skin, when there is one: to be
// called after the skins' steps of a tour that connects.
void addRemoteSkinStep(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes);
