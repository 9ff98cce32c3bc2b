#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/RowKeys.h"
#include "models/Navigator.h"
#include "models/RemoteSession.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationItem.h"

LuaAdditionalActionsViewController::LuaAdditionalActionsViewController(const AppContext& context, QWidget* parent)
    : StyledTableViewController(parent)
    , m_context(context)
{
    setTitle(localizedString("Advanced Controls"));
    setBackButtonTitle(localizedString("Controls"));
    auto* keys = new BarButtonItem(localizedString("Keys"), BarButtonItem::Bordered, this);
    connect(keys, &BarButtonItem::triggered, this, &LuaAdditionalActionsViewController::showKeyCommands);
    navigationItem()->setRightBarButtonItem(keys);
}

bool LuaAdditionalActionsViewController::suits(const VLCController& remote)
{
    return RemoteSession::offersAdvancedScreens(remote);
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
    Navigator& navigator = m_context.navigator;
    switch (tableStructure()->rowIdForIndexPath(indexPath)) {
    case DvdNavigationRow:
        navigator.showDvdNavigation();
        break;
    case ChapterTitleRow:
        navigator.showChapterTitle();
        break;
    case SubtitlesRow:
        navigator.showSubtitleTracks();
        break;
    case AudioVideoTrackRow:
        navigator.showAudioVideoTracks();
        break;
    case AudioDelayRow:
        navigator.showAudioDelay();
        break;
    case AspectRatioRow:
        navigator.showAspectRatio();
        break;
    case SpeedRow:
        navigator.showSpeed();
        break;
    default:
        break;
    }
    table->deselectRowAtIndexPath(indexPath, true);
}

void LuaAdditionalActionsViewController::showKeyCommands()
{
    m_context.navigator.showKeyCommands();
}
