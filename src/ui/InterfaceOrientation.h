#pragma once

#include <QSize>

// The platform's orientation codes, as the rotation preference stores them.
enum InterfaceOrientation : int {
    OrientationUnknown = 0,
    OrientationPortrait = 1,
    OrientationPortraitUpsideDown = 2,
    OrientationLandscapeRight = 3,
    OrientationLandscapeLeft = 4,
};

namespace Orientation {
// A window at least as tall as wide is portrait; a wider one is landscape.
inline InterfaceOrientation forSize(const QSize& size)
{
    if (size.isEmpty())
        return OrientationUnknown;
    return size.height() >= size.width() ? OrientationPortrait : OrientationLandscapeRight;
}

inline bool isLandscape(int orientation)
{
    return orientation == OrientationLandscapeLeft || orientation == OrientationLandscapeRight;
}

inline bool isPortrait(int orientation)
{
    return orientation == OrientationPortrait || orientation == OrientationPortraitUpsideDown;
}

// Every screen's rule: all orientations while the lock (the preference's
// value) is 0, otherwise only the one it names.
inline bool allowedByRotationLock(int orientation, int lockedOrientation)
{
    return lockedOrientation == 0 || lockedOrientation == orientation;
}
}
