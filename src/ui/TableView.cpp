#include "ui/TableView.h"
#include "ui/FocusFrame.h"

#include "ui/UiAccessibility.h"
#include "ui/TableIndexBar.h"
#include "ui/TableSectionTitleView.h"
#include "ui/UiPalette.h"

#include <QLabel>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int plainHeaderHeight = 24;
constexpr int groupedHeaderHeight = 36;
constexpr int groupedMargin = 10;
constexpr int scrollStep = 20;

QColor tableBackground(TableView::Style style)
{
    return style == TableView::StyleGrouped ? UiPalette::background() : QColor(0x1a, 0x1b, 0x1f);
}
}

TableView::TableView(Style style, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_style(style)
    , m_sectionHeaderHeight(style == StyleGrouped ? groupedHeaderHeight : plainHeaderHeight)
{
    UiAccessibility::install();
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    new FocusFrame(this);

    // Controls that cells hold inherit a dark-theme palette.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, tableBackground(style));
    colours.setColor(QPalette::Base, tableBackground(style));
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        colours.setColor(role, UiPalette::text());
    setPalette(colours);
    setAutoFillBackground(true);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);

    verticalScrollBar()->setSingleStep(scrollStep);
    verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 7px; margin: 2px 1px 2px 0; }"
        "QScrollBar::handle:vertical { background: rgba(255, 255, 255, 70); border-radius: 3px; min-height: 36px; }"
        "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: rgba(255, 255, 255, 120); }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }"));
    setUpScroller();
}

TableView::~TableView()
{
    // Nothing may call out while the widgets go.
    m_dataSource = nullptr;
    m_delegate = nullptr;
    if (m_scroller)
        disconnect(m_scroller, nullptr, this, nullptr);
}

// Changing either does not reload: the owner reloads when it is ready, and a
// screen clearing them while it goes away must not be called back.
void TableView::setDataSource(TableViewDataSource* dataSource)
{
    m_dataSource = dataSource;
}

void TableView::setDelegate(TableViewDelegate* delegate)
{
    m_delegate = delegate;
}

void TableView::setRowHeight(int height)
{
    if (height == m_rowHeight)
        return;
    m_rowHeight = height;
    if (m_loaded) {
        rebuildLayout();
        layoutVisibleItems();
    }
}

void TableView::setSectionHeaderHeight(int height)
{
    if (height == m_sectionHeaderHeight)
        return;
    m_sectionHeaderHeight = height;
    if (m_loaded) {
        rebuildLayout();
        layoutVisibleItems();
    }
}

void TableView::setSeparatorStyle(SeparatorStyle style)
{
    m_separatorStyle = style;
    for (const auto& [indexPath, cell] : m_visibleCells)
        configureCellState(cell, indexPath);
}

void TableView::reloadData()
{
    if (m_inLayout) {
        // Asked from inside a data-source call: finish this pass first.
        m_reloadPending = true;
        return;
    }
    m_loaded = true;
    m_reloadPending = false;
    m_selectedRow = IndexPath();
    m_deleteConfirmationRow = IndexPath();
    recycleAllCells();
    dropAllHeaders();
    rebuildLayout();
    updateSectionIndex();
    layoutVisibleItems();
}

void TableView::reloadRowsAtIndexPaths(const QList<IndexPath>& indexPaths)
{
    for (const IndexPath& indexPath : indexPaths) {
        const auto found = m_visibleCells.find(indexPath);
        if (found == m_visibleCells.end())
            continue;
        recycleCell(found->second);
        m_visibleCells.erase(found);
    }
    layoutVisibleItems();
}

void TableView::insertRowsAtIndexPaths(const QList<IndexPath>&)
{
    reloadData();
}

void TableView::deleteRowsAtIndexPaths(const QList<IndexPath>&)
{
    reloadData();
}

TableViewCell* TableView::dequeueReusableCellWithIdentifier(const QString& identifier)
{
    if (identifier.isEmpty())
        return nullptr;
    auto queue = m_reuseQueues.find(identifier);
    if (queue == m_reuseQueues.end() || queue->isEmpty())
        return nullptr;
    TableViewCell* cell = queue->takeLast();
    cell->prepareForReuse();
    return cell;
}

TableViewCell* TableView::cellForRowAtIndexPath(const IndexPath& indexPath) const
{
    const auto found = m_visibleCells.find(indexPath);
    return found == m_visibleCells.end() ? nullptr : found->second;
}

QList<TableViewCell*> TableView::visibleCells() const
{
    QList<TableViewCell*> cells;
    for (const auto& entry : m_visibleCells)
        cells.append(entry.second);
    return cells;
}

QList<IndexPath> TableView::indexPathsForVisibleRows() const
{
    QList<IndexPath> rows;
    for (const auto& entry : m_visibleCells)
        rows.append(entry.first);
    return rows;
}

IndexPath TableView::indexPathForCell(const TableViewCell* cell) const
{
    for (const auto& [indexPath, visible] : m_visibleCells) {
        if (visible == cell)
            return indexPath;
    }
    return {};
}

IndexPath TableView::indexPathForRowAtPoint(const QPoint& point) const
{
    return m_layout.indexPathAt(point.y() + contentOffset().y());
}

QRect TableView::rectForRowAtIndexPath(const IndexPath& indexPath) const
{
    if (!m_layout.contains(indexPath))
        return {};
    return QRect(0, m_layout.rowTop(indexPath), viewport()->width(), m_layout.rowHeight(indexPath));
}

QRect TableView::rectForHeaderInSection(int section) const
{
    if (section < 0 || section >= m_layout.sectionCount())
        return {};
    return QRect(0, m_layout.sectionTop(section), viewport()->width(), m_layout.headerHeight(section));
}

void TableView::selectRowAtIndexPath(const IndexPath& indexPath, bool animated, ScrollPosition scrollPosition)
{
    if (m_selectedRow.isValid() && m_selectedRow != indexPath) {
        if (TableViewCell* previous = cellForRowAtIndexPath(m_selectedRow))
            previous->setSelected(false, animated);
    }
    m_selectedRow = m_layout.contains(indexPath) ? indexPath : IndexPath();
    if (!m_selectedRow.isValid())
        return;
    m_keyboardRow = m_selectedRow;
    if (TableViewCell* cell = cellForRowAtIndexPath(m_selectedRow))
        cell->setSelected(true, animated);
    if (scrollPosition != ScrollPositionNone)
        scrollToRowAtIndexPath(m_selectedRow, scrollPosition, animated);
}

void TableView::deselectRowAtIndexPath(const IndexPath& indexPath, bool animated)
{
    if (TableViewCell* cell = cellForRowAtIndexPath(indexPath))
        cell->setSelected(false, animated);
    if (indexPath == m_selectedRow)
        m_selectedRow = IndexPath();
}

void TableView::scrollToRowAtIndexPath(const IndexPath& indexPath, ScrollPosition position, bool animated)
{
    if (!m_layout.contains(indexPath))
        return;
    const QRect row = rectForRowAtIndexPath(indexPath);
    const int height = viewport()->height();
    const int current = contentOffset().y();
    // In a plain list the section's title stays pinned over the top rows.
    const int covered = m_style == StylePlain ? m_layout.headerHeight(indexPath.section()) : 0;
    int target = current;
    switch (position) {
    case ScrollPositionTop:
        target = row.top() - covered;
        break;
    case ScrollPositionMiddle:
        target = row.center().y() - height / 2;
        break;
    case ScrollPositionBottom:
        target = row.bottom() + 1 - height;
        break;
    case ScrollPositionNone:
        if (row.top() - covered < current)
            target = row.top() - covered;
        else if (row.bottom() + 1 > current + height)
            target = row.bottom() + 1 - height;
        break;
    }
    setContentOffset(QPoint(0, target), animated);
}

QPoint TableView::contentOffset() const
{
    return QPoint(0, verticalScrollBar()->value());
}

void TableView::setContentOffset(const QPoint& offset, bool animated)
{
    const int y = qBound(0, offset.y(), verticalScrollBar()->maximum());
    if (animated && isVisible()) {
        m_scroller->scrollTo(QPointF(0, y), 300);
        return;
    }
    m_scroller->stop();
    verticalScrollBar()->setValue(y);
}

QSize TableView::contentSize() const
{
    return QSize(viewport()->width(), m_layout.contentHeight());
}

QSize TableView::sizeHint() const
{
    return QSize(320, 480);
}

void TableView::scrollContentsBy(int, int)
{
    layoutVisibleItems();
}

void TableView::resizeEvent(QResizeEvent*)
{
    updateScrollRange();
    if (m_indexBar)
        updateSectionIndex();
    layoutVisibleItems();
}

void TableView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (!m_loaded)
        reloadData();
}

void TableView::rebuildLayout()
{
    m_layout.clear();
    m_sectionTitles.clear();
    const bool grouped = m_style == StyleGrouped;
    m_layout.setTopMargin(grouped ? groupedMargin : 0);
    const int sections = m_dataSource ? qMax(0, m_dataSource->numberOfSections(this)) : 0;
    for (int section = 0; section < sections; ++section) {
        const int rows = qMax(0, m_dataSource->numberOfRowsInSection(this, section));
        const QString title = m_dataSource->titleForHeaderInSection(this, section);
        m_sectionTitles.append(title);
        int header = m_delegate ? m_delegate->heightForHeaderInSection(this, section) : automaticDimension;
        if (header < 0)
            header = title.isEmpty() ? 0 : m_sectionHeaderHeight;
        std::function<int(int)> rowHeight;
        if (m_delegate) {
            rowHeight = [this, section](int row) {
                return m_delegate->heightForRowAtIndexPath(this, IndexPath(section, row));
            };
        }
        m_layout.appendSection(header, rows, m_rowHeight, rowHeight, grouped ? groupedMargin : 0);
    }
    updateScrollRange();
}

void TableView::updateScrollRange()
{
    const int height = viewport()->height();
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(height);
    bar->setRange(0, qMax(0, m_layout.contentHeight() - height));
}

void TableView::layoutVisibleItems()
{
    if (m_inLayout || !m_loaded)
        return;
    {
        const QScopedValueRollback<bool> inLayout(m_inLayout, true);
        const int top = contentOffset().y();
        const int bottom = top + viewport()->height();
        layoutVisibleCells(top, bottom);
        layoutVisibleHeaders(top, bottom);
        if (m_indexBar)
            m_indexBar->raise();
    }
    if (m_reloadPending)
        reloadData();
}

void TableView::layoutVisibleCells(int top, int bottom)
{
    const QList<IndexPath> wanted = m_layout.rowsIntersecting(top, bottom);
    for (auto it = m_visibleCells.begin(); it != m_visibleCells.end();) {
        const bool stays = std::binary_search(wanted.cbegin(), wanted.cend(), it->first);
        if (stays || it->second == m_reorderCell) {
            ++it;
            continue;
        }
        recycleCell(it->second);
        it = m_visibleCells.erase(it);
    }
    for (const IndexPath& indexPath : wanted) {
        const auto found = m_visibleCells.find(indexPath);
        if (found != m_visibleCells.end()) {
            placeCell(found->second, indexPath);
            continue;
        }
        if (!m_dataSource)
            continue;
        TableViewCell* cell = obtainCell(indexPath);
        placeCell(cell, indexPath);
        cell->layoutSubviews();
        cell->show();
    }
}

TableViewCell* TableView::obtainCell(const IndexPath& indexPath)
{
    TableViewCell* cell = m_dataSource->cellForRowAtIndexPath(this, indexPath);
    if (!cell)
        qFatal("TableView: the data source gave no cell for row %d of section %d", indexPath.row(),
               indexPath.section());
    // A cell the data source kept aside instead of dequeuing must not be
    // handed out twice.
    if (auto queue = m_reuseQueues.find(cell->reuseIdentifier()); queue != m_reuseQueues.end())
        queue->removeOne(cell);
    if (cell->parentWidget() != viewport())
        cell->setParent(viewport());
    connect(cell, &TableViewCell::deleteConfirmationTapped, this, &TableView::deleteConfirmed, Qt::UniqueConnection);
    m_visibleCells[indexPath] = cell;
    configureCellState(cell, indexPath);
    return cell;
}

void TableView::configureCellState(TableViewCell* cell, const IndexPath& indexPath)
{
    const int rows = m_layout.rowCount(indexPath.section());
    cell->setTablePlacement(m_style == StyleGrouped, indexPath.row() == 0, indexPath.row() == rows - 1,
                            m_separatorStyle == SeparatorStyleSingleLine);
    cell->setEditing(m_editing);
    const auto editingStyle = m_editing ? editingStyleFor(indexPath) : TableViewCell::EditingStyleNone;
    const bool movable = m_editing && m_dataSource && m_dataSource->canMoveRowAtIndexPath(this, indexPath);
    cell->setEditingControls(editingStyle, movable);
    cell->setShowingDeleteConfirmation(indexPath == m_deleteConfirmationRow);
    cell->setSelected(indexPath == m_selectedRow, false);
}

void TableView::placeCell(TableViewCell* cell, const IndexPath& indexPath)
{
    if (cell == m_reorderCell)
        return;
    QRect area = rectForRowAtIndexPath(indexPath).translated(0, -contentOffset().y());
    area.adjust(rowInset(), 0, -rowInset() - sectionIndexWidth(), 0);
    cell->setGeometry(area);
}

QString TableView::accessibleTextForRow(const IndexPath& indexPath, RowText kind)
{
    if (!m_dataSource || !m_layout.contains(indexPath))
        return {};
    auto textOf = [kind](const TableViewCell* cell) {
        // A widget in the accessory's place (a state icon) tells what it
        // shows in its name.
        if (kind == RowText::Description) {
            const QWidget* accessory = cell->accessoryView();
            return accessory ? accessory->accessibleName() : QString();
        }
        QStringList parts;
        for (const QLabel* label : { cell->textLabel(), cell->detailTextLabel() })
            if (label && !label->text().isEmpty())
                parts << label->text();
        return parts.join(QStringLiteral(", "));
    };
    if (const auto visible = m_visibleCells.find(indexPath); visible != m_visibleCells.end())
        return textOf(visible->second);
    TableViewCell* cell = m_dataSource->cellForRowAtIndexPath(this, indexPath);
    if (!cell)
        return {};
    const QString text = textOf(cell);
    // Back where the data source will find it again, unless it is on
    // screen for another row (a cell the data source keeps).
    for (const auto& entry : m_visibleCells)
        if (entry.second == cell)
            return text;
    if (cell->parentWidget() != viewport())
        cell->setParent(viewport());
    cell->hide();
    if (!cell->reuseIdentifier().isEmpty() && !m_reuseQueues[cell->reuseIdentifier()].contains(cell))
        m_reuseQueues[cell->reuseIdentifier()].append(cell);
    return text;
}

void TableView::recycleCell(TableViewCell* cell)
{
    cell->hide();
    cell->setHighlighted(false);
    if (cell->reuseIdentifier().isEmpty()) {
        cell->deleteLater();
        return;
    }
    m_reuseQueues[cell->reuseIdentifier()].append(cell);
}

void TableView::recycleAllCells()
{
    for (const auto& entry : m_visibleCells)
        recycleCell(entry.second);
    m_visibleCells.clear();
    m_reorderCell = nullptr;
}

void TableView::layoutVisibleHeaders(int top, int bottom)
{
    std::map<int, QRect> wanted;
    for (int section : m_layout.sectionsIntersecting(top, bottom)) {
        const int height = m_layout.headerHeight(section);
        if (height <= 0)
            continue;
        int y = m_layout.sectionTop(section);
        if (m_style == StylePlain)
            y = qMax(y, qMin(top, m_layout.sectionRowsBottom(section) - height));
        if (y + height <= top || y >= bottom)
            continue;
        wanted[section] = QRect(0, y - top, viewport()->width() - sectionIndexWidth(), height);
    }
    for (auto it = m_visibleHeaders.begin(); it != m_visibleHeaders.end();) {
        if (wanted.count(it->first) && it->second) {
            ++it;
            continue;
        }
        if (it->second) {
            it->second->hide();
            it->second->deleteLater();
        }
        it = m_visibleHeaders.erase(it);
    }
    for (const auto& [section, area] : wanted) {
        QPointer<QWidget>& header = m_visibleHeaders[section];
        if (!header)
            header = makeHeader(section);
        header->setGeometry(area);
        header->show();
        header->raise();
    }
}

QWidget* TableView::makeHeader(int section)
{
    QWidget* header = m_delegate ? m_delegate->viewForHeaderInSection(this, section) : nullptr;
    if (!header)
        header = new TableSectionTitleView(m_sectionTitles.value(section), m_style == StyleGrouped);
    header->setParent(viewport());
    return header;
}

void TableView::dropAllHeaders()
{
    for (const auto& entry : m_visibleHeaders) {
        if (entry.second) {
            entry.second->hide();
            entry.second->deleteLater();
        }
    }
    m_visibleHeaders.clear();
}

int TableView::rowInset() const
{
    return m_style == StyleGrouped ? groupedMargin : 0;
}

TableViewCell::EditingStyle TableView::editingStyleFor(const IndexPath& indexPath)
{
    return m_delegate ? m_delegate->editingStyleForRowAtIndexPath(this, indexPath) : TableViewCell::EditingStyleNone;
}
