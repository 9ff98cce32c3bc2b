#pragma once

#include <QString>

// The application's home directory and the folders inside it. PLAYERLINK_HOME
// overrides the platform's app-data folder (tests always set it).
class HomePaths {
public:
    static QString home();
    static QString documents();   // <home>/Documents
    static QString tmp();         // <home>/tmp
    static QString bundle();      // <home>/PlayerLink.app
    static QString preferencesFile();
    // The platform's cache folder for the application; <home>/Caches when
    // PLAYERLINK_HOME is set.
    static QString cache();
    // Resolves a path written relative to the home directory, such as
    // "PlayerLink.app/DefaultSkin"; absolute paths are returned unchanged.
    static QString resolve(const QString& relative);
};
