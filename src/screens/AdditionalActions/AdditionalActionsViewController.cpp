#include "screens/AdditionalActions/AdditionalActionsViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "screens/Common/CentralAccess.h"
#include "screens/DVD/DVDViewController.h"
#include "screens/MainView/MainViewController.h"
#include "ui/NavigationController.h"
#include "core/RowKeys.h"

AdditionalActionsViewController::AdditionalActionsViewController(QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("Advanced Controls"));
    setBackButtonTitle(localizedString("Controls"));
}

void AdditionalActionsViewController::initialiseStructure()
{
    TableStructure structure;
    QVariantMap row = displayRow();
    auto add = [&](int id, const char* text, int accessory) {
        DictionaryHelpers::setInt(row, id, BW_ROW_ID_INT);
        row.insert(BW_ROW__AUTO_TEXT_STRING, localizedString(text));
        DictionaryHelpers::setInt(row, accessory, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
        structure.addRow(row);
    };
    structure.addSection(QString());
    add(DvdNavigationRow, L10N_NOOP("DVD Navigation"), TableViewCell::AccessoryDisclosureIndicator);
    add(SubtitlesRow, L10N_NOOP("Subtitles"), TableViewCell::AccessoryNone);
    add(AudioTrackRow, L10N_NOOP("Audio Track"), TableViewCell::AccessoryNone);
    add(AspectRatioRow, L10N_NOOP("Aspect Ratio"), TableViewCell::AccessoryNone);
    add(CropRow, L10N_NOOP("Crop Aspect Ratio"), TableViewCell::AccessoryNone);
    // These two headers are shown as they stand.
    structure.addSection(QStringLiteral("Speed"));
    add(FasterRow, L10N_NOOP("Faster"), TableViewCell::AccessoryNone);
    add(SlowerRow, L10N_NOOP("Slower"), TableViewCell::AccessoryNone);
    structure.addSection(QStringLiteral("Delays"));
    add(AudioDelayUpRow, L10N_NOOP("Audio Delay Up"), TableViewCell::AccessoryNone);
    add(AudioDelayDownRow, L10N_NOOP("Audio Delay Down"), TableViewCell::AccessoryNone);
    add(SubtitleDelayUpRow, L10N_NOOP("Subtitle Delay Up"), TableViewCell::AccessoryNone);
    add(SubtitleDelayDownRow, L10N_NOOP("Subtitle Delay Down"), TableViewCell::AccessoryNone);
    setTableStructure(structure);
}

void AdditionalActionsViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    MainViewController* remoteScreen = CentralAccess::shared().mainViewController();
    // Each command is the remote screen's, which sends VLC the key of the
    // same name (key&val=...), as VLC 3 takes it too.
    void (MainViewController::*command)() = nullptr;
    switch (row) {
    case DvdNavigationRow:
        if (ViewController* dvd = CentralAccess::shared().dvdViewController(); dvd && navigationController())
            navigationController()->pushViewController(dvd, true);
        break;
    case SubtitlesRow:
        command = &MainViewController::toggleSubtitles;
        break;
    case AudioTrackRow:
        command = &MainViewController::toggleAudioTrack;
        break;
    case AspectRatioRow:
        command = &MainViewController::toggleAspectRatio;
        break;
    case CropRow:
        command = &MainViewController::cropAspectRatio;
        break;
    case FasterRow:
        command = &MainViewController::speedFaster;
        break;
    case SlowerRow:
        command = &MainViewController::speedSlower;
        break;
    case AudioDelayUpRow:
        command = &MainViewController::audioDelayUp;
        break;
    case AudioDelayDownRow:
        command = &MainViewController::audioDelayDown;
        break;
    case SubtitleDelayUpRow:
        command = &MainViewController::subtitleDelayUp;
        break;
    case SubtitleDelayDownRow:
        command = &MainViewController::subtitleDelayDown;
        break;
    default:
        break;
    }
    if (command && remoteScreen)
        (remoteScreen->*command)();
    table->deselectRowAtIndexPath(indexPath, true);
}
