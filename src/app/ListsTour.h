#pragma once

class QQuickWindow;
class QString;
class RemotesScreen;
class PictureTour;

// The picture tour's browse and playlist screens, opened from the remote
// screen as a user would, in both shapes, the playlist also searched. The
// remote is the one given on the command line again (hostAddress and its
// password, null for none), whichever the tour showed last.
void addListsSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes,
                        const QString& hostAddress, const QString& password);
