#pragma once

#include "screens/Common/StyledTableViewController.h"

class UserDefaults;

// Picks how far the remote screen's skip buttons jump: thirteen distances
// from 5 seconds to 15 minutes. The row id is the distance in seconds.
class SkipDistanceViewController : public StyledTableViewController {
    Q_OBJECT
public:
    explicit SkipDistanceViewController(UserDefaults& defaults, QWidget* parent = nullptr);

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void initialiseStructure() override;
    void viewWillAppear(bool animated) override;

private:
    UserDefaults& m_defaults;
};
