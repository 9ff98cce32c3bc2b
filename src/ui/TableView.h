#pragma once

#include "core/IndexPath.h"
#include "ui/TableLayout.h"
#include "ui/TableViewCell.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QScroller>
#include <QTimer>

#include <map>

class TableIndexBar;

// A phone-style list: titled sections of rows, scrolled by dragging (with
// momentum), the wheel, the scroll bar or the keyboard; a tap selects a row.
//
// Only the rows on screen have cell widgets. A cell that scrolls away goes
// into a queue by its reuse identifier and comes back to the data source
// through dequeueReusableCellWithIdentifier, so a list of any length costs a
// screenful of cells.
class TableView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum Style { StylePlain, StyleGrouped };
    enum ScrollPosition { ScrollPositionNone, ScrollPositionTop, ScrollPositionMiddle, ScrollPositionBottom };
    enum SeparatorStyle { SeparatorStyleNone, SeparatorStyleSingleLine };
    static constexpr int automaticDimension = TableViewDelegate::automaticDimension;
    static constexpr int defaultRowHeight = 50;

    explicit TableView(Style style = StylePlain, QWidget* parent = nullptr);
    ~TableView() override;

    Style style() const { return m_style; }
    // Neither is owned; clear them before they go away.
    TableViewDataSource* dataSource() const { return m_dataSource; }
    void setDataSource(TableViewDataSource* dataSource);
    TableViewDelegate* delegate() const { return m_delegate; }
    void setDelegate(TableViewDelegate* delegate);

    int rowHeight() const { return m_rowHeight; }
    void setRowHeight(int height);
    int sectionHeaderHeight() const { return m_sectionHeaderHeight; }
    void setSectionHeaderHeight(int height);
    SeparatorStyle separatorStyle() const { return m_separatorStyle; }
    void setSeparatorStyle(SeparatorStyle style);
    bool allowsSelection() const { return m_allowsSelection; }
    void setAllowsSelection(bool allows) { m_allowsSelection = allows; }
    // Rows can be tapped while editing unless this is turned off.
    bool allowsSelectionDuringEditing() const { return m_allowsSelectionDuringEditing; }
    void setAllowsSelectionDuringEditing(bool allows) { m_allowsSelectionDuringEditing = allows; }

    // Asks the data source again for everything; clears the selection and
    // keeps the scroll position where it can.
    void reloadData();
    // Asks again for the cells of these rows, where they are on screen.
    void reloadRowsAtIndexPaths(const QList<IndexPath>& indexPaths);
    // Both simply reload: the data source has already changed.
    void insertRowsAtIndexPaths(const QList<IndexPath>& indexPaths);
    void deleteRowsAtIndexPaths(const QList<IndexPath>& indexPaths);

    // A queued cell with this identifier, ready for a new row; none for an
    // empty identifier or an empty queue.
    TableViewCell* dequeueReusableCellWithIdentifier(const QString& identifier);

    int numberOfSections() const { return m_layout.sectionCount(); }
    int numberOfRowsInSection(int section) const { return m_layout.rowCount(section); }
    // The cell on screen for the row, if it is on screen.
    TableViewCell* cellForRowAtIndexPath(const IndexPath& indexPath) const;
    QList<TableViewCell*> visibleCells() const;
    // What a row says, for assistive technology: its name (its cell's
    // texts) or its description (what the accessory view it shows is
    // called), asked of the data source when the row is not on screen.
    enum class RowText { Name, Description };
    QString accessibleTextForRow(const IndexPath& indexPath, RowText kind = RowText::Name);
    QList<IndexPath> indexPathsForVisibleRows() const;
    IndexPath indexPathForCell(const TableViewCell* cell) const;
    // The row under a point of the viewport.
    IndexPath indexPathForRowAtPoint(const QPoint& point) const;
    // In content coordinates (0 is the top of the list).
    QRect rectForRowAtIndexPath(const IndexPath& indexPath) const;
    QRect rectForHeaderInSection(int section) const;

    IndexPath indexPathForSelectedRow() const { return m_selectedRow; }
    // Neither tells the delegate.
    void selectRowAtIndexPath(const IndexPath& indexPath, bool animated,
                              ScrollPosition scrollPosition = ScrollPositionNone);
    void deselectRowAtIndexPath(const IndexPath& indexPath, bool animated);

    void scrollToRowAtIndexPath(const IndexPath& indexPath, ScrollPosition position, bool animated);
    QPoint contentOffset() const;
    void setContentOffset(const QPoint& offset, bool animated = false);
    QSize contentSize() const;

    bool isEditing() const { return m_editing; }
    void setEditing(bool editing, bool animated = false);
    // The row whose Delete button is open (the red circle or a sideways
    // drag opens it); a reload closes it, and an owner that can tell the
    // row again after its rebuild opens it there again.
    IndexPath indexPathForDeleteConfirmation() const { return m_deleteConfirmationRow; }
    void showDeleteConfirmationForRowAtIndexPath(const IndexPath& indexPath);

    QSize sizeHint() const override;

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What a press started on, decided when the button goes down.
    enum class PressTarget { Nothing, Row, Accessory, EditingControl, ReorderControl, Dismissal };
    struct Press {
        bool active = false;
        PressTarget target = PressTarget::Nothing;
        IndexPath indexPath;
        QPoint start;
        bool scrolled = false;
        bool swiped = false;
        // Moved too far to be a tap, even where nothing scrolled.
        bool wandered = false;
    };

    void rebuildLayout();
    void updateScrollRange();
    void layoutVisibleItems();
    void layoutVisibleCells(int top, int bottom);
    void layoutVisibleHeaders(int top, int bottom);
    TableViewCell* obtainCell(const IndexPath& indexPath);
    void placeCell(TableViewCell* cell, const IndexPath& indexPath);
    void configureCellState(TableViewCell* cell, const IndexPath& indexPath);
    void recycleCell(TableViewCell* cell);
    void recycleAllCells();
    void dropAllHeaders();
    QWidget* makeHeader(int section);
    int rowInset() const;
    int sectionIndexWidth() const;
    TableViewCell::EditingStyle editingStyleFor(const IndexPath& indexPath);

    // Input (TableViewInput.cpp).
    void setUpScroller();
    void scrollerStateChanged(QScroller::State state);
    void beginPress(const QPoint& position, qint64 timestamp);
    void cancelPressHighlight();
    void highlightPressedRow();
    void selectRowByUser(const IndexPath& indexPath);
    void moveKeyboardCursor(int step);

    // Editing (TableViewEditing.cpp).
    bool trySwipe(const QPoint& position);
    void showDeleteConfirmation(const IndexPath& indexPath);
    void hideDeleteConfirmation();
    void deleteConfirmed(TableViewCell* cell);
    void editingControlTapped(const IndexPath& indexPath);
    void beginReorder(const IndexPath& indexPath, const QPoint& position);
    void moveReorder(const QPoint& position);
    void finishReorder(const QPoint& position);
    IndexPath reorderDestinationAt(const QPoint& position) const;

    void updateSectionIndex();
    void sectionIndexChosen(const QString& title, int index);

    Style m_style;
    TableViewDataSource* m_dataSource = nullptr;
    TableViewDelegate* m_delegate = nullptr;
    int m_rowHeight = defaultRowHeight;
    int m_sectionHeaderHeight;
    SeparatorStyle m_separatorStyle = SeparatorStyleSingleLine;
    bool m_allowsSelection = true;
    bool m_allowsSelectionDuringEditing = true;
    bool m_editing = false;

    TableLayout m_layout;
    bool m_loaded = false;
    bool m_inLayout = false;
    bool m_reloadPending = false;
    std::map<IndexPath, TableViewCell*> m_visibleCells;
    QHash<QString, QList<TableViewCell*>> m_reuseQueues;
    std::map<int, QPointer<QWidget>> m_visibleHeaders;
    QList<QString> m_sectionTitles;

    IndexPath m_selectedRow;
    IndexPath m_keyboardRow;
    IndexPath m_deleteConfirmationRow;

    Press m_press;
    QTimer m_pressHighlightDelay;
    QScroller* m_scroller = nullptr;
    bool m_scrollerWasMoving = false;

    IndexPath m_reorderSource;
    QPointer<TableViewCell> m_reorderCell;
    int m_reorderGrabOffset = 0;
    QWidget* m_reorderMarker = nullptr;

    TableIndexBar* m_indexBar = nullptr;
};
