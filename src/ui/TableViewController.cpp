#include "ui/TableViewController.h"

#include "ui/TableStructureCells.h"

#include <QVBoxLayout>

TableViewController::TableViewController(TableView::Style style, QWidget* parent)
    : ViewController(parent)
    , m_style(style)
{
}

TableViewController::~TableViewController()
{
    // The table outlives this part of the object: it must not call back.
    if (m_tableView) {
        m_tableView->setDelegate(nullptr);
        m_tableView->setDataSource(nullptr);
    }
}

TableStructure* TableViewController::tableStructure()
{
    // A constructor cannot reach the subclass, so the structure is built on
    // first use; initialiseStructure() may itself ask for it.
    if (!m_structureInitialised) {
        m_structureInitialised = true;
        initialiseStructure();
    }
    return &m_tableStructure;
}

void TableViewController::setTableStructure(const TableStructure& structure)
{
    m_structureInitialised = true;
    m_tableStructure = structure;
}

void TableViewController::viewDidLoad()
{
    tableStructure();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tableView = new TableView(m_style, this);
    m_tableView->setRowHeight(TableView::defaultRowHeight);
    m_tableView->setDataSource(this);
    m_tableView->setDelegate(this);
    layout->addWidget(m_tableView);
}

TableViewCell* TableViewController::cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    return TableStructureCells::cellFromConfigForTable(*tableStructure(), table, indexPath);
}

void TableViewController::didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath)
{
    table->deselectRowAtIndexPath(indexPath, true);
}

TableViewCell::EditingStyle TableViewController::editingStyleForRowAtIndexPath(TableView*, const IndexPath&)
{
    return TableViewCell::EditingStyleNone;
}
