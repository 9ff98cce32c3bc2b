#pragma once

class PlayerLinkAppDelegate;
class ScreenshotTour;

// Pictures of the skin library for the picture tour: the list, its edit
// mode, and the remote screen drawn with the first downloaded skin. They
// start from the remote screen's "More..." sheet and end on the remote
// screen; the chosen skin is put back afterwards.
namespace SkinLibraryTour {
void addSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app);
}
