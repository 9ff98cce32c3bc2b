#pragma once

#include "screens/Common/StyledTableViewController.h"

// The aspect ratios the player offers, the one in force ticked; tapping one
// sets it.
class AspectRatioViewController : public StyledTableViewController {
    Q_OBJECT
public:
    explicit AspectRatioViewController(QWidget* parent = nullptr);
    ~AspectRatioViewController() override;

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void respondToUpdateStatusNotification();

protected:
    void initialiseStructure() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
};
