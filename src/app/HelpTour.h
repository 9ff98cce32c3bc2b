#pragma once

class QQuickWindow;
class RemotesScreen;
class PictureTour;

// The help viewer's pictures of the picture tour, under their names:
// each bundled help page, and the help page in a small window and in
// landscape.
void addHelpSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes);
