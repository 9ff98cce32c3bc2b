#pragma once

class PlayerLinkAppDelegate;
class ScreenshotTour;

// Adds the remotes list with a computer in each state (answered by small
// servers on loopback that reply as VLC would), the configuration screen
// and the found-computers chooser to the picture tour. Nothing is saved.
void addRemotesSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app);
