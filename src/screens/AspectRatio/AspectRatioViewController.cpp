#include "screens/AspectRatio/AspectRatioViewController.h"

#include "core/DictionaryHelpers.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NotificationNames.h"
#include "core/RowKeys.h"
#include "vlc/AspectRatioList.h"
#include "vlc/VLCController.h"

namespace {
// What the row sends: the ratio's value, which for VLC 3's "Default" is
// empty (VLC's own way back to the picture's ratio).
const QString valueKey = QStringLiteral("BW_ROW_VALUE_STRING");
}

AspectRatioViewController::AspectRatioViewController(QWidget* parent)
    : StyledTableViewController(parent)
{
    setTitle(localizedString("AspectRatio"));
}

AspectRatioViewController::~AspectRatioViewController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

void AspectRatioViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(localizedString("Ratios"));
    const std::shared_ptr<VLCController> remote = currentRemote();
    const AspectRatioList ratios = remote ? AspectRatioList::forRemote(*remote) : AspectRatioList();
    QVariantMap row = displayRow();
    for (int i = 0; i < ratios.count(); ++i) {
        row.insert(BW_ROW__AUTO_TEXT_STRING, ratios.names[i]);
        row.insert(valueKey, ratios.values[i]);
        DictionaryHelpers::setInt(row, i, BW_ROW_ID_INT);
        DictionaryHelpers::setInt(row, i == ratios.current ? TableViewCell::AccessoryCheckmark : TableViewCell::AccessoryNone,
                                  BW_ROW_AUTO_ACCESSORY_STYLE_INT);
        structure.addRow(row);
    }
    setTableStructure(structure);
}

void AspectRatioViewController::viewWillAppear(bool animated)
{
    StyledTableViewController::viewWillAppear(animated);
    rebuild();
    NotificationCenter::defaultCenter().addObserver(this, NotificationNames::vlcStatusChanged,
                                                    [this](const Notification&) { respondToUpdateStatusNotification(); });
    if (const std::shared_ptr<VLCController> remote = currentRemote())
        remote->updateStatus();
}

void AspectRatioViewController::viewWillDisappear(bool animated)
{
    StyledTableViewController::viewWillDisappear(animated);
    NotificationCenter::defaultCenter().removeObserver(this, NotificationNames::vlcStatusChanged);
}

void AspectRatioViewController::respondToUpdateStatusNotification()
{
    rebuild();
}

void AspectRatioViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    const QVariantMap row = tableStructure()->itemAtIndexPath(indexPath).toMap();
    if (const std::shared_ptr<VLCController> remote = currentRemote()) {
        remote->setAspectRatio(row.value(valueKey).toString());
        remote->updateStatus();
    }
    table->deselectRowAtIndexPath(indexPath, true);
}
