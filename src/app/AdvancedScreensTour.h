#pragma once

class PlayerLinkAppDelegate;
class ScreenshotTour;

// The picture tour's steps through settings and the advanced controls,
// with the remote screen's remote (best playing a file with several audio
// and subtitle tracks and chapters): settings, skip distance, both menus,
// the four list screens, speed, audio delay and DVD.
namespace AdvancedScreensTour {
void addSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app);
}
