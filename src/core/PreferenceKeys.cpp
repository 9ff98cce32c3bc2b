#include "core/PreferenceKeys.h"

QVariantMap PreferenceKeys::registeredDefaults()
{
    return {
        { autoScan, true },
        { launchedNotExited, false },
        { skin, QStringLiteral("PlayerLink.app/DefaultSkin") },
        { disableLibs, false },
        { skipDistance, 30 },
        { skipDistanceWord, QStringLiteral("30 Seconds") },
        { playFolders, true },
        { lockRotation, false },
        { lockRotationSpecific, 0 },
        { onlyShowMediaFiles, false },
        { disableKeyguard, false },
        { showPicker, false },
        { disableSleep, false },
        { slideRemoteScreens, true },
    };
}
