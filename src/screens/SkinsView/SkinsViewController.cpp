#include "screens/SkinsView/SkinsViewController.h"

#include "core/HomePaths.h"
#include "core/Localization.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "models/Navigator.h"
#include "models/SkinListModel.h"
#include "core/SkinFolders.h"
#include "ui/BarButtonItem.h"
#include "ui/DisplayCell.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/StylingHelpers.h"
#include "core/TableSection.h"
#include "ui/UiImages.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace {
const QString displayCellId = QStringLiteral("DisplayCell_ID");
}

SkinsViewController::SkinsViewController(SkinListModel& skins, UserDefaults& defaults, Navigator& navigator,
                                         QWidget* parent)
    : TableViewController(TableView::StylePlain, parent)
    , m_skins(skins)
    , m_defaults(defaults)
    , m_navigator(navigator)
{
    setTitle(localizedString("Skins"));
    updateSkinList();
    connect(&m_skinsFolderWatcher, &QFileSystemWatcher::directoryChanged, this,
            &SkinsViewController::skinsFolderChanged);
}

const QStringList& SkinsViewController::skinList() const
{
    return m_skins.identifiers();
}

QString SkinsViewController::selectedSkin() const
{
    return m_defaults.stringForKey(PreferenceKeys::skin);
}

void SkinsViewController::updateSkinList()
{
    m_skins.reload();
    initialiseStructure();
}

void SkinsViewController::watchSkinsFolder()
{
    // The skins folder itself, and the folder that holds it until it exists.
    for (const QString& folder : { HomePaths::documents(), SkinFolders::installedSkins() })
        if (!m_skinsFolderWatcher.directories().contains(folder) && QFileInfo(folder).isDir())
            m_skinsFolderWatcher.addPath(folder);
}

void SkinsViewController::skinsFolderChanged()
{
    watchSkinsFolder();
    // An install's work folders ("__install-...") come and go unlisted:
    // only a change of the list itself redraws it.
    const QStringList before = skinList();
    m_skins.reload();
    if (skinList() == before)
        return;
    initialiseStructure();
    if (myTableView())
        myTableView()->reloadData();
}

void SkinsViewController::initialiseStructure()
{
    TableStructure structure;
    structure.addSection(QString());
    for (int i = 0; i < skinList().size(); ++i)
        structure.addRow(i);
    setTableStructure(structure);
}

void SkinsViewController::viewDidLoad()
{
    TableViewController::viewDidLoad();
    m_editButton = new BarButtonItem(localizedString("Edit"), BarButtonItem::Bordered, this);
    m_doneButton = new BarButtonItem(localizedString("Done"), BarButtonItem::Done, this);
    connect(m_editButton, &BarButtonItem::triggered, this, [this] { setEditing(true); });
    connect(m_doneButton, &BarButtonItem::triggered, this, [this] { setEditing(false); });
    navigationItem()->setRightBarButtonItem(m_editButton);

    m_seeSkinsButton = new BarButtonItem(localizedString("Download Skins"), BarButtonItem::Bordered, this);
    connect(m_seeSkinsButton, &BarButtonItem::triggered, this, &SkinsViewController::downloadSkins);
    setToolbarItems({ BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this), m_seeSkinsButton,
                      BarButtonItem::space(BarButtonItem::FlexibleSpace, 0, this) });
}

void SkinsViewController::viewDidAppear(bool animated)
{
    TableViewController::viewDidAppear(animated);
    watchSkinsFolder();
    updateSkinList();
    myTableView()->reloadData();
    emit shown();
}

void SkinsViewController::viewDidDisappear(bool animated)
{
    TableViewController::viewDidDisappear(animated);
    if (const QStringList watched = m_skinsFolderWatcher.directories(); !watched.isEmpty())
        m_skinsFolderWatcher.removePaths(watched);
}

TableViewCell* SkinsViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    auto* cell = qobject_cast<DisplayCell*>(table->dequeueReusableCellWithIdentifier(displayCellId));
    if (!cell) {
        cell = new DisplayCell(displayCellId);
        StylingHelpers::setVLCBackground(cell);
    }
    const int row = tableStructure()->rowIdForIndexPath(indexPath);
    const QString identifier = skinList().value(row);
    cell->setAccessoryType(TableViewCell::AccessoryNone);
    cell->textLabel()->setText(QFileInfo(identifier).fileName());
    if (!identifier.isEmpty() && identifier == selectedSkin()) {
        auto* tick = new QLabel;
        tick->setPixmap(UiImages::named(QStringLiteral("tick.png")));
        tick->setAlignment(Qt::AlignCenter);
        cell->setAccessoryView(tick);
    } else {
        cell->setAccessoryView(nullptr);
    }
    return cell;
}

void SkinsViewController::selectRow(int row)
{
    m_skins.choose(row);
}

void SkinsViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    selectRow(tableStructure()->rowIdForIndexPath(indexPath));
    table->reloadData();
    TableViewController::didSelectRowAtIndexPath(table, indexPath);
}

bool SkinsViewController::isEditing() const
{
    return myTableView() && myTableView()->isEditing();
}

void SkinsViewController::setEditing(bool editing)
{
    loadViewIfNeeded();
    navigationItem()->setRightBarButtonItem(editing ? m_doneButton : m_editButton);
    myTableView()->setEditing(editing, true);
    myTableView()->reloadData();
}

TableViewCell::EditingStyle SkinsViewController::editingStyleForRowAtIndexPath(TableView*, const IndexPath& indexPath)
{
    // The shipped skin, always first, can never be deleted.
    return tableStructure()->rowIdForIndexPath(indexPath) > 0 ? TableViewCell::EditingStyleDelete
                                                                : TableViewCell::EditingStyleNone;
}

void SkinsViewController::commitEditingStyle(TableView*, TableViewCell::EditingStyle style, const IndexPath& indexPath)
{
    if (style == TableViewCell::EditingStyleDelete)
        deleteRow(tableStructure()->rowIdForIndexPath(indexPath));
}

void SkinsViewController::deleteRow(int row)
{
    if (row <= 0 || row >= skinList().size())
        return;
    const bool removed = m_skins.remove(row);
    // The table always shows what is on disk.
    initialiseStructure();
    loadViewIfNeeded();
    if (removed)
        myTableView()->deleteRowsAtIndexPaths({ IndexPath(0, row) });
    myTableView()->reloadData();
}

void SkinsViewController::downloadSkins()
{
    openSkinGallery();
}

void SkinsViewController::openSkinGallery()
{
    m_navigator.showSkinGallery();
}
