#pragma once

#include "screens/Common/StyledTableViewController.h"

// The audio and video tracks of what is playing, each with a line of
// details; the track in force is ticked (on VLC 3, which does not say, the
// track chosen last for this item). Tapping either line chooses the track.
class AudioVideoTrackViewController : public StyledTableViewController {
    Q_OBJECT
public:
    enum Section { AudioRows = 0, VideoRows = 1 };

    explicit AudioVideoTrackViewController(QWidget* parent = nullptr);
    ~AudioVideoTrackViewController() override;

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void respondToUpdateStatusNotification();

protected:
    void initialiseStructure() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
};
