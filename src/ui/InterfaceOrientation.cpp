#include "InterfaceOrientation.h"

#include "PreferenceKeys.h"
#include "UserDefaults.h"

bool Orientation::allowedByRotationLock(int orientation)
{
    const int locked = UserDefaults::standard().integerForKey(PreferenceKeys::lockRotationSpecific);
    return locked == 0 || locked == orientation;
}
