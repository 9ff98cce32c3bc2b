#pragma once

#include <Qt>

// Whether the program counts as in use, for every front end: its window is
// shown and not minimised, the platform has not put the application away
// (hidden, or suspended as a phone does in the background) and the
// session's screen is not locked. Another window having the focus does not
// count: a visible remote keeps polling.
namespace ShownToUser {
bool isActive(Qt::ApplicationState state, bool windowShown, bool sessionLocked);
}
