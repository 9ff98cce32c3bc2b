#include "screens/AudioVideoTrack/AudioVideoTrackViewController.h"

#include "core/ConsoleLog.h"
#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/RowKeys.h"
#include "vlc/TrackSelection.h"
#include "vlc/VLCController.h"

AudioVideoTrackViewController::AudioVideoTrackViewController(QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("Audio & Video Tracks"));
}

AudioVideoTrackViewController::~AudioVideoTrackViewController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void AudioVideoTrackViewController::initialiseStructure()
{
    TableStructure structure;
    const std::shared_ptr<VLCController> remote = currentRemote();
    QVariantMap name = displayRow();
    DictionaryHelpers::setFloat(name, TableView::defaultRowHeight, BW_ROW_HEIGHT_FLOAT);
    QVariantMap detail = detailRow();
    auto addTrack = [&](int section, int index, const QString& text, const QString& details, bool inForce) {
        for (QVariantMap* row : { &name, &detail }) {
            DictionaryHelpers::setInt(*row, section, BW_ROW_ID_INT);
            DictionaryHelpers::setInt(*row, index, BW_ROW_INFO_INT);
        }
        name.insert(BW_ROW__AUTO_TEXT_STRING, text);
        DictionaryHelpers::setInt(name, inForce ? TableViewCell::AccessoryCheckmark : TableViewCell::AccessoryNone,
                                  BW_ROW_AUTO_ACCESSORY_STYLE_INT);
        detail.insert(BW_ROW__AUTO_TEXT_STRING, details);
        structure.addRow(name);
        structure.addRow(detail);
    };

    structure.addSection(localizedString("Audio"));
    if (remote) {
        TrackSelection& tracks = TrackSelection::of(*remote);
        const int current = tracks.current(TrackSelection::Audio);
        for (int i : tracks.inStreamOrder(TrackSelection::Audio)) {
            ConsoleLog::log(QStringLiteral("audio %d"), i);
            addTrack(AudioRows, i, remote->nameForAudioTrack(i), remote->detailsForAudioTrack(i), i == current);
        }
    }
    structure.addSection(localizedString("Video"));
    if (remote) {
        TrackSelection& tracks = TrackSelection::of(*remote);
        const int current = tracks.current(TrackSelection::Video);
        for (int i : tracks.inStreamOrder(TrackSelection::Video)) {
            ConsoleLog::log(QStringLiteral("video %d"), i);
            addTrack(VideoRows, i, remote->nameForVideoTrack(i), remote->detailsForVideoTrack(i), i == current);
        }
    }
    setTableStructure(structure);
}

void AudioVideoTrackViewController::viewWillAppear(bool animated)
{
    StyledTableViewController::viewWillAppear(animated);
    rebuild();
    NotificationCenter::defaultCenter().addObserver(this, NotificationNames::vlcStatusChanged,
                                                    [this](const Notification&) { respondToUpdateStatusNotification(); });
    if (const std::shared_ptr<VLCController> remote = currentRemote())
        remote->updateStatus();
}

void AudioVideoTrackViewController::viewWillDisappear(bool animated)
{
    StyledTableViewController::viewWillDisappear(animated);
    NotificationCenter::defaultCenter().removeObserver(this, NotificationNames::vlcStatusChanged);
}

void AudioVideoTrackViewController::respondToUpdateStatusNotification()
{
    rebuild();
}

void AudioVideoTrackViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    const int index = DictionaryHelpers::intForKey(row, BW_ROW_INFO_INT);
    if (const std::shared_ptr<VLCController> remote = currentRemote()) {
        const bool audio = tableStructure()->rowIdForIndexPath(indexPath) == AudioRows;
        TrackSelection::of(*remote).select(audio ? TrackSelection::Audio : TrackSelection::Video, index);
        remote->updateStatus();
        // The choice is what marks the track on VLC 3: show it now.
        rebuild();
    }
    table->deselectRowAtIndexPath(indexPath, true);
}
