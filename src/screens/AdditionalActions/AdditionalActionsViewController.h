#pragma once

#include "models/AdvancedControlsModel.h"
#include "models/AppContext.h"
#include "screens/Common/StyledTableViewController.h"

class RemoteSession;

// The plain advanced-controls menu: the key-command rows of
// AdvancedControlsModel, one tap each, and a row that opens DVD navigation.
class AdditionalActionsViewController : public StyledTableViewController {
    Q_OBJECT
public:
    AdditionalActionsViewController(const AppContext& context, RemoteSession& session, QWidget* parent = nullptr);

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

protected:
    void initialiseStructure() override;

private:
    AdvancedControlsModel m_rows;
};
