#include "app/BrowsePlaylistTour.h"

#include "app/AppWindow.h"
#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "core/FoldedText.h"
#include "screens/BrowseView/BrowseViewController.h"
#include "screens/MainView/MainViewController.h"
#include "screens/PlaylistView/PlaylistViewController.h"
#include "ui/BWNavigationController.h"
#include "vlc/VLCController.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>
#include <QUrl>

namespace {
void landscape(AppWindow* window)
{
    // Wider first: each shape has its own smallest size.
    window->resize(AppWindow::defaultSize.height(), AppWindow::defaultSize.height() - 100);
    window->resize(AppWindow::defaultSize.height(), AppWindow::defaultSize.width());
}

void portrait(AppWindow* window)
{
    window->resize(AppWindow::defaultSize.width(), AppWindow::defaultSize.height() + 100);
    window->resize(AppWindow::defaultSize);
}
}

void BrowsePlaylistTour::addSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app)
{
    CentralAccessFactory& access = CentralAccessFactory::sharedFactory();
    MainViewController* remoteScreen = access.mainViewController();
    BrowseViewController* browser = access.browseViewController();
    AppWindow* window = app.window();
    tour.addStep(QStringLiteral("browse"), [remoteScreen, window, &app] {
        // From the remote screen itself: once back on top it may put a
        // first-run notice over itself, which is taken away again.
        app.navController()->popToViewController(remoteScreen, false);
        portrait(window);
        QTimer::singleShot(400, remoteScreen, [remoteScreen, &app] {
            app.navController()->popToViewController(remoteScreen, false);
            if (const std::shared_ptr<VLCController> remote = remoteScreen->currentRemote()) {
                if (const PlaylistItem* first = remote->state().playlist().at(0)) {
                    const QUrl uri(first->uriText());
                    if (uri.isLocalFile())
                        remote->setBrowseDir(QFileInfo(uri.toLocalFile()).path());
                }
            }
            remoteScreen->browse();
        });
    }, 1900);
    tour.addStep(QStringLiteral("browse-add"), [browser] { browser->setAddPlay(browser->modeButton()); }, 800);
    // A file added: the short confirmation under the bar.
    tour.addStep(QStringLiteral("browse-added"), [browser] {
        const std::shared_ptr<VLCController> remote = browser->currentRemote();
        for (int row = remote ? int(remote->state().browseArray().size()) - 1 : 0; row > 0; --row)
            if (remote->filetypeForIndex(row) != QStringLiteral("directory")) {
                browser->playRow(row);
                return;
            }
    }, 600);
    tour.addStep(QStringLiteral("browse-landscape"), [window] { landscape(window); }, 1500);
    tour.addStep(QStringLiteral("playlist"), [browser, remoteScreen, window, &app] {
        browser->setAddPlay(browser->modeButton());
        app.navController()->popViewControllerAnimated(false);
        portrait(window);
        remoteScreen->playlist();
    }, 1800);
    tour.addStep(QStringLiteral("playlist-landscape"), [window] { landscape(window); }, 1500);
    // A search typed: a word of the second item's name, without its case and accents.
    PlaylistViewController* playlist = access.playlistViewController();
    tour.addStep(QStringLiteral("playlist-search"), [playlist, window] {
        portrait(window);
        const std::shared_ptr<VLCController> remote = playlist->currentRemote();
        const PlaylistItem* item = remote ? remote->state().playlist().at(1) : nullptr;
        const QStringList words = item ? remote->state().titleOf(*item).split(u' ', Qt::SkipEmptyParts) : QStringList();
        const QString word = words.isEmpty() ? QString() : FoldedText::fold(words.value(2, words.first()));
        playlist->searchField()->setFocus();
        playlist->searchField()->setText(word);
    }, 1500);
    tour.addStep(QStringLiteral("playlist-search-cleared"), [playlist] { playlist->searchField()->clear(); }, 800);
    // Back on the remote screen for the first time since it was set up, it
    // shows What's new once.
    tour.addStep(QStringLiteral("whats-new-once"), [window, &app] {
        app.navController()->popViewControllerAnimated(false);
        portrait(window);
    }, 1200);
    tour.addStep(QStringLiteral("remote-again"), [&app] {
        if (!qobject_cast<MainViewController*>(app.navController()->topViewController()))
            app.navController()->popViewControllerAnimated(false);
    }, 1200);
}
