#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "screens/AdditionalActions/AdditionalActionsViewController.h"
#include "screens/AspectRatio/AspectRatioViewController.h"
#include "screens/AudioDelay/AudioDelayViewController.h"
#include "screens/AudioVideoTrack/AudioVideoTrackViewController.h"
#include "screens/ChapterTitle/ChapterTitleViewController.h"
#include "screens/Common/CentralAccess.h"
#include "screens/DVD/DVDViewController.h"
#include "screens/Speed/SpeedViewController.h"
#include "screens/SubtitleTrack/SubtitleTrackViewController.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "core/RowKeys.h"
#include "vlc/ServerDialect.h"
#include "vlc/VLCController.h"

LuaAdditionalActionsViewController::LuaAdditionalActionsViewController(QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("Advanced Controls"));
    setBackButtonTitle(localizedString("Controls"));
    auto* keys = new BarButtonItem(localizedString("Keys"), BarButtonItem::Bordered, this);
    connect(keys, &BarButtonItem::triggered, this, &LuaAdditionalActionsViewController::showKeyCommands);
    navigationItem()->setRightBarButtonItem(keys);
}

bool LuaAdditionalActionsViewController::suits(const VLCController& remote)
{
    // VLC 3's interface is the Lua one, and its status lists what these
    // screens show (its apiversion says which interface answers).
    return remote.isLuaUnlocked() || remote.dialect().isModern();
}

void LuaAdditionalActionsViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(localizedString("Lua Stuff..."));
    QVariantMap row = displayRow();
    DictionaryHelpers::setInt(row, TableViewCell::AccessoryDisclosureIndicator, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
    auto add = [&](int id, const char* text) {
        DictionaryHelpers::setInt(row, id, BW_ROW_ID_INT);
        row.insert(BW_ROW__AUTO_TEXT_STRING, localizedString(text));
        structure.addRow(row);
    };
    add(DvdNavigationRow, L10N_NOOP("DVD Navigation"));
    add(ChapterTitleRow, L10N_NOOP("Chapter & Title"));
    add(SubtitlesRow, L10N_NOOP("Subtitles"));
    add(AudioVideoTrackRow, L10N_NOOP("Audio & Video Track"));
    add(AudioDelayRow, L10N_NOOP("Audio & Delay Settings"));
    add(AspectRatioRow, L10N_NOOP("Aspect Ratio"));
    add(SpeedRow, L10N_NOOP("Speed"));
    setTableStructure(structure);
}

void LuaAdditionalActionsViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    CentralAccess& access = CentralAccess::shared();
    ViewController* screen = nullptr;
    switch (tableStructure()->rowIdForIndexPath(indexPath)) {
    case DvdNavigationRow:
        screen = access.dvdViewController();
        break;
    case ChapterTitleRow:
        screen = access.chapterTitleViewController();
        break;
    case SubtitlesRow:
        screen = access.subtitleTrackViewController();
        break;
    case AudioVideoTrackRow:
        screen = access.audioTrackViewController();
        break;
    case AudioDelayRow:
        screen = access.audioDelayViewController();
        break;
    case AspectRatioRow:
        screen = access.aspectRatioViewController();
        break;
    case SpeedRow:
        screen = access.speedViewController();
        break;
    default:
        break;
    }
    if (screen && navigationController())
        navigationController()->pushViewController(screen, true);
    table->deselectRowAtIndexPath(indexPath, true);
}

void LuaAdditionalActionsViewController::showKeyCommands()
{
    if (navigationController())
        navigationController()->pushViewController(CentralAccess::shared().additionalActionsViewController(), true);
}
