#pragma once

#include "models/SettingsScreen.h"
#include "models/NewsScreen.h"
#include "models/SetupScreen.h"
#include "models/AdvancedScreens.h"
#include "models/ChoiceRows.h"
#include "models/AlertSheets.h"
#include "models/EqualizerModel.h"
#include "models/LocalFileCast.h"
#include "models/OpenAddressModel.h"
#include "models/SkinsScreen.h"
#include "models/WebPageScreen.h"
#include "models/RemotesScreen.h"
#include "models/RemoteScreen.h"
#include "models/PageNavigation.h"
#include "models/ListScreen.h"
#include "models/BrowserScreen.h"
#include "models/PlaylistScreen.h"
#include "models/RemoteConfigForm.h"
#include "models/HelpScreen.h"

#include <QtQml/qqmlregistration.h>

// The models of src/models that pages name by type, registered in the
// program's module so that its pages and qmllint know their properties.
struct EqualizerModelForeign {
    Q_GADGET
    QML_FOREIGN(EqualizerModel)
    QML_NAMED_ELEMENT(EqualizerModel)
    QML_UNCREATABLE("The equalizer is made by the program")
};

struct EqualizerPresetModelForeign {
    Q_GADGET
    QML_FOREIGN(EqualizerPresetModel)
    QML_NAMED_ELEMENT(EqualizerPresetModel)
    QML_UNCREATABLE("The presets belong to the equalizer")
};

struct OpenAddressModelForeign {
    Q_GADGET
    QML_FOREIGN(OpenAddressModel)
    QML_NAMED_ELEMENT(OpenAddressModel)
    QML_UNCREATABLE("The address form is made by the program")
};

struct SettingsScreenForeign {
    Q_GADGET
    QML_FOREIGN(SettingsScreen)
    QML_NAMED_ELEMENT(SettingsScreen)
    QML_UNCREATABLE("The settings are made by the program")
};

struct NewsScreenForeign {
    Q_GADGET
    QML_FOREIGN(NewsScreen)
    QML_NAMED_ELEMENT(NewsScreen)
    QML_UNCREATABLE("The news is made by the program")
};

struct SetupScreenForeign {
    Q_GADGET
    QML_FOREIGN(SetupScreen)
    QML_NAMED_ELEMENT(SetupScreen)
    QML_UNCREATABLE("The setup screen is made by the program")
};

struct AdvancedScreensForeign {
    Q_GADGET
    QML_FOREIGN(AdvancedScreens)
    QML_NAMED_ELEMENT(AdvancedScreens)
    QML_UNCREATABLE("The advanced controls are made by the program")
};

struct ChoiceRowsForeign {
    Q_GADGET
    QML_FOREIGN(ChoiceRows)
    QML_NAMED_ELEMENT(ChoiceRows)
    QML_UNCREATABLE("The lists are made by the program")
};

struct AlertSheetsForeign {
    Q_GADGET
    QML_FOREIGN(AlertSheets)
    QML_NAMED_ELEMENT(AlertSheets)
    QML_UNCREATABLE("The alerts are made by the program")
};

struct LocalFileCastForeign {
    Q_GADGET
    QML_FOREIGN(LocalFileCast)
    QML_NAMED_ELEMENT(LocalFileCast)
    QML_UNCREATABLE("The files served are kept by the program")
};

struct WebPageScreenForeign {
    Q_GADGET
    QML_FOREIGN(WebPageScreen)
    QML_NAMED_ELEMENT(WebPageScreen)
    QML_UNCREATABLE("Pages are made by the screens that show them")
};

struct SkinsScreenForeign {
    Q_GADGET
    QML_FOREIGN(SkinsScreen)
    QML_NAMED_ELEMENT(SkinsScreen)
    QML_UNCREATABLE("The skins are made by the program")
};

struct RemotesScreenForeign {
    Q_GADGET
    QML_FOREIGN(RemotesScreen)
    QML_NAMED_ELEMENT(RemotesScreen)
    QML_UNCREATABLE("The remotes are made by the program")
};

struct PageNavigationForeign {
    Q_GADGET
    QML_FOREIGN(PageNavigation)
    QML_NAMED_ELEMENT(PageNavigation)
    QML_UNCREATABLE("The navigation is made by the program")
};

struct ListScreenForeign {
    Q_GADGET
    QML_FOREIGN(ListScreen)
    QML_ANONYMOUS
};

// The browse and playlist screens and the remote's settings form are made
// by their pages.
struct BrowserScreenForeign {
    Q_GADGET
    QML_FOREIGN(BrowserScreen)
    QML_NAMED_ELEMENT(BrowserScreen)
};

struct PlaylistScreenForeign {
    Q_GADGET
    QML_FOREIGN(PlaylistScreen)
    QML_NAMED_ELEMENT(PlaylistScreen)
};

struct RemoteConfigFormForeign {
    Q_GADGET
    QML_FOREIGN(RemoteConfigForm)
    QML_NAMED_ELEMENT(RemoteConfigForm)
};

struct HelpScreenForeign {
    Q_GADGET
    QML_FOREIGN(HelpScreen)
    QML_NAMED_ELEMENT(HelpScreen)
    QML_UNCREATABLE("The help viewer is made by the program")
};

struct RemoteScreenForeign {
    Q_GADGET
    QML_FOREIGN(RemoteScreen)
    QML_NAMED_ELEMENT(RemoteScreen)
};
