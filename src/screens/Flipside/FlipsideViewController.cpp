#include "screens/Flipside/FlipsideViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/MakerContacts.h"
#include "core/RowKeys.h"
#include "screens/Flipside/BuildInfo.h"
#include "ui/MailComposer.h"
#include "ui/SourceCell.h"

FlipsideViewController::FlipsideViewController(const AppContext& context, QWidget* parent)
    : StyledTableViewController(parent)
    , m_context(context)
    , m_rows(context, BuildInfo::version())
{
    setTitle(localizedString("Settings"));
    connect(&m_rows, &SettingsModel::rotationLockChanged, this, &FlipsideViewController::rotationLockChanged);
    connect(&m_rows, &SettingsModel::keepAwakeChanged, this, &FlipsideViewController::keepAwakeChanged);
    connect(&m_rows, &SettingsModel::skinSlidingChanged, this, &FlipsideViewController::skinSlidingChanged);
}

void FlipsideViewController::initialiseStructure()
{
    // The model's sections and rows, in this screen's styles.
    QVariantMap plain = displayRow();
    DictionaryHelpers::setFloat(plain, 50, BW_ROW_HEIGHT_FLOAT);
    // The version and build lines are short grey captions.
    QVariantMap caption = detailRow();
    DictionaryHelpers::setInt(caption, TableViewCell::SelectionStyleNone, BW_ROW_AUTO_SELECTION_STYLE_INT);

    TableStructure structure;
    int section = -1;
    for (int i = 0; i < m_rows.rowCount(); ++i) {
        const QModelIndex at = m_rows.index(i);
        if (at.data(TableStructureModel::SectionIndexRole).toInt() != section) {
            section = at.data(TableStructureModel::SectionIndexRole).toInt();
            structure.addSection(at.data(TableStructureModel::SectionRole).toString());
        }
        QVariantMap row = at.data(SettingsModel::CaptionRole).toBool() ? caption : plain;
        DictionaryHelpers::setInt(row, at.data(TableStructureModel::RowIdRole).toInt(), BW_ROW_ID_INT);
        // Rows whose text changes get it when their cell is made.
        const QVariant text = at.data(TableStructureModel::ItemRole).toMap().value(BW_ROW__AUTO_TEXT_STRING);
        if (text.isValid())
            row.insert(BW_ROW__AUTO_TEXT_STRING, text);
        DictionaryHelpers::setInt(row,
                                  at.data(SettingsModel::MoreRole).toBool() ? TableViewCell::AccessoryDisclosureIndicator
                                                                            : TableViewCell::AccessoryNone,
                                  BW_ROW_AUTO_ACCESSORY_STYLE_INT);
        structure.addRow(row);
    }
    setTableStructure(structure);
}

QModelIndex FlipsideViewController::modelIndexOf(int rowId) const
{
    for (int i = 0; i < m_rows.rowCount(); ++i) {
        if (m_rows.index(i).data(TableStructureModel::RowIdRole).toInt() == rowId)
            return m_rows.index(i);
    }
    return {};
}

void FlipsideViewController::viewDidAppear(bool animated)
{
    // A skin or skip distance chosen on a screen above shows at once.
    if (myTableView())
        myTableView()->reloadData();
    StyledTableViewController::viewDidAppear(animated);
}

TableViewCell* FlipsideViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    TableViewCell* cell = StyledTableViewController::cellForRowAtIndexPath(table, indexPath);
    cell->setAccessoryView(nullptr);
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    const QModelIndex at = modelIndexOf(row);
    const QString text = at.data(TableStructureModel::TextRole).toString();
    switch (row) {
    case DoubleVolRow:
    case SlideSkinRow:
    case PlayFoldersRow:
    case OnlyShowMediaRow:
    case DisableSleepRow:
    case LockRotationRow:
        cell->setAccessoryType(at.data(SettingsModel::CheckedRole).toBool() ? TableViewCell::AccessoryCheckmark
                                                                           : TableViewCell::AccessoryNone);
        break;
    case SkinRow:
    case SkipDistanceRow:
        cell->textLabel()->setText(text);
        cell->setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
        break;
    case IpRow:
        cell->setSelectionStyle(TableViewCell::SelectionStyleNone);
        cell->textLabel()->setText(text);
        break;
    case VersionRow:
    case BuildRow:
        cell->setSelectionStyle(TableViewCell::SelectionStyleNone);
        if (auto* source = qobject_cast<SourceCell*>(cell))
            source->setText(text);
        break;
    default:
        break;
    }
    return cell;
}

void FlipsideViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const QModelIndex at = modelIndexOf(tableStructure()->rowIdForIndexPath(indexPath));
    if (!at.isValid())
        return;
    m_rows.activate(at.row(), interfaceOrientation());
    // A toggle shows its tick at once; the selection goes either way.
    if (!at.data(SettingsModel::MoreRole).toBool())
        table->reloadData();
    if (table->indexPathForSelectedRow().isValid())
        table->deselectRowAtIndexPath(indexPath, true);
}

QUrl FlipsideViewController::feedbackMail()
{
    return MailComposer::mailtoUrl(MakerContacts::feedbackAddress, SettingsModel::feedbackSubject(), QString());
}

QUrl FlipsideViewController::tellAFriendMail()
{
    return MailComposer::mailtoUrl(QString(), SettingsModel::tellAFriendSubject(), SettingsModel::tellAFriendBody());
}
