#include "screens/ChapterTitle/ChapterTitleViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/RowKeys.h"
#include "models/RemoteSession.h"

ChapterTitleViewController::ChapterTitleViewController(RemoteSession& session, QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("Chapter & Title"));
    m_entries.setRemote(session.remote());
    connect(&session, &RemoteSession::remoteChanged, this, [this, &session] { m_entries.setRemote(session.remote()); });
    follow(m_entries);
}

void ChapterTitleViewController::initialiseStructure()
{
    TableStructure structure;
    QVariantMap row = displayRow();
    for (const ChapterTitleModel::Kind kind : { ChapterTitleModel::Kind::Title, ChapterTitleModel::Kind::Chapter }) {
        const bool titles = kind == ChapterTitleModel::Kind::Title;
        structure.addSection(titles ? localizedString("Title") : localizedString("Chapter"));
        for (int i = 0; i < m_entries.rowCount(); ++i) {
            const QModelIndex entry = m_entries.index(i);
            if (entry.data(ChapterTitleModel::KindRole).value<ChapterTitleModel::Kind>() != kind)
                continue;
            row.insert(BW_ROW__AUTO_TEXT_STRING, entry.data(ChapterTitleModel::NameRole).toString());
            DictionaryHelpers::setInt(row, titles ? TitleRows : ChapterRows, BW_ROW_ID_INT);
            DictionaryHelpers::setInt(row, i, BW_ROW_INFO_INT); // the model's row
            DictionaryHelpers::setInt(row,
                                      entry.data(ChapterTitleModel::CurrentRole).toBool() ? TableViewCell::AccessoryCheckmark
                                                                                          : TableViewCell::AccessoryNone,
                                      BW_ROW_AUTO_ACCESSORY_STYLE_INT);
            structure.addRow(row);
        }
    }
    setTableStructure(structure);
}

void ChapterTitleViewController::viewDidAppear(bool animated)
{
    rebuild();
    m_entries.setActive(true);
    StyledTableViewController::viewDidAppear(animated);
}

void ChapterTitleViewController::viewDidDisappear(bool animated)
{
    StyledTableViewController::viewDidDisappear(animated);
    m_entries.setActive(false);
}

void ChapterTitleViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    m_entries.select(DictionaryHelpers::intForKey(row, BW_ROW_INFO_INT));
    table->deselectRowAtIndexPath(indexPath, true);
}
