#include "app/ListsTour.h"

#include "models/LocalFileCast.h"

#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/FolderModel.h"
#include "models/ListTextSize.h"
#include "models/PlaylistModel.h"
#include "models/RemoteSession.h"
#include "models/BrowserScreen.h"
#include "models/RemotesScreen.h"
#include "app/PictureTour.h"
#include "vlc/VLCController.h"

#include <QDir>
#include <QFileInfo>
#include <QQuickItem>
#include <QQuickWindow>
#include <QUrl>

namespace {
const QSize smallest(320, 568);

// The remote screen on top, the pages over it gone.
void backToRemote(QQuickWindow* window, QSize portrait)
{
    window->resize(portrait);
    QMetaObject::invokeMethod(window, "showRemote");
}
}

void addListsSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes,
                        const QString& hostAddress, const QString& password)
{
    // What's New waits for its own picture instead of covering the remote
    // screen wherever it shows before.
    remotes.defaults().setInteger(PreferenceKeys::usersWhatsNewVersion, 2);
    const QSize portrait = tour.portrait();
    const QSize landscape = tour.landscape();
    tour.addStep(QStringLiteral("browse"), [window, &remotes, hostAddress, password, portrait] {
        remotes.connectTo(hostAddress, password);
        backToRemote(window, portrait);
        RemoteSession& session = remotes.session();
        VLCController* remote = session.remote().get();
        if (!remote) {
            session.openBrowser();
            return;
        }
        // The folder of the first item, where there is something to see; the
        // remote is new and its playlist on its way.
        auto openFirstItemsFolder = [remote, &session] {
            if (const PlaylistItem* first = remote->state().playlist().at(0))
                if (const QUrl uri(first->uriText()); uri.isLocalFile())
                    remote->setBrowseDir(QFileInfo(uri.toLocalFile()).path());
            session.openBrowser();
        };
        if (remote->state().playlist().at(0))
            openFirstItemsFolder();
        else
            QObject::connect(remote, &VLCController::playlistChanged, window, openFirstItemsFolder,
                             Qt::SingleShotConnection);
    }, 1500);
    tour.addStep(QStringLiteral("browse-add"), [window] {
        if (auto* browser = window->findChild<BrowserScreen*>())
            browser->setAdds(true);
    }, 800);
    // A file added: the short notice under the bar.
    tour.addStep(QStringLiteral("browse-added"), [window] {
        auto* browser = window->findChild<BrowserScreen*>();
        const QAbstractItemModel* rows = browser ? browser->rows() : nullptr;
        for (int row = rows ? rows->rowCount() - 1 : 0; row > 0; --row)
            if (rows->index(row, 0).data(FolderModel::FileTypeRole).toString() != u"directory") {
                browser->play(row);
                return;
            }
    }, 600);
    // A subtitle file given to what plays, where the folder has one.
    tour.addStep(QStringLiteral("browse-subtitles"), [window] {
        auto* browser = window->findChild<BrowserScreen*>();
        const QAbstractItemModel* rows = browser ? browser->rows() : nullptr;
        for (int row = 0; rows && row < rows->rowCount(); ++row)
            if (rows->index(row, 0).data(FolderModel::SubtitlesOfferedRole).toBool()) {
                browser->useAsSubtitles(row);
                return;
            }
    }, 600);
    // The largest text on the smallest screen: rows grow, names give way.
    tour.addStep(QStringLiteral("browse-large-text"), [window, &remotes] {
        window->resize(smallest);
        remotes.browserTextSize().setFontSize(ListTextSize::maximumSize);
    }, 800);
    tour.addStep(QStringLiteral("browse-landscape"), [window, &remotes, landscape] {
        remotes.browserTextSize().setFontSize(ListTextSize::startingSize);
        if (auto* browser = window->findChild<BrowserScreen*>())
            browser->setAdds(false);
        window->resize(landscape);
    }, 1000);
    tour.addStep(QStringLiteral("playlist"), [window, &remotes, portrait] {
        backToRemote(window, portrait);
        remotes.session().openPlaylist();
    }, 1500);
    tour.addStep(QStringLiteral("playlist-landscape"), [window, landscape] { window->resize(landscape); }, 1000);
    // The question before the playlist is emptied.
    tour.addStep(QStringLiteral("playlist-empty"), [window] {
        window->resize(smallest);
        if (auto* sheet = window->findChild<QObject*>(QStringLiteral("emptySheet")))
            QMetaObject::invokeMethod(sheet, "open");
    }, 800);
    // A word of the second item's name typed into the search field.
    tour.addStep(QStringLiteral("playlist-search"), [window, &remotes, portrait] {
        if (auto* sheet = window->findChild<QObject*>(QStringLiteral("emptySheet")))
            QMetaObject::invokeMethod(sheet, "close");
        window->resize(portrait);
        const PlaylistModel* playlist = remotes.session().playlist();
        const QStringList words = playlist->index(1).data(PlaylistModel::TitleRole).toString().split(u' ', Qt::SkipEmptyParts);
        if (auto* field = window->findChild<QQuickItem*>(QStringLiteral("searchField")))
            field->setProperty("text", words.isEmpty() ? QStringLiteral("song") : words.value(2, words.first()).toLower());
    }, 1000);
    tour.addStep(QStringLiteral("playlist-search-cleared"), [window] {
        if (auto* field = window->findChild<QQuickItem*>(QStringLiteral("searchField")))
            field->setProperty("text", QString());
    }, 800);
    tour.addStep(QStringLiteral("playlist-sort"), [window] {
        if (auto* sheet = window->findChild<QObject*>(QStringLiteral("sortSheet")))
            QMetaObject::invokeMethod(sheet, "open");
    }, 800);
    // An address VLC is not sent: the sheet says why.
    tour.addStep(QStringLiteral("open-address"), [window] {
        if (auto* sheet = window->findChild<QObject*>(QStringLiteral("sortSheet")))
            QMetaObject::invokeMethod(sheet, "close");
        if (auto* sheet = window->findChild<QObject*>(QStringLiteral("openAddressSheet")))
            QMetaObject::invokeMethod(sheet, "ask", Q_ARG(QString, QStringLiteral("file:///home/film.mkv")));
    }, 800);
    tour.addStep(QStringLiteral("open-address-small"), [window] { window->resize(smallest); }, 800);
    // A file of this computer (where VLC runs here, the playlist's first
    // item) to be played on VLC, and then served to it.
    auto firstLocalFile = [&remotes] {
        const VLCController* remote = remotes.session().remote().get();
        const PlaylistItem* first = remote ? remote->state().playlist().at(0) : nullptr;
        const QUrl uri = first ? QUrl(first->uriText()) : QUrl();
        return uri.isLocalFile() ? uri : QUrl::fromLocalFile(QDir::home().filePath(QStringLiteral("film.mkv")));
    };
    tour.addStep(QStringLiteral("cast-files"), [window, portrait, firstLocalFile] {
        if (auto* sheet = window->findChild<QObject*>(QStringLiteral("openAddressSheet")))
            QMetaObject::invokeMethod(sheet, "close");
        window->resize(portrait);
        if (auto* sheet = window->findChild<QObject*>(QStringLiteral("castFilesSheet")))
            QMetaObject::invokeMethod(sheet, "ask", Q_ARG(QVariant, QVariant::fromValue(QList<QUrl> { firstLocalFile() })));
    }, 800);
    tour.addStep(QStringLiteral("served-files"), [window, &remotes, firstLocalFile] {
        if (auto* sheet = window->findChild<QObject*>(QStringLiteral("castFilesSheet")))
            QMetaObject::invokeMethod(sheet, "close");
        remotes.cast()->enqueue({ firstLocalFile() });
    }, 2500);
    // Back on the remote screen for the first time since it was set up, it
    // shows What's New once.
    tour.addStep(QStringLiteral("whats-new-once"), [window, &remotes, portrait] {
        remotes.cast()->stopAll();
        window->resize(portrait);
        remotes.defaults().removeObject(PreferenceKeys::usersWhatsNewVersion);
        remotes.navigator().goBack();
    }, 1200);
    tour.addStep(QStringLiteral("remote-again"), [window, portrait] { backToRemote(window, portrait); }, 900);
}
