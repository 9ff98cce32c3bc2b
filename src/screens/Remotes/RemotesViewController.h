#pragma once

#include "ui/TableViewController.h"

// The first screen: the computers the user keeps, by name.
class RemotesViewController : public TableViewController {
    Q_OBJECT
public:
    explicit RemotesViewController(QWidget* parent = nullptr);

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    QWidget* viewForHeaderInSection(TableView* table, int section) override;
    int heightForHeaderInSection(TableView* table, int section) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void initialiseStructure() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    void rebuild();
};
