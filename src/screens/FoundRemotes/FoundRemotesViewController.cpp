#include "screens/FoundRemotes/FoundRemotesViewController.h"

#include "core/Localization.h"
#include "screens/Cells/DetailCell.h"
#include "models/RemoteAnswer.h"
#include "models/RemotesModel.h"
#include "ui/NavigationController.h"
#include "ui/StylingHelpers.h"
#include "vlc/VLCController.h"

#include <utility>

namespace {
const QString cellIdentifier = QStringLiteral("ident");
}

FoundRemotesViewController::FoundRemotesViewController(RemotesModel& remotes, QWidget* parent)
    : TableViewController(TableView::StylePlain, parent)
    , m_remotes(remotes)
{
    setTitle(localizedString("Found Computers"));
}

void FoundRemotesViewController::viewDidLoad()
{
    TableViewController::viewDidLoad();
    myTableView()->setRowHeight(TableView::defaultRowHeight);
}

void FoundRemotesViewController::viewWillAppear(bool)
{
    // What the list found so far; the list keeps finding meanwhile.
    m_playerLinks = m_remotes.foundRemotes();
    myTableView()->reloadData();
}

int FoundRemotesViewController::numberOfSections(TableView*)
{
    return 1;
}

int FoundRemotesViewController::numberOfRowsInSection(TableView*, int)
{
    return int(m_playerLinks.size());
}

TableViewCell* FoundRemotesViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    auto* cell = qobject_cast<DetailCell*>(table->dequeueReusableCellWithIdentifier(cellIdentifier));
    if (!cell) {
        cell = new DetailCell(cellIdentifier);
        StylingHelpers::setVLCBackground(cell);
    }
    cell->setAccessoryType(TableViewCell::AccessoryNone);
    cell->setAccessoryView(nullptr);
    cell->setEnabled(true);
    const size_t row = size_t(indexPath.row());
    const auto& remote = row < m_playerLinks.size() ? m_playerLinks[row] : nullptr;
    // A short mark beside the name for the computers where VLC answers.
    cell->type()->setText(remote && RemoteAnswers::of(*remote) == RemoteAnswer::AnswersAsVlc ? QStringLiteral("VLC")
                                                                                             : QString());
    cell->name()->setText(remote ? remote->name() : QString());
    return cell;
}

void FoundRemotesViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    table->deselectRowAtIndexPath(indexPath, false);
    const size_t row = size_t(indexPath.row());
    if (row < m_playerLinks.size())
        selectRemote(m_playerLinks[row]);
}

void FoundRemotesViewController::selectRemote(const std::shared_ptr<VLCController>& remote)
{
    if (!remote)
        return;
    if (const Choice chosen = std::exchange(m_chosen, {}))
        chosen(remote);
    if (navigationController())
        navigationController()->popViewControllerAnimated(true);
}
