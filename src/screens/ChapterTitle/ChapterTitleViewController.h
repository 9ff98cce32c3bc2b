#pragma once

#include "screens/Common/StyledTableViewController.h"
#include "vlc/ChapterTitleReader.h"

#include <QTimer>

// The titles and chapters of what is playing, the ones in force ticked;
// tapping one plays it. While shown it asks the player for its state every
// second, so the tick follows the player.
class ChapterTitleViewController : public StyledTableViewController {
    Q_OBJECT
public:
    enum Section { TitleRows = 0, ChapterRows = 1 };

    explicit ChapterTitleViewController(QWidget* parent = nullptr);
    ~ChapterTitleViewController() override;

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

    void startTimer();
    void stopTimer();
    void updateUI();
    bool timerRunning() const { return m_updateStatusTimer.isActive(); }
    void respondToUpdateStatusNotification();

protected:
    void initialiseStructure() override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    QTimer m_updateStatusTimer;
    ChapterTitleReader m_reader;
};
