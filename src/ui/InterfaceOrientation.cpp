#include "ui/InterfaceOrientation.h"

#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

bool Orientation::allowedByRotationLock(int orientation)
{
    const int locked = UserDefaults::standard().integerForKey(PreferenceKeys::lockRotationSpecific);
    return locked == 0 || locked == orientation;
}
