#pragma once

#include <QString>

// Puts the application bundle (the shipped skin and other resources) into
// "PlayerLink.app" in the home directory, where skins are looked up by
// path; done again only when the shipped files changed.
class BundleInstaller {
public:
    // True when the bundle is in place afterwards.
    static bool install();
    // Where the shipped files come from: share/playerlink beside an
    // installed program, else the copy built into it.
    static QString sourceRoot();
    // What the shipped files are: names and content hashes, to tell versions apart.
    static QString fingerprint();
};
