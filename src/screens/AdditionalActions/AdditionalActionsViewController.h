#pragma once

#include "models/AppContext.h"
#include "screens/Common/StyledTableViewController.h"

class RemoteSession;

// The plain advanced-controls menu: one-tap key commands for the shown
// remote (cycle subtitles, audio track and aspect ratio, crop, faster and
// slower, the audio and subtitle delays) and a row that opens DVD
// navigation. The rows are fixed.
class AdditionalActionsViewController : public StyledTableViewController {
    Q_OBJECT
public:
    enum Row {
        DvdNavigationRow = 0,
        SubtitlesRow,
        AudioTrackRow,
        AspectRatioRow,
        CropRow,
        FasterRow,
        SlowerRow,
        AudioDelayUpRow,
        AudioDelayDownRow,
        SubtitleDelayUpRow,
        SubtitleDelayDownRow,
    };

    AdditionalActionsViewController(const AppContext& context, RemoteSession& session, QWidget* parent = nullptr);

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void initialiseStructure() override;

private:
    AppContext m_context;
    RemoteSession& m_session;
};
