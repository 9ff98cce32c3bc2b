#pragma once

#include <Qt>

// What a key pressed anywhere in the window does on the remote screen, for
// every front end: space plays or pauses, left and right skip, up and down
// change the volume, N and P change the item, F asks for full screen, Page
// Up/Down and Ctrl+Left/Right turn the skin's pages; Escape goes back a
// screen (wherever the user is).
namespace RemoteKeys {
enum class Action {
    None,
    PlayPause,
    ScanBack,
    ScanForward,
    VolumeUp,
    VolumeDown,
    Next,
    Previous,
    FullScreen,
    PreviousPage,
    NextPage,
    Back,
};

// The keypad modifier is ignored, so the keypad's arrows count too; a held
// Escape goes back once.
Action actionFor(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false);
}
