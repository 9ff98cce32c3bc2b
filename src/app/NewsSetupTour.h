#pragma once

class PlayerLinkAppDelegate;
class ScreenshotTour;

// Adds the news (loading, loaded, an item), the setup screen with an alert
// and, when a remote is shown, the remote screen's news badge to the
// picture tour. What the news shows depends on the configured news site.
void addNewsAndSetupSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app, bool withRemote);
