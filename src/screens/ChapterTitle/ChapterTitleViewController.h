#pragma once

#include "models/ChapterTitleModel.h"
#include "screens/Common/StyledTableViewController.h"

class RemoteSession;

// The titles and chapters of what the shown remote plays, the ones in
// force ticked; tapping one plays it. While shown it asks the player every
// second, so the tick follows the player.
class ChapterTitleViewController : public StyledTableViewController {
    Q_OBJECT
public:
    enum Section { TitleRows = 0, ChapterRows = 1 };

    explicit ChapterTitleViewController(RemoteSession& session, QWidget* parent = nullptr);

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    bool timerRunning() const { return m_entries.isActive(); }

protected:
    void initialiseStructure() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    ChapterTitleModel m_entries;
};
