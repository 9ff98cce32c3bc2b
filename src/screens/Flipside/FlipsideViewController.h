#pragma once

#include "models/AppContext.h"
#include "models/SettingsModel.h"
#include "screens/Common/StyledTableViewController.h"

#include <QUrl>

// The settings: help pages, the preferences, writing to the maker, and the
// device's address and the program's version.
class FlipsideViewController : public StyledTableViewController {
    Q_OBJECT
public:
    // The rows, their texts and what each does are the settings model's.
    using Row = SettingsModel::Row;
    using enum SettingsModel::Row;

    explicit FlipsideViewController(const AppContext& context, QWidget* parent = nullptr);

    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

    // The two mails the screen composes, as the mail program gets them.
    static QUrl feedbackMail();
    static QUrl tellAFriendMail();
signals:
    // The rotation lock was switched; the window keeps its shape from now.
    void rotationLockChanged();
    // "Disable Screen-Off" was switched.
    void keepAwakeChanged();
    // "Slide skin views" was switched: the remote screen builds its skin
    // again, with or without sliding, at its next showing.
    void skinSlidingChanged();

protected:
    void initialiseStructure() override;
    void viewDidAppear(bool animated) override;

private:
    // The model's row for a row id of the table.
    QModelIndex modelIndexOf(int rowId) const;

    AppContext m_context;
    SettingsModel m_rows;
};
