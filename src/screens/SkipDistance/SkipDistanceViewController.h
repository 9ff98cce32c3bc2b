#pragma once

#include "screens/Common/StyledTableViewController.h"

// Picks how far the remote screen's skip buttons jump: thirteen distances
// from 5 seconds to 15 minutes. The row id is the distance in seconds.
class SkipDistanceViewController : public StyledTableViewController {
    Q_OBJECT
public:
    explicit SkipDistanceViewController(QWidget* parent = nullptr);

    // "%d Seconds" / "%d Minutes" (the plural for 1 as well).
    static QString seconds(int count);
    static QString minutes(int count);
    // The row text of an offered distance, in the reader's language; empty
    // for a distance the list does not offer.
    static QString wordForDistance(int distance);

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void initialiseStructure() override;
    void viewWillAppear(bool animated) override;
};
