#include "app/AppNavigator.h"

#include "app/CentralAccessFactory.h"
#include "models/RemoteSession.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"
#include "screens/AspectRatio/AspectRatioViewController.h"
#include "screens/AudioDelay/AudioDelayViewController.h"
#include "screens/BrowseView/BrowseViewController.h"
#include "screens/ChapterTitle/ChapterTitleViewController.h"
#include "screens/DVD/DVDViewController.h"
#include "screens/Flipside/FlipsideViewController.h"
#include "screens/FoundRemotes/FoundRemotesViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/News/FeedsViewController.h"
#include "screens/RemoteConfig/RemoteConfigViewController.h"
#include "screens/PlaylistView/PlaylistViewController.h"
#include "screens/Setup/SetupInstructionsVC.h"
#include "screens/SkinsView/SkinsViewController.h"
#include "screens/SkinsWebView/SkinsWebViewController.h"
#include "screens/SkipDistance/SkipDistanceViewController.h"
#include "screens/Speed/SpeedViewController.h"
#include "screens/Track/TrackViewController.h"
#include "screens/WebView/WebViewController.h"
#include "ui/BWNavigationController.h"
#include "ui/MailComposer.h"
#include "ui/UrlOpener.h"

AppNavigator::AppNavigator(CentralAccessFactory& factory)
    : m_factory(factory)
{
}

AppNavigator::~AppNavigator()
{
    // A page never pushed has no parent to take it along.
    if (m_itemPage && !m_itemPage->parent())
        delete m_itemPage;
}

void AppNavigator::push(ViewController* screen)
{
    if (screen && m_stack)
        m_stack->pushViewController(screen, true);
}

void AppNavigator::pushShown(ViewController* screen)
{
    if (auto* bw = qobject_cast<BWNavigationController*>(m_stack.data()))
        bw->pushViewControllerVisibility(screen, true, 1);
    else
        push(screen);
}

// --- The remotes list and the remote screen ---------------------------------------

void AppNavigator::showRemote(const std::shared_ptr<VLCController>& remote)
{
    if (!remote || !m_stack)
        return;
    MainViewController* screen = m_factory.mainViewController();
    screen->setCurrentRemote(remote);
    push(screen);
}

void AppNavigator::showRemoteConfig(const std::shared_ptr<VLCController>& remote)
{
    if (!remote || !m_stack)
        return;
    RemoteConfigViewController* config = m_factory.remoteConfigViewController();
    config->setConfigRemote(remote);
    push(config);
}

void AppNavigator::chooseFoundComputer(std::function<void(const std::shared_ptr<VLCController>&)> chosen)
{
    if (!m_stack)
        return;
    FoundRemotesViewController* chooser = m_factory.foundRemotesViewController();
    chooser->setChoice(std::move(chosen));
    push(chooser);
}

// --- From the remote screen ------------------------------------------------------

void AppNavigator::showPlaylist()
{
    PlaylistViewController* screen = m_factory.playlistViewController();
    screen->setCurrentRemote(m_factory.session().remote());
    pushShown(screen);
}

void AppNavigator::showBrowser()
{
    BrowseViewController* screen = m_factory.browseViewController();
    screen->setCurrentRemote(m_factory.session().remote());
    pushShown(screen);
}

// --- The advanced controls ------------------------------------------------------

void AppNavigator::showAdvancedControls()
{
    push(m_factory.luaAdditionalActionsViewController());
}

void AppNavigator::showKeyCommands()
{
    push(m_factory.additionalActionsViewController());
}

void AppNavigator::showDvdNavigation()
{
    push(m_factory.dvdViewController());
}

void AppNavigator::showChapterTitle()
{
    push(m_factory.chapterTitleViewController());
}

void AppNavigator::showAudioVideoTracks()
{
    push(m_factory.audioTrackViewController());
}

void AppNavigator::showSubtitleTracks()
{
    push(m_factory.subtitleTrackViewController());
}

void AppNavigator::showAudioDelay()
{
    push(m_factory.audioDelayViewController());
}

void AppNavigator::showAspectRatio()
{
    push(m_factory.aspectRatioViewController());
}

void AppNavigator::showSpeed()
{
    push(m_factory.speedViewController());
}

// --- Settings, skins, news, help ---------------------------------------------------

void AppNavigator::showSettings()
{
    if (auto* bw = qobject_cast<BWNavigationController*>(m_stack.data()))
        // The settings flip in, and flip back out on the way back.
        bw->queueTransitionType(1, 2);
    push(m_factory.flipsideViewController());
}

void AppNavigator::showSkipDistance()
{
    push(m_factory.skipDistanceViewController());
}

void AppNavigator::showSkins()
{
    push(m_factory.skinsViewController());
}

void AppNavigator::showSkinGallery()
{
    if (!m_stack)
        return;
    SkinsWebViewController* gallery = m_factory.skinsWebViewController();
    pushShown(gallery);
    gallery->loadSkinGallery();
}

void AppNavigator::showNews()
{
    pushShown(m_factory.feedsViewController());
}

void AppNavigator::showNewsItem(const QString& html)
{
    if (!m_stack)
        return;
    // One page per item; the one before goes unless it is still shown.
    if (m_itemPage && !m_stack->viewControllers().contains(m_itemPage))
        m_itemPage->deleteLater();
    auto* page = new WebViewController(m_factory.context());
    m_itemPage = page;
    page->loadHTMLString(html);
    pushShown(page);
}

void AppNavigator::showHelp(const QString& name)
{
    if (!m_stack)
        return;
    WebViewController* page = m_factory.webViewController();
    page->loadHelpPage(name);
    if (m_stack->viewControllers().contains(page))
        m_stack->popToViewController(page, true);
    else
        pushShown(page);
}

void AppNavigator::showBundledPage(const QString& name)
{
    if (!m_stack)
        return;
    WebViewController* page = m_factory.webViewController();
    page->loadBundledPage(name);
    pushShown(page);
}

void AppNavigator::showAbout()
{
    if (!m_stack)
        return;
    WebViewController* page = m_factory.webViewController();
    pushShown(page);
    page->loadAbout();
}

void AppNavigator::showNewsletter()
{
    if (!m_stack)
        return;
    WebViewController* page = m_factory.webViewController();
    pushShown(page);
    page->loadNewsletter();
}

void AppNavigator::showSetupInstructions()
{
    m_factory.setupInstructionsViewController()->presentOn(m_stack);
}

// --- Outside the program --------------------------------------------------------------

void AppNavigator::openExternalUrl(const QUrl& url)
{
    UrlOpener::open(url);
}

void AppNavigator::composeMail(const QString& to, const QString& subject, const QString& body)
{
    MailComposer::sendEmailTo(m_factory.currentAlerts(), to, subject, body, false);
}
