#pragma once

#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

// The orientation the user locked rotation to in the settings; 0 when none.
inline int lockedRotation(const UserDefaults& defaults)
{
    return defaults.integerForKey(PreferenceKeys::lockRotationSpecific);
}
