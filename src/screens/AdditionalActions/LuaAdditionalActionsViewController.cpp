#include "screens/AdditionalActions/LuaAdditionalActionsViewController.h"

#include "core/Localization.h"
#include "models/RemoteSession.h"
#include "screens/AdditionalActions/MenuStructure.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationItem.h"

LuaAdditionalActionsViewController::LuaAdditionalActionsViewController(const AppContext& context,
                                                                       RemoteSession& session, QWidget* parent)
    : StyledTableViewController(parent)
    , m_rows(AdvancedControlsModel::Kind::Screens, context, session)
{
    setTitle(localizedString("Advanced Controls"));
    setBackButtonTitle(localizedString("Controls"));
    auto* keys = new BarButtonItem(localizedString("Keys"), BarButtonItem::Bordered, this);
    connect(keys, &BarButtonItem::triggered, this, &LuaAdditionalActionsViewController::showKeyCommands);
    navigationItem()->setRightBarButtonItem(keys);
}

bool LuaAdditionalActionsViewController::suits(const VLCController& remote)
{
    return RemoteSession::offersAdvancedScreens(remote);
}

void LuaAdditionalActionsViewController::initialiseStructure()
{
    setTableStructure(menuStructure(m_rows, displayRow(), AdvancedControlsModel::MoreRole));
}

void LuaAdditionalActionsViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    m_rows.activate(m_rows.rowForIndexPath(indexPath));
    table->deselectRowAtIndexPath(indexPath, true);
}

void LuaAdditionalActionsViewController::showKeyCommands()
{
    m_rows.showKeyCommands();
}
