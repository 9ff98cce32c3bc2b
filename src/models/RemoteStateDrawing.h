#pragma once

#include "models/RemoteAnswer.h"

class QPainter;

// The small traffic cone of a computer's row, the same in every front end:
// orange when VLC answers, with a badge for what stands in the way (a key
// for a password, a red key for a wrong one, "!" for VLC without a password
// or for an unusable address, a no-entry sign for a refusal), grey when
// nothing answers.
namespace RemoteStateDrawing {
// The side of the square it is drawn in, in device-independent pixels.
constexpr int size = 30;

// Draws into the square (0, 0) to (size, size) of the painter's present
// coordinates (the caller scales for other sizes) and leaves the painter as
// it found it.
void draw(QPainter& painter, RemoteAnswer answer);
}
