#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class VLCController;

// Where the user wants to go, as the screens and models ask for it: each
// front end shows its own screen for an intent, so that no screen reaches
// another. A front end without a screen for an intent leaves it undone
// (the defaults do nothing).
class Navigator {
public:
    virtual ~Navigator() = default;

    // --- The remotes list and the remote screen ---------------------------------
    // Opens the remote screen for a remote (the one shown from now on).
    virtual void showRemote(const std::shared_ptr<VLCController>& remote) { }
    // Back to the remotes list, whatever is on top of it.
    virtual void showRemotes() { }
    // Leaves the screen on top.
    virtual void goBack() { }
    // Adding or editing a computer.
    virtual void showRemoteConfig(const std::shared_ptr<VLCController>& remote) { }
    // The found computers to choose one from; chosen hears the choice.
    virtual void chooseFoundComputer(std::function<void(const std::shared_ptr<VLCController>&)> chosen) { }

    // --- From the remote screen ---------------------------------------------------
    virtual void showPlaylist() { }
    virtual void showBrowser() { }
    // The advanced-controls menu: with the screens of VLC's Lua interface,
    // or the plain key commands (see RemoteSession::openAdvancedControls).
    virtual void showAdvancedControls() { }
    virtual void showKeyCommands() { }
    virtual void showDvdNavigation() { }
    virtual void showChapterTitle() { }
    virtual void showAudioVideoTracks() { }
    virtual void showSubtitleTracks() { }
    virtual void showAudioDelay() { }
    virtual void showAspectRatio() { }
    virtual void showSpeed() { }
    virtual void showEqualizer() { }

    // --- Settings, skins, news, help --------------------------------------------
    virtual void showSettings() { }
    virtual void showSkipDistance() { }
    virtual void showSkins() { }
    virtual void showSkinGallery() { }
    virtual void showNews() { }
    // One news item's page, made by NewsModel::itemPage.
    virtual void showNewsItem(const QString& html) { }
    // A help page by name ("help", "cantSee", "credit", "whatsNew", ...):
    // the maker's page when a help site is configured, else the bundled one.
    virtual void showHelp(const QString& page) { }
    // A page of the bundle only ("router").
    virtual void showBundledPage(const QString& page) { }
    virtual void showAbout() { }
    virtual void showNewsletter() { }
    virtual void showSetupInstructions() { }

    // --- Outside the program ------------------------------------------------------
    // In the system's browser.
    virtual void openExternalUrl(const QUrl& url) { }
    // In the system's mail program.
    virtual void composeMail(const QString& to, const QString& subject, const QString& body) { }
};
