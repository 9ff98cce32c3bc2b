#include "core/DictionaryHelpers.h"
#include "TestSupport.h"
#include "core/RowKeys.h"
#include "ui/TableSectionTitleView.h"
#include "ui/TableView.h"
#include "ui/TableViewController.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& out, const IndexPath& path)
{
    return out << '(' << path.section() << ", " << path.row() << ')';
}

namespace {
// A list of numbered rows that counts what the table asks of it.
class NumberedRows : public TableViewDataSource, public TableViewDelegate {
public:
    int numberOfSections(TableView*) override { return int(rows.size()); }
    int numberOfRowsInSection(TableView*, int section) override { return rows.value(section); }
    QString titleForHeaderInSection(TableView*, int section) override { return titles.value(section); }
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override
    {
        ++cellRequests;
        TableViewCell* cell = table->dequeueReusableCellWithIdentifier(QStringLiteral("row"));
        if (!cell) {
            cell = new TableViewCell(QStringLiteral("row"));
            ++cellsMade;
        }
        cell->textLabel()->setText(QStringLiteral("%1.%2").arg(indexPath.section()).arg(indexPath.row()));
        cell->setAccessoryType(indexPath.row() == detailRow ? TableViewCell::AccessoryDetailDisclosureButton
                                                            : TableViewCell::AccessoryNone);
        return cell;
    }
    int heightForRowAtIndexPath(TableView*, const IndexPath& indexPath) override
    {
        return heights.value(indexPath.row(), automaticDimension);
    }
    QWidget* viewForHeaderInSection(TableView*, int section) override
    {
        if (!customHeaders)
            return nullptr;
        auto* header = new QWidget;
        header->setObjectName(QStringLiteral("custom %1").arg(section));
        madeHeaders.append(header);
        return header;
    }
    IndexPath willSelectRowAtIndexPath(TableView*, const IndexPath& indexPath) override
    {
        return indexPath == refusedRow ? IndexPath() : indexPath;
    }
    void didSelectRowAtIndexPath(TableView*, const IndexPath& indexPath) override { selected.append(indexPath); }
    void accessoryButtonTappedForRowWithIndexPath(TableView*, const IndexPath& indexPath) override
    {
        accessoryTaps.append(indexPath);
    }
    TableViewCell::EditingStyle editingStyleForRowAtIndexPath(TableView*, const IndexPath& indexPath) override
    {
        return indexPath.row() == 0 ? TableViewCell::EditingStyleNone : editingStyle;
    }
    void commitEditingStyle(TableView*, TableViewCell::EditingStyle style, const IndexPath& indexPath) override
    {
        commits.append({ style, indexPath });
    }
    bool canMoveRowAtIndexPath(TableView*, const IndexPath&) override { return true; }
    void moveRowAtIndexPath(TableView*, const IndexPath& from, const IndexPath& to) override
    {
        moves.append({ from, to });
    }

    QList<int> rows { 100 };
    QStringList titles;
    QHash<int, int> heights;
    bool customHeaders = false;
    int detailRow = -1;
    IndexPath refusedRow;
    TableViewCell::EditingStyle editingStyle = TableViewCell::EditingStyleDelete;

    int cellRequests = 0;
    int cellsMade = 0;
    QList<QPointer<QWidget>> madeHeaders;
    QList<IndexPath> selected;
    QList<IndexPath> accessoryTaps;
    QList<QPair<TableViewCell::EditingStyle, IndexPath>> commits;
    QList<QPair<IndexPath, IndexPath>> moves;
};

// Drives the table as a finger or the mouse would: each event goes to the
// widget under the point and travels up to the table if nobody takes it.
class Pointer {
public:
    explicit Pointer(TableView& table) : m_table(table) { }

    void press(const QPoint& at) { send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void move(const QPoint& at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void release(const QPoint& at) { send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void click(const QPoint& at)
    {
        press(at);
        release(at);
    }
    void drag(const QPoint& from, const QPoint& to, int steps = 10)
    {
        press(from);
        for (int step = 1; step <= steps; ++step)
            move(from + (to - from) * step / steps);
        release(to);
    }

private:
    void send(QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* viewport = m_table.viewport();
        QWidget* target = viewport->childAt(at);
        if (!target)
            target = viewport;
        const QPoint local = target->mapFrom(viewport, at);
        QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
        m_time += 16;
        event.setTimestamp(m_time);
        QApplication::sendEvent(target, &event);
    }

    TableView& m_table;
    quint64 m_time = 100000;
};

class TableViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.resize(320, 480);
        table.setDataSource(&rows);
        table.setDelegate(&rows);
    }
    void showTable() { table.show(); }
    QPoint centreOf(const IndexPath& indexPath) const
    {
        return table.rectForRowAtIndexPath(indexPath).center() - table.contentOffset();
    }

    NumberedRows rows;
    TableView table;
    Pointer pointer { table };
};

int rowsThatFit(int height, int rowHeight)
{
    return (height + rowHeight - 1) / rowHeight;
}
}

TEST_F(TableViewTest, AHundredThousandRowsCostAScreenfulOfCells)
{
    rows.rows = { 100000 };
    showTable();
    const int screenful = rowsThatFit(table.viewport()->height(), 50);
    EXPECT_EQ(table.visibleCells().size(), screenful);
    EXPECT_LE(rows.cellsMade, screenful);
    EXPECT_EQ(table.numberOfRowsInSection(0), 100000);
    EXPECT_EQ(table.contentSize().height(), 100000 * 50);

    // Far down the list the same cells come back for other rows.
    table.setContentOffset(QPoint(0, 2'500'000));
    EXPECT_EQ(table.indexPathsForVisibleRows().first(), IndexPath(0, 50000));
    EXPECT_EQ(table.cellForRowAtIndexPath(IndexPath(0, 50003))->textLabel()->text(), QStringLiteral("0.50003"));
    EXPECT_EQ(table.cellForRowAtIndexPath(IndexPath(0, 3)), nullptr);
    for (int offset = 0; offset < 6000; offset += 37)
        table.setContentOffset(QPoint(0, offset));
    EXPECT_LE(rows.cellsMade, screenful + 1);
    EXPECT_LE(table.visibleCells().size(), screenful + 1);
    for (TableViewCell* cell : table.visibleCells())
        EXPECT_EQ(cell->parentWidget(), table.viewport());
}

TEST_F(TableViewTest, ReloadFollowsACountChange)
{
    rows.rows = { 200 };
    showTable();
    table.setContentOffset(QPoint(0, 200 * 50));
    const int bottom = table.contentOffset().y();
    EXPECT_GT(bottom, 0);

    rows.rows = { 5 };
    table.reloadData();
    EXPECT_EQ(table.numberOfRowsInSection(0), 5);
    EXPECT_EQ(table.contentOffset().y(), 0);
    EXPECT_EQ(table.visibleCells().size(), 5);
    EXPECT_EQ(table.indexPathsForVisibleRows().last(), IndexPath(0, 4));

    rows.rows = { 5, 3 };
    rows.titles = { QString(), QStringLiteral("More") };
    table.reloadData();
    EXPECT_EQ(table.numberOfSections(), 2);
    EXPECT_EQ(table.visibleCells().size(), 8);
    EXPECT_EQ(table.cellForRowAtIndexPath(IndexPath(1, 2))->textLabel()->text(), QStringLiteral("1.2"));
}

TEST_F(TableViewTest, RowsMayHaveTheirOwnHeights)
{
    rows.rows = { 10 };
    rows.heights = { { 1, 22 }, { 2, 80 } };
    showTable();
    EXPECT_EQ(table.rectForRowAtIndexPath(IndexPath(0, 1)), QRect(0, 50, table.viewport()->width(), 22));
    EXPECT_EQ(table.rectForRowAtIndexPath(IndexPath(0, 3)).top(), 50 + 22 + 80);
    EXPECT_EQ(table.indexPathForRowAtPoint(QPoint(10, 71)), IndexPath(0, 1));
    EXPECT_EQ(table.indexPathForRowAtPoint(QPoint(10, 72)), IndexPath(0, 2));
    EXPECT_EQ(table.contentSize().height(), 8 * 50 + 22 + 80);
    EXPECT_EQ(table.cellForRowAtIndexPath(IndexPath(0, 2))->height(), 80);
}

TEST_F(TableViewTest, TitledSectionsGetHeadersAboveTheirRows)
{
    rows.rows = { 2, 2 };
    rows.titles = { QStringLiteral("Saved Computers"), QStringLiteral("More") };
    showTable();
    const int header = table.sectionHeaderHeight();
    EXPECT_EQ(table.rectForRowAtIndexPath(IndexPath(0, 0)).top(), header);
    EXPECT_EQ(table.rectForRowAtIndexPath(IndexPath(1, 0)).top(), 2 * header + 100);
    QStringList shown;
    for (auto* title : table.viewport()->findChildren<TableSectionTitleView*>()) {
        if (title->isVisible())
            shown.append(title->title());
    }
    shown.sort();
    EXPECT_EQ(shown, (QStringList { QStringLiteral("More"), QStringLiteral("Saved Computers") }));
    EXPECT_FALSE(table.indexPathForRowAtPoint(QPoint(10, header / 2)).isValid());
}

TEST_F(TableViewTest, CustomHeaderViewsAreShownAndDisposedOf)
{
    rows.rows = { 2, 2 };
    rows.titles = { QStringLiteral("A"), QStringLiteral("B") };
    rows.customHeaders = true;
    showTable();
    ASSERT_EQ(rows.madeHeaders.size(), 2);
    EXPECT_EQ(rows.madeHeaders.first()->parentWidget(), table.viewport());
    EXPECT_EQ(rows.madeHeaders.first()->geometry(), QRect(0, 0, table.viewport()->width(), table.sectionHeaderHeight()));
    table.reloadData();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(rows.madeHeaders.at(0).isNull());
    EXPECT_TRUE(rows.madeHeaders.at(1).isNull());
    EXPECT_EQ(rows.madeHeaders.size(), 4);
}

TEST_F(TableViewTest, ClickSelectsTheRowUnderThePointer)
{
    rows.rows = { 3, 4 };
    rows.titles = { QStringLiteral("First"), QStringLiteral("Second") };
    showTable();
    pointer.click(centreOf(IndexPath(1, 2)));
    ASSERT_EQ(rows.selected, (QList<IndexPath> { IndexPath(1, 2) }));
    EXPECT_EQ(table.indexPathForSelectedRow(), IndexPath(1, 2));
    EXPECT_TRUE(table.cellForRowAtIndexPath(IndexPath(1, 2))->isSelected());

    pointer.click(centreOf(IndexPath(0, 0)));
    EXPECT_EQ(rows.selected.last(), IndexPath(0, 0));
    EXPECT_FALSE(table.cellForRowAtIndexPath(IndexPath(1, 2))->isSelected());

    // A header is no row.
    pointer.click(QPoint(20, 3));
    EXPECT_EQ(rows.selected.size(), 2);
}

TEST_F(TableViewTest, SelectionCanBeRedirectedOrRefused)
{
    rows.refusedRow = IndexPath(0, 1);
    showTable();
    pointer.click(centreOf(IndexPath(0, 1)));
    EXPECT_TRUE(rows.selected.isEmpty());
    EXPECT_FALSE(table.indexPathForSelectedRow().isValid());
    table.setAllowsSelection(false);
    pointer.click(centreOf(IndexPath(0, 2)));
    EXPECT_TRUE(rows.selected.isEmpty());
}

TEST_F(TableViewTest, ADragScrollsWithMomentumAndSelectsNothing)
{
    rows.rows = { 1000 };
    showTable();
    pointer.drag(centreOf(IndexPath(0, 8)), centreOf(IndexPath(0, 1)));
    EXPECT_TRUE(rows.selected.isEmpty());
    EXPECT_FALSE(table.indexPathForSelectedRow().isValid());
    for (TableViewCell* cell : table.visibleCells())
        EXPECT_FALSE(cell->isHighlighted());
    // The list follows the finger and then runs on by itself.
    ASSERT_TRUE(waitUntil([&] { return table.contentOffset().y() > 6 * 50; }));
    QScroller* scroller = QScroller::scroller(table.viewport());
    ASSERT_EQ(scroller->state(), QScroller::Scrolling);

    // A tap on the moving list stops it and chooses nothing.
    pointer.click(centreOf(IndexPath(0, table.indexPathsForVisibleRows().at(3).row())));
    EXPECT_TRUE(rows.selected.isEmpty());
    EXPECT_EQ(scroller->state(), QScroller::Inactive);
}

TEST_F(TableViewTest, ADragThatEndsOnItsOwnRowInAShortListSelectsNothing)
{
    rows.rows = { 3 };
    showTable();
    // Nothing to scroll: the press moved off its row, so it is no tap.
    pointer.drag(centreOf(IndexPath(0, 0)), centreOf(IndexPath(0, 2)));
    EXPECT_TRUE(rows.selected.isEmpty());
    EXPECT_EQ(table.contentOffset().y(), 0);
}

TEST_F(TableViewTest, TheWheelScrolls)
{
    rows.rows = { 1000 };
    showTable();
    const QPoint at(100, 100);
    QWheelEvent wheel(at, table.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(table.viewport(), &wheel);
    EXPECT_GT(table.contentOffset().y(), 0);
    EXPECT_EQ(table.indexPathsForVisibleRows().first().row(), table.contentOffset().y() / 50);
}

TEST_F(TableViewTest, KeyboardMovesAndChooses)
{
    showTable();
    auto key = [&](int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(&table, &press);
    };
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(table.indexPathForSelectedRow(), IndexPath(0, 1));
    EXPECT_TRUE(rows.selected.isEmpty());
    key(Qt::Key_Return);
    EXPECT_EQ(rows.selected, (QList<IndexPath> { IndexPath(0, 1) }));
    for (int i = 0; i < 20; ++i)
        key(Qt::Key_Down);
    EXPECT_EQ(table.indexPathForSelectedRow(), IndexPath(0, 21));
    EXPECT_TRUE(table.cellForRowAtIndexPath(IndexPath(0, 21)));
}

TEST_F(TableViewTest, TheDetailButtonIsNotARowTap)
{
    rows.rows = { 5 };
    rows.detailRow = 2;
    showTable();
    TableViewCell* cell = table.cellForRowAtIndexPath(IndexPath(0, 2));
    const QPoint button = cell->geometry().topLeft() + cell->accessoryRect().center();
    pointer.click(button);
    EXPECT_EQ(rows.accessoryTaps, (QList<IndexPath> { IndexPath(0, 2) }));
    EXPECT_TRUE(rows.selected.isEmpty());
}

TEST_F(TableViewTest, SwipingOpensTheDeleteButtonWhichCommits)
{
    rows.rows = { 5 };
    showTable();
    // Row 0 cannot be deleted: a swipe there does nothing.
    pointer.drag(centreOf(IndexPath(0, 0)), centreOf(IndexPath(0, 0)) - QPoint(120, 0), 6);
    EXPECT_FALSE(table.cellForRowAtIndexPath(IndexPath(0, 0))->isShowingDeleteConfirmation());

    pointer.drag(centreOf(IndexPath(0, 3)), centreOf(IndexPath(0, 3)) - QPoint(120, 0), 6);
    TableViewCell* cell = table.cellForRowAtIndexPath(IndexPath(0, 3));
    ASSERT_TRUE(cell->isShowingDeleteConfirmation());
    EXPECT_TRUE(rows.selected.isEmpty());

    auto* button = cell->findChild<QPushButton*>();
    ASSERT_TRUE(button);
    button->click();
    ASSERT_EQ(rows.commits.size(), 1);
    EXPECT_EQ(rows.commits.first().first, TableViewCell::EditingStyleDelete);
    EXPECT_EQ(rows.commits.first().second, IndexPath(0, 3));
}

TEST_F(TableViewTest, APressElsewhereOnlyClosesTheDeleteButton)
{
    rows.rows = { 5 };
    showTable();
    pointer.drag(centreOf(IndexPath(0, 3)), centreOf(IndexPath(0, 3)) + QPoint(120, 0), 6);
    ASSERT_TRUE(table.cellForRowAtIndexPath(IndexPath(0, 3))->isShowingDeleteConfirmation());
    pointer.click(centreOf(IndexPath(0, 1)));
    EXPECT_FALSE(table.cellForRowAtIndexPath(IndexPath(0, 3))->isShowingDeleteConfirmation());
    EXPECT_TRUE(rows.selected.isEmpty());
    EXPECT_TRUE(rows.commits.isEmpty());
}

TEST_F(TableViewTest, EditingControlsDeleteAndInsert)
{
    rows.rows = { 5 };
    showTable();
    table.setEditing(true);
    EXPECT_TRUE(table.cellForRowAtIndexPath(IndexPath(0, 0))->editingControlRect().isEmpty());
    TableViewCell* cell = table.cellForRowAtIndexPath(IndexPath(0, 2));
    ASSERT_FALSE(cell->editingControlRect().isEmpty());
    pointer.click(cell->geometry().topLeft() + cell->editingControlRect().center());
    ASSERT_TRUE(cell->isShowingDeleteConfirmation());
    cell->findChild<QPushButton*>()->click();
    ASSERT_EQ(rows.commits.size(), 1);
    EXPECT_EQ(rows.commits.first().second, IndexPath(0, 2));

    rows.editingStyle = TableViewCell::EditingStyleInsert;
    table.reloadData();
    cell = table.cellForRowAtIndexPath(IndexPath(0, 4));
    pointer.click(cell->geometry().topLeft() + cell->editingControlRect().center());
    ASSERT_EQ(rows.commits.size(), 2);
    EXPECT_EQ(rows.commits.last().first, TableViewCell::EditingStyleInsert);
    EXPECT_EQ(rows.commits.last().second, IndexPath(0, 4));

    table.setEditing(false);
    EXPECT_TRUE(table.cellForRowAtIndexPath(IndexPath(0, 4))->editingControlRect().isEmpty());
}

TEST_F(TableViewTest, TheGripMovesARow)
{
    rows.rows = { 6 };
    showTable();
    table.setEditing(true);
    TableViewCell* cell = table.cellForRowAtIndexPath(IndexPath(0, 1));
    const QPoint grip = cell->geometry().topLeft() + cell->reorderControlRect().center();
    pointer.drag(grip, grip + QPoint(0, 3 * 50));
    ASSERT_EQ(rows.moves.size(), 1);
    EXPECT_EQ(rows.moves.first().first, IndexPath(0, 1));
    EXPECT_EQ(rows.moves.first().second, IndexPath(0, 4));
    EXPECT_TRUE(rows.selected.isEmpty());
    EXPECT_EQ(table.contentOffset().y(), 0);
}

TEST_F(TableViewTest, ScrollingToARowBringsItIntoView)
{
    rows.rows = { 1000 };
    showTable();
    table.scrollToRowAtIndexPath(IndexPath(0, 500), TableView::ScrollPositionTop, false);
    EXPECT_EQ(table.contentOffset().y(), 500 * 50);
    table.scrollToRowAtIndexPath(IndexPath(0, 400), TableView::ScrollPositionNone, false);
    EXPECT_EQ(table.contentOffset().y(), 400 * 50);
    table.scrollToRowAtIndexPath(IndexPath(0, 999), TableView::ScrollPositionBottom, false);
    EXPECT_EQ(table.contentOffset().y(), 1000 * 50 - table.viewport()->height());
    EXPECT_TRUE(table.cellForRowAtIndexPath(IndexPath(0, 999)));
}

namespace {
class SettingsLikeScreen : public TableViewController {
public:
    int built = 0;
    int rowsWhenFirstAsked = -1;

protected:
    void initialiseStructure() override
    {
        ++built;
        TableStructure structure;
        QVariantMap row;
        DictionaryHelpers::setClass(row, &TableViewCell::staticMetaObject, BW_ROW_CELL_CLASS_CLASS);
        row.insert(BW_ROW_CELL_ID_STRING, QStringLiteral("cell"));
        structure.addSection(QStringLiteral("Settings"));
        for (int id = 1; id <= 3; ++id) {
            DictionaryHelpers::setInt(row, id, BW_ROW_ID_INT);
            row.insert(BW_ROW__AUTO_TEXT_STRING, QStringLiteral("Row %1").arg(id));
            structure.addRow(row);
        }
        setTableStructure(structure);
    }
};
}

TEST(TableViewController, BuildsItsStructureOnceAndShowsIt)
{
    auto screen = std::make_unique<SettingsLikeScreen>();
    screen->resize(320, 480);
    screen->loadViewIfNeeded();
    screen->show();
    EXPECT_EQ(screen->built, 1);
    TableView* table = screen->myTableView();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rowHeight(), 50);
    EXPECT_EQ(table->dataSource(), screen.get());
    EXPECT_EQ(table->numberOfRowsInSection(0), 3);
    EXPECT_EQ(table->cellForRowAtIndexPath(IndexPath(0, 2))->textLabel()->text(), QStringLiteral("Row 3"));
    EXPECT_EQ(screen->editingStyleForRowAtIndexPath(table, IndexPath(0, 0)), TableViewCell::EditingStyleNone);
    EXPECT_EQ(screen->numberOfRowsInSection(table, 4), 0);
    EXPECT_EQ(screen->built, 1);

    // A tap is answered by deselecting the row.
    Pointer pointer(*table);
    pointer.click(table->rectForRowAtIndexPath(IndexPath(0, 1)).center());
    EXPECT_FALSE(table->indexPathForSelectedRow().isValid());

    // Going away with its table on screen must not call back into it.
    screen.reset();
}
