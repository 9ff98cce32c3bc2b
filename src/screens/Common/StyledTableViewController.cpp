#include "screens/Common/StyledTableViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/RowKeys.h"
#include "core/TableSection.h"
#include "ui/DisplayCell.h"
#include "ui/SourceCell.h"
#include "ui/StylingHelpers.h"
#include "ui/TableStructureCells.h"
#include "ui/TableStyledHeaderView.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QLabel>

namespace {
constexpr int headerHeight = 24;
constexpr float detailRowHeight = 22;
constexpr int detailInset = 10;
}

StyledTableViewController::StyledTableViewController(QWidget* parent)
    : TableViewController(TableView::StylePlain, parent)
{
}

QVariantMap StyledTableViewController::displayRow()
{
    QVariantMap row;
    DictionaryHelpers::setClass(row, &DisplayCell::staticMetaObject, BW_ROW_CELL_CLASS_CLASS);
    row.insert(BW_ROW_CELL_ID_STRING, QStringLiteral("DisplayCell_ID"));
    DictionaryHelpers::setInt(row, TableViewCell::AccessoryNone, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
    DictionaryHelpers::setInt(row, TableViewCell::SelectionStyleGray, BW_ROW_AUTO_SELECTION_STYLE_INT);
    DictionaryHelpers::setInt(row, TableViewCell::EditingStyleNone, BW_ROW_EDIT_STYLE_INT);
    return row;
}

QVariantMap StyledTableViewController::detailRow()
{
    QVariantMap row = displayRow();
    DictionaryHelpers::setClass(row, &SourceCell::staticMetaObject, BW_ROW_CELL_CLASS_CLASS);
    row.insert(BW_ROW_CELL_ID_STRING, QStringLiteral("SourceCell_ID"));
    DictionaryHelpers::setFloat(row, detailRowHeight, BW_ROW_HEIGHT_FLOAT);
    return row;
}

TableViewCell* StyledTableViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    TableViewCell* cell = TableStructureCells::cellFromConfigForTable(*tableStructure(), table, indexPath);
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    if (auto* source = qobject_cast<SourceCell*>(cell)) {
        // A detail line carries its text in its own small label: centred
        // when it fits, otherwise from the left and cut short with an
        // ellipsis, so that it never loses both ends.
        const QString text = row.value(BW_ROW__AUTO_TEXT_STRING).toString();
        const int room = table->viewport()->width() - 2 * detailInset;
        const QFontMetrics metrics(source->sourceLabel()->font());
        const bool fits = metrics.horizontalAdvance(text) <= room;
        source->sourceLabel()->setAlignment(fits ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        source->sourceLabel()->setIndent(fits ? 0 : detailInset);
        source->setText(fits ? text : metrics.elidedText(text, Qt::ElideRight, room));
        source->sourceLabel()->setToolTip(fits ? QString() : text);
        source->textLabel()->clear();
    } else {
        // The row style sets the grey selection; the row's own comes back.
        StylingHelpers::setVLCBackground(cell);
        if (row.contains(BW_ROW_AUTO_SELECTION_STYLE_INT))
            cell->setSelectionStyle(
                TableViewCell::SelectionStyle(DictionaryHelpers::intForKey(row, BW_ROW_AUTO_SELECTION_STYLE_INT)));
    }
    return cell;
}

int StyledTableViewController::heightForRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    const float height = DictionaryHelpers::floatForKey(row, BW_ROW_HEIGHT_FLOAT);
    return height > 0 ? int(height) : TableView::defaultRowHeight;
}

QWidget* StyledTableViewController::viewForHeaderInSection(TableView*, int section)
{
    const QString title = tableStructure()->titleForSection(section);
    return title.isEmpty() ? nullptr : StylingHelpers::styledHeaderForText(title);
}

int StyledTableViewController::heightForHeaderInSection(TableView*, int section)
{
    return tableStructure()->titleForSection(section).isEmpty() ? 0 : headerHeight;
}

void StyledTableViewController::viewDidAppear(bool animated)
{
    TableViewController::viewDidAppear(animated);
    if (myTableView())
        myTableView()->setFocus(Qt::OtherFocusReason);
}

void StyledTableViewController::rebuild()
{
    const QList<TableSection> before = tableStructure()->sections();
    initialiseStructure();
    const QList<TableSection>& after = tableStructure()->sections();
    bool same = before.size() == after.size();
    for (qsizetype i = 0; same && i < after.size(); ++i)
        same = before[i].sectionTitle() == after[i].sectionTitle() && before[i].rowIds() == after[i].rowIds();
    // An unchanged list is left alone, so that the row under the keyboard
    // stays lit while the player is asked again and again.
    if (myTableView() && !same)
        myTableView()->reloadData();
}

void StyledTableViewController::follow(const QAbstractItemModel& model)
{
    auto rebuildRows = [this] { rebuild(); };
    connect(&model, &QAbstractItemModel::modelReset, this, rebuildRows);
    connect(&model, &QAbstractItemModel::dataChanged, this, rebuildRows);
    connect(&model, &QAbstractItemModel::rowsInserted, this, rebuildRows);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, rebuildRows);
    connect(&model, &QAbstractItemModel::rowsMoved, this, rebuildRows);
    connect(&model, &QAbstractItemModel::layoutChanged, this, rebuildRows);
}
