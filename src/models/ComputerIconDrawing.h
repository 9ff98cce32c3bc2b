#pragma once

class QPainter;

// The row icons of the remotes list, the same in every front end: a
// computer screen, and the same screen with a green plus for "Add computer".
namespace ComputerIconDrawing {
// The side of the square it is drawn in, in device-independent pixels.
constexpr int size = 25;

// Draws into the square (0, 0) to (size, size) of the painter's present
// coordinates (the caller scales for other sizes) and leaves the painter as
// it found it.
void draw(QPainter& painter, bool withPlus);
}
