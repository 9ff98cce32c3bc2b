#pragma once

#include "screens/Common/StyledTableViewController.h"

// The subtitle tracks of what is playing, each with a line of details; the
// track in force is ticked (on VLC 3, which does not say, the track chosen
// last for this item). Tapping either line chooses the track.
class SubtitleTrackViewController : public StyledTableViewController {
    Q_OBJECT
public:
    explicit SubtitleTrackViewController(QWidget* parent = nullptr);
    ~SubtitleTrackViewController() override;

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void respondToUpdateStatusNotification();

protected:
    void initialiseStructure() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
};
