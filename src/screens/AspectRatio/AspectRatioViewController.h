#pragma once

#include "models/AspectRatioModel.h"
#include "screens/Common/StyledTableViewController.h"

class RemoteSession;

// The aspect ratios the shown remote offers, the one in force ticked;
// tapping one sets it.
class AspectRatioViewController : public StyledTableViewController {
    Q_OBJECT
public:
    explicit AspectRatioViewController(RemoteSession& session, QWidget* parent = nullptr);

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void initialiseStructure() override;
    void viewWillAppear(bool animated) override;

private:
    RemoteSession& m_session;
    AspectRatioModel m_ratios;
};
