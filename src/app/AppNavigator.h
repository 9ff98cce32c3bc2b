#pragma once

#include "models/Navigator.h"
#include "ui/NavigationController.h"

#include <QPointer>

class CentralAccessFactory;
class ViewController;
class WebViewController;

// The screens' intents, carried out with the factory's screens on the
// application's navigation stack: the advanced controls and the settings'
// screens pushed plainly, web pages with their bar shown, the setup screen
// with its page curl. Without a stack nothing is shown.
class AppNavigator : public Navigator {
public:
    explicit AppNavigator(CentralAccessFactory& factory);
    ~AppNavigator() override;

    NavigationController* stack() const { return m_stack; }
    void setStack(NavigationController* stack) { m_stack = stack; }

    void showRemote(const std::shared_ptr<VLCController>& remote) override;
    void showRemoteConfig(const std::shared_ptr<VLCController>& remote) override;
    void chooseFoundComputer(std::function<void(const std::shared_ptr<VLCController>&)> chosen) override;

    void showPlaylist() override;
    void showBrowser() override;
    void showAdvancedControls() override;
    void showKeyCommands() override;
    void showDvdNavigation() override;
    void showChapterTitle() override;
    void showAudioVideoTracks() override;
    void showSubtitleTracks() override;
    void showAudioDelay() override;
    void showAspectRatio() override;
    void showSpeed() override;

    void showSettings() override;
    void showSkipDistance() override;
    void showSkins() override;
    void showSkinGallery() override;
    void showNews() override;
    void showNewsItem(const QString& html) override;
    void showHelp(const QString& page) override;
    void showBundledPage(const QString& page) override;
    void showAbout() override;
    void showNewsletter() override;
    void showSetupInstructions() override;

    void openExternalUrl(const QUrl& url) override;
    void composeMail(const QString& to, const QString& subject, const QString& body) override;

private:
    void push(ViewController* screen);
    // With the navigation bar shown.
    void pushShown(ViewController* screen);

    CentralAccessFactory& m_factory;
    QPointer<NavigationController> m_stack;
    // The page of the news item shown last; one at a time.
    QPointer<WebViewController> m_itemPage;
};
