#include "app/SkinsTour.h"

#include "models/Navigator.h"
#include "models/SkinListModel.h"
#include "models/RemotesScreen.h"
#include "app/PictureTour.h"
#include "models/SkinsScreen.h"

#include <QQuickItem>
#include <QQuickWindow>

#include <algorithm>

void addSkinsSteps(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes)
{
    auto item = [window](const char* name) { return window->findChild<QQuickItem*>(QString::fromLatin1(name)); };
    auto setEditing = [item](bool editing) {
        if (QQuickItem* page = item("skinsPage"))
            page->setProperty("editing", editing);
    };
    // From the remote screen's "More...", as a user reaches it.
    tour.addStep(QStringLiteral("skins"), [&tour, window, &remotes] {
        window->resize(tour.portrait());
        QMetaObject::invokeMethod(window, "showRemote");
        remotes.navigator().showSkins();
    }, 900);
    tour.addStep(QStringLiteral("skins-edit"), [setEditing] { setEditing(true); }, 700);
    tour.addStep(QStringLiteral("skins-small"), [window] { window->resize(320, 568); }, 700);
    tour.addStep(QStringLiteral("skins-landscape"), [&tour, window] { window->resize(tour.landscape()); }, 700);
    // The bundled page: no gallery site is configured for the tour.
    tour.addStep(QStringLiteral("skins-gallery"), [&tour, window, setEditing, &remotes] {
        window->resize(tour.portrait());
        setEditing(false);
        remotes.navigator().showSkinGallery();
    }, 1500);
    tour.addStep(QStringLiteral("skins-gallery-address"), [item] {
        if (QQuickItem* address = item("addressBar")) {
            address->forceActiveFocus();
            address->setProperty("text", QStringLiteral("192.168.1.20/skins"));
        }
    }, 700);
    tour.addStep(QStringLiteral("skins-gallery-small"), [window] { window->resize(320, 568); }, 900);
    tour.addStep(QStringLiteral("skins-gallery-landscape"), [&tour, window] { window->resize(tour.landscape()); }, 900);
}

void addRemoteSkinStep(PictureTour& tour, QQuickWindow* window, RemotesScreen& remotes)
{
    auto* list = qobject_cast<SkinListModel*>(remotes.skins()->list());
    if (!list || list->rowCount() < 2)
        return;
    // The first installed skin is chosen and the choice given back once the
    // remote screen has taken it.
    tour.addStep(QStringLiteral("remote-skin"), [&tour, window, list] {
        const int chosen = int(list->identifiers().indexOf(list->chosen()));
        window->resize(tour.portrait());
        list->choose(1);
        QMetaObject::invokeMethod(window, "showRemote");
        list->choose(std::max(chosen, 0));
    }, 2500);
}
