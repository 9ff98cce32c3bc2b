#include "screens/SubtitleTrack/SubtitleTrackViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/RowKeys.h"
#include "vlc/TrackSelection.h"
#include "vlc/VLCController.h"

SubtitleTrackViewController::SubtitleTrackViewController(QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("Subtitle Track"));
}

SubtitleTrackViewController::~SubtitleTrackViewController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void SubtitleTrackViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(localizedString("Subtitles"));
    if (const std::shared_ptr<VLCController> remote = currentRemote()) {
        TrackSelection& tracks = TrackSelection::of(*remote);
        const int current = tracks.current(TrackSelection::Subtitle);
        QVariantMap name = displayRow();
        DictionaryHelpers::setFloat(name, TableView::defaultRowHeight, BW_ROW_HEIGHT_FLOAT);
        QVariantMap detail = detailRow();
        for (int i : tracks.inStreamOrder(TrackSelection::Subtitle)) {
            DictionaryHelpers::setInt(name, i, BW_ROW_ID_INT);
            DictionaryHelpers::setInt(detail, i, BW_ROW_ID_INT);
            name.insert(BW_ROW__AUTO_TEXT_STRING, remote->nameForSubtitleTrack(i));
            DictionaryHelpers::setInt(name, i == current ? TableViewCell::AccessoryCheckmark : TableViewCell::AccessoryNone,
                                      BW_ROW_AUTO_ACCESSORY_STYLE_INT);
            detail.insert(BW_ROW__AUTO_TEXT_STRING, remote->detailsForSubtitleTrack(i));
            structure.addRow(name);
            structure.addRow(detail);
        }
    }
    setTableStructure(structure);
}

void SubtitleTrackViewController::viewWillAppear(bool animated)
{
    StyledTableViewController::viewWillAppear(animated);
    rebuild();
    NotificationCenter::defaultCenter().addObserver(this, NotificationNames::vlcStatusChanged,
                                                    [this](const Notification&) { respondToUpdateStatusNotification(); });
    if (const std::shared_ptr<VLCController> remote = currentRemote())
        remote->updateStatus();
}

void SubtitleTrackViewController::viewWillDisappear(bool animated)
{
    StyledTableViewController::viewWillDisappear(animated);
    NotificationCenter::defaultCenter().removeObserver(this, NotificationNames::vlcStatusChanged);
}

void SubtitleTrackViewController::respondToUpdateStatusNotification()
{
    rebuild();
}

void SubtitleTrackViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const int index = tableStructure()->rowIdForIndexPath(indexPath);
    if (const std::shared_ptr<VLCController> remote = currentRemote()) {
        TrackSelection::of(*remote).select(TrackSelection::Subtitle, index);
        remote->updateStatus();
        rebuild();
    }
    table->deselectRowAtIndexPath(indexPath, true);
}
