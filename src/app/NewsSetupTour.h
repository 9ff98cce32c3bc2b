#pragma once

class QQuickWindow;
class RemotesScreen;
class PictureTour;

// The news and setup pictures of the picture tour, under their names:
// the remote screen's News button (withRemote), the news while it loads and
// after (also at 320 x 568 and in landscape), an item's page, the setup
// screen from a help page's link (also small and in landscape), its notice
// for a blank address, and the list once it is gone.
void addNewsSetupSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes, bool withRemote);
