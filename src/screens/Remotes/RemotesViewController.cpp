#include "screens/Remotes/RemotesViewController.h"

#include "core/Localization.h"
#include "screens/Common/CentralAccess.h"
#include "screens/MainView/MainViewController.h"
#include "ui/NavigationController.h"
#include "ui/RowKeys.h"
#include "ui/SourceCell.h"
#include "ui/StylingHelpers.h"
#include "ui/TableSection.h"
#include "ui/TableStyledHeaderView.h"
#include "vlc/VLCController.h"

#include <QLabel>

namespace {
const QString remoteCellId = QStringLiteral("RemoteCell_ID");
constexpr int noRemotesRow = -1;
}

RemotesViewController::RemotesViewController(QWidget* parent)
    : TableViewController(TableView::StylePlain, parent)
{
    setTitle(localizedString("Remotes"));
    setBackButtonTitle(localizedString("Remotes"));
}

void RemotesViewController::viewDidLoad()
{
    TableViewController::viewDidLoad();
    connect(&CentralAccess::shared(), &CentralAccess::savedRemotesChanged, this, &RemotesViewController::rebuild);
}

void RemotesViewController::viewWillAppear(bool animated)
{
    TableViewController::viewWillAppear(animated);
    rebuild();
}

void RemotesViewController::rebuild()
{
    initialiseStructure();
    myTableView()->reloadData();
}

void RemotesViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(localizedString("Saved Computers"));
    SavedRemoteList& remotes = CentralAccess::shared().savedRemotes();
    for (size_t i = 0; i < remotes.size(); ++i)
        structure.addRow(int(i));
    if (remotes.empty())
        structure.addRow(noRemotesRow);
    setTableStructure(structure);
}

TableViewCell* RemotesViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    SavedRemoteList& remotes = CentralAccess::shared().savedRemotes();
    if (row == noRemotesRow || row >= int(remotes.size())) {
        auto* cell = qobject_cast<SourceCell*>(table->dequeueReusableCellWithIdentifier(QStringLiteral("SourceCell_ID")));
        if (!cell)
            cell = new SourceCell(QStringLiteral("SourceCell_ID"));
        cell->setText(localizedString("No saved computers yet"));
        return cell;
    }
    TableViewCell* cell = table->dequeueReusableCellWithIdentifier(remoteCellId);
    if (!cell) {
        cell = new TableViewCell(remoteCellId);
        StylingHelpers::setVLCBackground(cell);
    }
    // The record alone: no connection is made to show a row.
    const RemoteRecord& remote = remotes.recordAt(size_t(row));
    cell->textLabel()->setText(remote.name());
    cell->detailTextLabel()->setText(remote.hostAddress == remote.name() ? QString() : remote.hostAddress);
    cell->setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
    return cell;
}

QWidget* RemotesViewController::viewForHeaderInSection(TableView*, int section)
{
    return StylingHelpers::styledHeaderForText(tableStructure()->titleForSection(section));
}

int RemotesViewController::heightForHeaderInSection(TableView*, int)
{
    return 24;
}

void RemotesViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    TableViewController::didSelectRowAtIndexPath(table, indexPath);
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    SavedRemoteList& remotes = CentralAccess::shared().savedRemotes();
    if (row < 0 || row >= int(remotes.size()) || !navigationController())
        return;
    MainViewController* remoteScreen = CentralAccess::shared().mainViewController();
    remoteScreen->setCurrentRemote(remotes.remoteAt(size_t(row)));
    navigationController()->pushViewController(remoteScreen, true);
}
