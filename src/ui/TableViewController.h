#pragma once

#include "core/TableStructure.h"
#include "ui/TableStructureDataSource.h"
#include "ui/TableView.h"
#include "ui/TableViewDelegate.h"
#include "ui/ViewController.h"

// A screen that is one table described by a TableStructure. Subclasses
// build the structure in initialiseStructure() and act on taps in
// didSelectRowAtIndexPath (calling this one, which deselects the row).
class TableViewController : public ViewController, public TableStructureDataSource, public TableViewDelegate {
    Q_OBJECT
public:
    explicit TableViewController(TableView::Style style = TableView::StylePlain, QWidget* parent = nullptr);
    ~TableViewController() override;

    // Created with the view.
    TableView* myTableView() const { return m_tableView; }
    // Built by initialiseStructure() the first time anyone asks.
    TableStructure* tableStructure() override;
    void setTableStructure(const TableStructure& structure);

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    // Fills tableStructure(); nothing here.
    virtual void initialiseStructure() { }
    void viewDidLoad() override;

private:
    TableView::Style m_style;
    TableView* m_tableView = nullptr;
    TableStructure m_tableStructure;
    bool m_structureInitialised = false;
};
