#include "screens/AdditionalActions/AdditionalActionsViewController.h"

#include "core/Localization.h"
#include "screens/AdditionalActions/MenuStructure.h"

AdditionalActionsViewController::AdditionalActionsViewController(const AppContext& context, RemoteSession& session,
                                                                 QWidget* parent)
    : StyledTableViewController(parent)
    , m_rows(AdvancedControlsModel::Kind::KeyCommands, context, session)
{
    setTitle(localizedString("Advanced Controls"));
    setBackButtonTitle(localizedString("Controls"));
}

void AdditionalActionsViewController::initialiseStructure()
{
    setTableStructure(menuStructure(m_rows, displayRow(), AdvancedControlsModel::MoreRole));
}

void AdditionalActionsViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    m_rows.activate(m_rows.rowForIndexPath(indexPath));
    table->deselectRowAtIndexPath(indexPath, true);
}
