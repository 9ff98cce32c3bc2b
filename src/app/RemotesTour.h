#pragma once

class QQuickWindow;
class RemotesScreen;
class PictureTour;

// The remotes list's pictures of the picture tour, under their names:
// computers in every state the list tells (each a server on loopback that
// answers as VLC would, or nothing listening), and the password prompt of
// one that asks for a password.
void addRemotesSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes);
