#pragma once

class IndexPath;
class TableStructure;
class TableView;
class TableViewCell;

// The standard cells of a table described by a TableStructure.
namespace TableStructureCells {
// A cell for a row dictionary: reused by its BW_ROW_CELL_ID_STRING or made
// from its BW_ROW_CELL_CLASS_CLASS, then given the row's accessory,
// selection style and text. The caller may adjust it further.
TableViewCell* cellFromConfigForTable(const TableStructure& structure, TableView* table, const IndexPath& indexPath);
}
