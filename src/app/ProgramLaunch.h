#pragma once

class RemotesScreen;
class UserDefaults;

// What playerlink does as it starts, before its window, and as it
// ends cleanly (the window closed, SIGTERM or SIGINT), after it.
namespace ProgramLaunch {
// Documents made the owner's alone (also when an older version left it
// open), the bundle installed, what installs and deletes killed mid-way
// left in the skins folder swept away, the launch marked as not yet ended
// (BWLaunchedNotExited), the diagnostic log made, the statistics session
// started.
void applicationDidFinishLaunching(UserDefaults& defaults);
// The last save of the remotes (a password given at a prompt is kept with
// its saved remote), then the launch marked as ended and the statistics
// session ended.
void applicationWillTerminate(RemotesScreen& remotes, UserDefaults& defaults);
}
