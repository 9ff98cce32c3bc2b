#pragma once

#include "models/AdvancedControlsModel.h"
#include "models/AppContext.h"
#include "screens/Common/StyledTableViewController.h"

class RemoteSession;
class VLCController;

// The advanced-controls menu for players that report their state in full
// (VLC 3, or a remote unlocked by its name): each row of
// AdvancedControlsModel's screens opens a screen with the player's lists and
// values. The plain menu's key commands stay one tap away behind the bar's
// "Keys" button.
class LuaAdditionalActionsViewController : public StyledTableViewController {
    Q_OBJECT
public:
    LuaAdditionalActionsViewController(const AppContext& context, RemoteSession& session, QWidget* parent = nullptr);

    // Whether the remote gets this menu rather than the plain one.
    static bool suits(const VLCController& remote);

    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    // Opens the plain menu of key commands.
    void showKeyCommands();

protected:
    void initialiseStructure() override;

private:
    AdvancedControlsModel m_rows;
};
