#include "models/MoreActions.h"

#include "core/Localization.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"

QString MoreActions::title()
{
    return localizedString("More...");
}

QStringList MoreActions::buttons()
{
    return { localizedString("Advanced Controls..."), localizedString("Find in IMDB"),
             localizedString("Find in Amazon"),       localizedString("Skins..."),
             localizedString("Settings..."),          localizedString("Cancel") };
}

void MoreActions::choose(int index, RemoteSession& session, Navigator& navigator)
{
    switch (index) {
    case 0: session.openAdvancedControls(); break;
    case 1: session.findInMovieDatabase(); break;
    case 2: session.findInShop(); break;
    case 3: navigator.showSkins(); break;
    case 4: navigator.showSettings(); break;
    default: break;
    }
}
