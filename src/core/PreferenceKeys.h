#pragma once

#include <QString>
#include <QVariantMap>

// The preference keys of the system and the defaults registered for them
// before anything reads them.
namespace PreferenceKeys {
inline const QString autoScan = QStringLiteral("BWAutoScan");
inline const QString launchedNotExited = QStringLiteral("BWLaunchedNotExited");
inline const QString skin = QStringLiteral("BWSKin");
inline const QString disableLibs = QStringLiteral("BWDisableLibs");
inline const QString skipDistance = QStringLiteral("BWSkipDistance");
inline const QString skipDistanceWord = QStringLiteral("BWSkipDistanceWord");
inline const QString playFolders = QStringLiteral("BWPlayFolders");
inline const QString lockRotation = QStringLiteral("BWLockRotation");
inline const QString lockRotationSpecific = QStringLiteral("BWLockRotationSpecific");
inline const QString onlyShowMediaFiles = QStringLiteral("BWOnlyShowMediaFiles");
inline const QString disableKeyguard = QStringLiteral("BWDisableKeyguard");
inline const QString showPicker = QStringLiteral("BWShowPicker");
inline const QString disableSleep = QStringLiteral("BWDisableSleep");
inline const QString slideRemoteScreens = QStringLiteral("BWSlideRemoteScreens");
// Keys without a registered default.
inline const QString doubleVol = QStringLiteral("BWDoubleVol");
inline const QString usersWhatsNewVersion = QStringLiteral("BWUsersWhatsNewVersion");
inline const QString haveShownDvdWarning = QStringLiteral("BWHaveShownDvdWarning");
inline const QString noSkinVersion = QStringLiteral("BWNoSkinVersion");
inline const QString haveSetupSuccesfully = QStringLiteral("BWHaveSetupSuccesfully");
inline const QString haveSeenSetupPage = QStringLiteral("BWHaveSeenSetupPage");
inline const QString haveReportedSuccesfullSetup = QStringLiteral("BWHaveReportedSuccesfullSetup");
inline const QString slideScreenPosition = QStringLiteral("BWSlideScreenPosition");
inline const QString newsMostRecentReadItem = QStringLiteral("BW_NewsMostRecentReadItem");
// The addresses typed on the setup screen, newest first, offered again there.
inline const QString setupEmailAddresses = QStringLiteral("BWSetupEmailAddresses");
// This installation's stable identifier (see DeviceIdentifier).
inline const QString deviceIdentifier = QStringLiteral("BWDeviceIdentifier");
// The preferred languages, first the one to show pages in; when unset the
// desktop's own language list is used.
inline const QString appleLanguages = QStringLiteral("AppleLanguages");

QVariantMap registeredDefaults();
}
