// Touch, mouse and keyboard handling of TableView: taps select, drags
// scroll with momentum (the kinetics are QScroller's, fed from here so that
// the table alone decides what a press was).
#include "ui/TableView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollerProperties>

namespace {
// Long enough that a press which turns into a scroll does not flash the row.
constexpr int highlightDelayMs = 70;
// How far a finger may slip during a tap.
constexpr int tapSlop = 16;
}

void TableView::setUpScroller()
{
    m_scroller = QScroller::scroller(viewport());
    QScrollerProperties properties = m_scroller->scrollerProperties();
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootWhenScrollable));
    m_scroller->setScrollerProperties(properties);
    connect(m_scroller, &QScroller::stateChanged, this, &TableView::scrollerStateChanged);

    m_pressHighlightDelay.setSingleShot(true);
    m_pressHighlightDelay.setInterval(highlightDelayMs);
    connect(&m_pressHighlightDelay, &QTimer::timeout, this, &TableView::highlightPressedRow);
}

void TableView::scrollerStateChanged(QScroller::State state)
{
    if (state == QScroller::Dragging && m_press.active) {
        m_press.scrolled = true;
        cancelPressHighlight();
    }
}

void TableView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    beginPress(event->position().toPoint(), qint64(event->timestamp()));
}

void TableView::beginPress(const QPoint& position, qint64 timestamp)
{
    cancelPressHighlight();
    m_press = Press();
    m_press.active = true;
    m_press.start = position;
    // A press that stops a moving list only stops it.
    m_scrollerWasMoving = m_scroller->state() == QScroller::Scrolling;

    bool onHeader = false;
    for (const auto& entry : m_visibleHeaders)
        onHeader = onHeader || (entry.second && entry.second->geometry().contains(position));
    const IndexPath indexPath = onHeader ? IndexPath() : indexPathForRowAtPoint(position);
    TableViewCell* cell = cellForRowAtIndexPath(indexPath);
    if (cell) {
        m_press.indexPath = indexPath;
        const QPoint inCell = position - cell->pos();
        if (cell->reorderControlRect().contains(inCell)) {
            m_press.target = PressTarget::ReorderControl;
        } else if (cell->editingControlRect().contains(inCell)) {
            m_press.target = PressTarget::EditingControl;
        } else if (cell->hasTappableAccessory() && cell->accessoryRect().contains(inCell)) {
            m_press.target = PressTarget::Accessory;
            cell->setAccessoryPressed(true);
        } else {
            m_press.target = PressTarget::Row;
        }
    }
    // An open delete button closes on any other press, which does nothing else.
    if (m_deleteConfirmationRow.isValid()
        && !(m_press.target == PressTarget::EditingControl && m_press.indexPath == m_deleteConfirmationRow)) {
        hideDeleteConfirmation();
        m_press.target = PressTarget::Dismissal;
    }

    if (m_press.target == PressTarget::ReorderControl) {
        beginReorder(indexPath, position);
        return;
    }
    m_scroller->handleInput(QScroller::InputPress, position, timestamp);
    const bool selectable = m_allowsSelection && (!m_editing || m_allowsSelectionDuringEditing);
    if (m_press.target == PressTarget::Row && selectable && !m_scrollerWasMoving)
        m_pressHighlightDelay.start();
}

void TableView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_press.active) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint position = event->position().toPoint();
    if (m_press.target == PressTarget::ReorderControl) {
        moveReorder(position);
        return;
    }
    if (m_press.swiped)
        return;
    if ((position - m_press.start).manhattanLength() > tapSlop && !m_press.wandered) {
        m_press.wandered = true;
        cancelPressHighlight();
    }
    // In editing mode too: a row that shows the red circle can be swiped.
    if (!m_press.scrolled && m_press.target == PressTarget::Row && trySwipe(position)) {
        m_press.swiped = true;
        m_scroller->stop();
        cancelPressHighlight();
        return;
    }
    m_scroller->handleInput(QScroller::InputMove, position, qint64(event->timestamp()));
}

void TableView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_press.active || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint position = event->position().toPoint();
    const Press press = m_press;
    m_press.active = false;
    m_pressHighlightDelay.stop();

    if (press.target == PressTarget::ReorderControl) {
        finishReorder(position);
        return;
    }
    if (!press.swiped)
        m_scroller->handleInput(QScroller::InputRelease, position, qint64(event->timestamp()));
    TableViewCell* cell = cellForRowAtIndexPath(press.indexPath);
    if (cell)
        cell->setAccessoryPressed(false);

    const bool tap = !press.scrolled && !press.swiped && !press.wandered && !m_scrollerWasMoving;
    if (!tap || indexPathForRowAtPoint(position) != press.indexPath) {
        cancelPressHighlight();
        return;
    }
    switch (press.target) {
    case PressTarget::Row:
        selectRowByUser(press.indexPath);
        break;
    case PressTarget::Accessory:
        if (m_delegate && cell && cell->accessoryRect().contains(position - cell->pos()))
            m_delegate->accessoryButtonTappedForRowWithIndexPath(this, press.indexPath);
        break;
    case PressTarget::EditingControl:
        editingControlTapped(press.indexPath);
        break;
    case PressTarget::Nothing:
    case PressTarget::ReorderControl:
    case PressTarget::Dismissal:
        break;
    }
}

void TableView::highlightPressedRow()
{
    if (!m_press.active || m_press.scrolled || m_press.wandered || m_press.target != PressTarget::Row)
        return;
    if (TableViewCell* cell = cellForRowAtIndexPath(m_press.indexPath))
        cell->setHighlighted(true);
}

void TableView::cancelPressHighlight()
{
    m_pressHighlightDelay.stop();
    if (TableViewCell* cell = cellForRowAtIndexPath(m_press.indexPath))
        cell->setHighlighted(false);
}

void TableView::selectRowByUser(const IndexPath& indexPath)
{
    cancelPressHighlight();
    if (!m_allowsSelection || (m_editing && !m_allowsSelectionDuringEditing))
        return;
    const IndexPath target = m_delegate ? m_delegate->willSelectRowAtIndexPath(this, indexPath) : indexPath;
    if (!m_layout.contains(target))
        return;
    selectRowAtIndexPath(target, false);
    if (m_delegate)
        m_delegate->didSelectRowAtIndexPath(this, target);
}

void TableView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        moveKeyboardCursor(-1);
        break;
    case Qt::Key_Down:
        moveKeyboardCursor(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_layout.contains(m_keyboardRow))
            selectRowByUser(m_keyboardRow);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TableView::moveKeyboardCursor(int step)
{
    IndexPath next;
    if (!m_layout.contains(m_keyboardRow)) {
        // Start from the first row (or the last when going up).
        for (int s = 0; s < m_layout.sectionCount() && !next.isValid(); ++s) {
            const int section = step > 0 ? s : m_layout.sectionCount() - 1 - s;
            if (m_layout.rowCount(section) > 0)
                next = IndexPath(section, step > 0 ? 0 : m_layout.rowCount(section) - 1);
        }
    } else {
        int section = m_keyboardRow.section();
        int row = m_keyboardRow.row() + step;
        while (section >= 0 && section < m_layout.sectionCount() && (row < 0 || row >= m_layout.rowCount(section))) {
            section += step;
            if (section >= 0 && section < m_layout.sectionCount())
                row = step > 0 ? 0 : m_layout.rowCount(section) - 1;
        }
        if (section >= 0 && section < m_layout.sectionCount())
            next = IndexPath(section, row);
    }
    if (!next.isValid())
        return;
    selectRowAtIndexPath(next, false, ScrollPositionNone);
    scrollToRowAtIndexPath(next, ScrollPositionNone, false);
}
