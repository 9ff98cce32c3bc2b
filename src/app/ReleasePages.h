#pragma once

class QQuickWindow;

// Qt 6.4's software scene graph frees an image's texture at its next frame
// after the image went; the textures of images still shown when the window
// closes it forgets, and they leak. So before the window goes its pages go,
// the image cache lets go of what no page shows, and one more frame frees
// what they drew.
void releasePages(QQuickWindow* window);
