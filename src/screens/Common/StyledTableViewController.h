#pragma once

#include "ui/TableViewController.h"

#include <QVariantMap>

class QAbstractItemModel;

// The list screens of settings and the advanced controls: a table described
// by row dictionaries, in the application's row and header style, with the
// rows' own heights, and the keyboard in the table as soon as the screen
// shows (Up and Down move, Enter chooses). A screen that shows a list model
// builds its rows from the model's and follows it.
class StyledTableViewController : public TableViewController {
    Q_OBJECT
public:
    explicit StyledTableViewController(QWidget* parent = nullptr);

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    int heightForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    QWidget* viewForHeaderInSection(TableView* table, int section) override;
    int heightForHeaderInSection(TableView* table, int section) override;

    // The working row dictionary every row of these screens starts from: a
    // DisplayCell row with the grey selection, no accessory, not editable.
    static QVariantMap displayRow();
    // A short SourceCell row (22 points) for a detail line.
    static QVariantMap detailRow();

protected:
    void viewDidAppear(bool animated) override;
    // Rebuilds the structure and shows it when it changed.
    void rebuild();
    // Rebuilds whenever the model's rows, or what they say, change.
    void follow(const QAbstractItemModel& model);
};
