#include "app/SkinLibraryTour.h"

#include "app/CentralAccessFactory.h"
#include "app/PlayerLinkAppDelegate.h"
#include "app/ScreenshotTour.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "screens/SkinsView/SkinsViewController.h"
#include "screens/SkinsWebView/SkinsWebViewController.h"
#include "ui/AlertView.h"
#include "ui/BWNavigationController.h"

#include <QLineEdit>

namespace {
constexpr int skinsButton = 3;
}

void SkinLibraryTour::addSteps(ScreenshotTour& tour, PlayerLinkAppDelegate& app)
{
    SkinsViewController* list = CentralAccessFactory::sharedFactory().skinsViewController();
    tour.addStep(QStringLiteral("skins"), [] {
        if (AlertView* sheet = AlertView::topAlert())
            sheet->pressButton(skinsButton);
    }, 900);
    tour.addStep(QStringLiteral("skins-edit"), [list] { list->setEditing(true); }, 700);
    // The gallery browser: the bundled page (no gallery site is configured
    // for the tour), then an address being typed.
    tour.addStep(QStringLiteral("skins-gallery"), [list] {
        list->setEditing(false);
        list->downloadSkins();
    }, 1500);
    tour.addStep(QStringLiteral("skins-gallery-address"), [] {
        SkinsWebViewController* gallery = CentralAccessFactory::sharedFactory().skinsWebViewController();
        gallery->addressBar()->setFocus();
        gallery->addressBar()->setText(QStringLiteral("192.168.1.20/skins"));
    }, 700);
    if (list->skinList().size() < 2)
        return;
    tour.addStep(QStringLiteral("remote-skin"), [list, &app] {
        UserDefaults& defaults = UserDefaults::standard();
        const QString chosen = defaults.stringForKey(PreferenceKeys::skin);
        defaults.setObject(PreferenceKeys::skin, list->skinList().value(1));
        // The remote screen loads the skin as it comes back into view.
        app.navController()->popViewControllerAnimated(false);
        app.navController()->popViewControllerAnimated(false);
        defaults.setObject(PreferenceKeys::skin, chosen);
    }, 2500);
}
