#include "screens/AspectRatio/AspectRatioViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/RowKeys.h"
#include "models/RemoteSession.h"
#include "vlc/VLCController.h"

AspectRatioViewController::AspectRatioViewController(RemoteSession& session, QWidget* parent)
    : StyledTableViewController(parent)
    , m_session(session)
{
    setTitle(localizedString("AspectRatio"));
    m_ratios.setRemote(session.remote());
    connect(&session, &RemoteSession::remoteChanged, this, [this] { m_ratios.setRemote(m_session.remote()); });
    follow(m_ratios);
}

void AspectRatioViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(localizedString("Ratios"));
    QVariantMap row = displayRow();
    for (int i = 0; i < m_ratios.rowCount(); ++i) {
        const QModelIndex ratio = m_ratios.index(i);
        row.insert(BW_ROW__AUTO_TEXT_STRING, ratio.data(AspectRatioModel::NameRole).toString());
        DictionaryHelpers::setInt(row, i, BW_ROW_ID_INT);
        DictionaryHelpers::setInt(row,
                                  ratio.data(AspectRatioModel::CurrentRole).toBool() ? TableViewCell::AccessoryCheckmark
                                                                                     : TableViewCell::AccessoryNone,
                                  BW_ROW_AUTO_ACCESSORY_STYLE_INT);
        structure.addRow(row);
    }
    setTableStructure(structure);
}

void AspectRatioViewController::viewWillAppear(bool animated)
{
    StyledTableViewController::viewWillAppear(animated);
    rebuild();
    if (const std::shared_ptr<VLCController> remote = m_session.remote())
        remote->updateStatus();
}

void AspectRatioViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    m_ratios.select(tableStructure()->rowIdForIndexPath(indexPath));
    table->deselectRowAtIndexPath(indexPath, true);
}
