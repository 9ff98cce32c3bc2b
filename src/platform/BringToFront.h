#pragma once

class QWindow;

// Brings a shown window to the front and asks for the keyboard focus, out
// of a minimized state too: what a later launch of the program does to the
// running one.
void bringToFront(QWindow* window);
