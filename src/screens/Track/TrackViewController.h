#pragma once

#include "models/TrackModel.h"
#include "screens/Common/StyledTableViewController.h"

#include <vector>

class RemoteSession;

// The tracks of some kinds (audio and video, say, or subtitles) of what the
// shown remote plays, a section per kind, each track with a line of
// details; the track in force is ticked (on VLC 3, which does not say, the
// track chosen last for this item). Tapping either line chooses the track.
class TrackViewController : public StyledTableViewController {
    Q_OBJECT
public:
    TrackViewController(RemoteSession& session, std::vector<TrackModel::Kind> kinds, const QString& title,
                        QWidget* parent = nullptr);

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void initialiseStructure() override;
    void viewWillAppear(bool animated) override;

private:
    RemoteSession& m_session;
    std::vector<TrackModel::Kind> m_kinds;
    TrackModel m_tracks;
};
