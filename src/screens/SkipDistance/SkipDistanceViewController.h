#pragma once

#include "models/SkipDistanceModel.h"
#include "screens/Common/StyledTableViewController.h"

class UserDefaults;

// Picks how far the remote screen's skip buttons jump, from the distances
// SkipDistanceModel offers. The row id is the distance in seconds.
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
    SkipDistanceModel m_distances;
};
