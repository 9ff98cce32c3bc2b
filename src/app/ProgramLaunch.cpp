#include "app/ProgramLaunch.h"

#include "core/Analytics.h"
#include "bundle/BundleInstaller.h"
#include "core/DiagnosticLog.h"
#include "core/FileHelpers.h"
#include "core/HomePaths.h"
#include "core/PreferenceKeys.h"
#include "core/SkinFolders.h"
#include "core/UserDefaults.h"
#include "skin/SkinArchiveInstaller.h"
#include "models/RemotesScreen.h"

void ProgramLaunch::applicationDidFinishLaunching(UserDefaults& defaults)
{
    // Documents holds the saved passwords.
    FileHelpers::makeDirectory(HomePaths::documents(), FileAccess::OwnerOnly);
    BundleInstaller::install();
    SkinArchiveInstaller(SkinFolders::installedSkins()).sweepLeftovers();
    defaults.boolForKey(PreferenceKeys::launchedNotExited); // read, as at every launch, and not used
    defaults.setBool(PreferenceKeys::launchedNotExited, true);
    DiagnosticLog::create();
    Analytics::startSession(defaults);
}

void ProgramLaunch::applicationWillTerminate(RemotesScreen& remotes, UserDefaults& defaults)
{
    remotes.save();
    defaults.setBool(PreferenceKeys::launchedNotExited, false);
    Analytics::endSession(defaults);
}
