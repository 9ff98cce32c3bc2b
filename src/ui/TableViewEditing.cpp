// Editing in TableView: the editing mode with its controls, the delete
// button a swipe or a delete control opens, and reordering by the grip.
#include "ui/TableView.h"

#include "ui/UiPalette.h"

namespace {
// A swipe is a clearly sideways drag.
constexpr int swipeDistance = 24;
constexpr int reorderMarkerHeight = 3;
constexpr int reorderEdgeZone = 30;
constexpr int reorderEdgeStep = 12;
}

void TableView::setEditing(bool editing, bool)
{
    if (editing == m_editing)
        return;
    m_editing = editing;
    m_deleteConfirmationRow = IndexPath();
    for (const auto& [indexPath, cell] : m_visibleCells)
        configureCellState(cell, indexPath);
}

bool TableView::trySwipe(const QPoint& position)
{
    const QPoint moved = position - m_press.start;
    if (qAbs(moved.x()) < swipeDistance || qAbs(moved.x()) < 2 * qAbs(moved.y()))
        return false;
    if (editingStyleFor(m_press.indexPath) != TableViewCell::EditingStyleDelete)
        return false;
    showDeleteConfirmation(m_press.indexPath);
    return true;
}

void TableView::showDeleteConfirmationForRowAtIndexPath(const IndexPath& indexPath)
{
    if (m_layout.contains(indexPath) && editingStyleFor(indexPath) == TableViewCell::EditingStyleDelete)
        showDeleteConfirmation(indexPath);
}

void TableView::showDeleteConfirmation(const IndexPath& indexPath)
{
    hideDeleteConfirmation();
    m_deleteConfirmationRow = indexPath;
    if (TableViewCell* cell = cellForRowAtIndexPath(indexPath))
        cell->setShowingDeleteConfirmation(true);
}

void TableView::hideDeleteConfirmation()
{
    if (TableViewCell* cell = cellForRowAtIndexPath(m_deleteConfirmationRow))
        cell->setShowingDeleteConfirmation(false);
    m_deleteConfirmationRow = IndexPath();
}

void TableView::deleteConfirmed(TableViewCell* cell)
{
    const IndexPath indexPath = indexPathForCell(cell);
    hideDeleteConfirmation();
    if (indexPath.isValid() && m_delegate)
        m_delegate->commitEditingStyle(this, TableViewCell::EditingStyleDelete, indexPath);
}

void TableView::editingControlTapped(const IndexPath& indexPath)
{
    switch (editingStyleFor(indexPath)) {
    case TableViewCell::EditingStyleDelete:
        if (m_deleteConfirmationRow == indexPath)
            hideDeleteConfirmation();
        else
            showDeleteConfirmation(indexPath);
        break;
    case TableViewCell::EditingStyleInsert:
        if (m_delegate)
            m_delegate->commitEditingStyle(this, TableViewCell::EditingStyleInsert, indexPath);
        break;
    case TableViewCell::EditingStyleNone:
        break;
    }
}

void TableView::beginReorder(const IndexPath& indexPath, const QPoint& position)
{
    m_reorderCell = cellForRowAtIndexPath(indexPath);
    if (!m_reorderCell)
        return;
    m_reorderSource = indexPath;
    m_reorderGrabOffset = position.y() - m_reorderCell->y();
    m_reorderCell->raise();
    m_reorderCell->setHighlighted(false);
    if (!m_reorderMarker) {
        m_reorderMarker = new QWidget(viewport());
        m_reorderMarker->setAutoFillBackground(true);
        QPalette colours = m_reorderMarker->palette();
        colours.setColor(QPalette::Window, UiPalette::accent());
        m_reorderMarker->setPalette(colours);
    }
    moveReorder(position);
}

void TableView::moveReorder(const QPoint& position)
{
    if (!m_reorderCell)
        return;
    // Near an edge the list runs on under the dragged row.
    if (position.y() < reorderEdgeZone)
        setContentOffset(contentOffset() - QPoint(0, reorderEdgeStep));
    else if (position.y() > viewport()->height() - reorderEdgeZone)
        setContentOffset(contentOffset() + QPoint(0, reorderEdgeStep));

    const int y = qBound(0, position.y() - m_reorderGrabOffset, qMax(0, viewport()->height() - m_reorderCell->height()));
    m_reorderCell->move(m_reorderCell->x(), y);

    const IndexPath destination = reorderDestinationAt(position);
    QRect row = rectForRowAtIndexPath(destination).translated(0, -contentOffset().y());
    const bool below = destination.section() > m_reorderSource.section()
        || (destination.section() == m_reorderSource.section() && destination.row() > m_reorderSource.row());
    const int markerY = below ? row.bottom() - reorderMarkerHeight / 2 : row.top() - reorderMarkerHeight / 2;
    m_reorderMarker->setGeometry(rowInset(), markerY, viewport()->width() - 2 * rowInset() - sectionIndexWidth(),
                                 reorderMarkerHeight);
    m_reorderMarker->setVisible(destination.isValid() && destination != m_reorderSource);
    m_reorderMarker->raise();
    m_reorderCell->raise();
}

void TableView::finishReorder(const QPoint& position)
{
    if (m_reorderMarker)
        m_reorderMarker->hide();
    if (!m_reorderCell)
        return;
    const IndexPath from = m_reorderSource;
    IndexPath to = reorderDestinationAt(position);
    m_reorderCell = nullptr;
    m_reorderSource = IndexPath();
    if (m_delegate && to.isValid())
        to = m_delegate->targetIndexPathForMoveFromRowAtIndexPath(this, from, to);
    if (!to.isValid() || to == from || !m_dataSource) {
        layoutVisibleItems();
        return;
    }
    m_dataSource->moveRowAtIndexPath(this, from, to);
    reloadData();
}

IndexPath TableView::reorderDestinationAt(const QPoint& position) const
{
    if (m_layout.sectionCount() == 0)
        return {};
    const int y = qBound(0, position.y() + contentOffset().y(), qMax(0, m_layout.contentHeight() - 1));
    const IndexPath under = m_layout.indexPathAt(y);
    if (under.isValid())
        return under;
    // Over a header or a gap: the nearest row of the section there.
    int section = m_layout.sectionCount() - 1;
    while (section > 0 && m_layout.sectionTop(section) > y)
        --section;
    const int rows = m_layout.rowCount(section);
    if (rows == 0)
        return IndexPath(section, 0);
    return IndexPath(section, y < m_layout.sectionTop(section) + m_layout.headerHeight(section) ? 0 : rows - 1);
}
