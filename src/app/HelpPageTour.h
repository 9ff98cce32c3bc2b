#pragma once

class PlayerLinkAppDelegate;
class ScreenshotTour;

// Adds the built-in help pages, each in the web page viewer, to the
// picture tour.
void addHelpPageSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app);
