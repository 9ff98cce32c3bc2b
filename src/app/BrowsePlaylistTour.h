#pragma once

class PlayerLinkAppDelegate;
class ScreenshotTour;

// Pictures of the folder browser (play mode, add mode, landscape) and the
// playlist screen (portrait, landscape) for the picture tour. They start
// and end on the remote screen; the browser opens the folder of the
// playlist's first item.
namespace BrowsePlaylistTour {
void addSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app);
}
