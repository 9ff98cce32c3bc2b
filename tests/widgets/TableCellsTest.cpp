#include "core/DictionaryHelpers.h"
#include "ui/CellTextField.h"
#include "ui/DisplayCell.h"
#include "core/RowKeys.h"
#include "ui/SourceCell.h"
#include "ui/StylingHelpers.h"
#include "core/TableStructure.h"
#include "ui/TableStructureCells.h"
#include "ui/TableStructureDataSource.h"
#include "ui/TableStyledHeaderView.h"
#include "ui/TableView.h"
#include "ui/UiImages.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

#include <memory>

#include <gtest/gtest.h>

namespace {
QVariantMap rowDictionary(const QMetaObject* cellClass, const QString& identifier)
{
    QVariantMap row;
    DictionaryHelpers::setClass(row, cellClass, BW_ROW_CELL_CLASS_CLASS);
    if (!identifier.isEmpty())
        row.insert(BW_ROW_CELL_ID_STRING, identifier);
    return row;
}

// A screen whose every cell comes from its structure.
class ConfigScreen : public TableStructureDataSource {
public:
    TableStructure* tableStructure() override { return &structure; }
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override
    {
        return TableStructureCells::cellFromConfigForTable(structure, table, indexPath);
    }
    void show(const QVariantList& rows)
    {
        structure = TableStructure(QVariantList { QStringLiteral("Rows") } + rows);
    }
    TableStructure structure;
};

class CellFromConfig : public ::testing::Test {
protected:
    void SetUp() override
    {
        table.resize(320, 300);
        table.setDataSource(&screen);
    }
    void showRows(const QVariantList& rows)
    {
        screen.show(rows);
        table.reloadData();
        table.show();
    }
    TableViewCell* cellAt(int row) { return table.cellForRowAtIndexPath(IndexPath(0, row)); }

    ConfigScreen screen;
    TableView table;
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

TEST_F(CellFromConfig, MakesTheRowsClassWithItsIdentifierWhenNothingIsQueued)
{
    QVariantMap display = rowDictionary(&DisplayCell::staticMetaObject, QStringLiteral("DisplayCell_ID"));
    display.insert(BW_ROW__AUTO_TEXT_STRING, QStringLiteral("Skin: Default"));
    showRows({ display, rowDictionary(&SourceCell::staticMetaObject, QStringLiteral("SourceCell_ID")) });

    auto* first = qobject_cast<DisplayCell*>(cellAt(0));
    auto* second = qobject_cast<SourceCell*>(cellAt(1));
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_EQ(first->reuseIdentifier(), QStringLiteral("DisplayCell_ID"));
    EXPECT_EQ(first->textLabel()->text(), QStringLiteral("Skin: Default"));
    EXPECT_EQ(second->reuseIdentifier(), QStringLiteral("SourceCell_ID"));
    // Each standard cell starts without a selection look.
    EXPECT_EQ(first->selectionStyle(), TableViewCell::SelectionStyleNone);
    EXPECT_EQ(second->selectionStyle(), TableViewCell::SelectionStyleNone);
}

TEST_F(CellFromConfig, ReusedCellLosesTextButKeepsAccessoryAndSelectionItsRowDoesNotMention)
{
    QVariantMap full = rowDictionary(&TableViewCell::staticMetaObject, QStringLiteral("plain"));
    full.insert(BW_ROW__AUTO_TEXT_STRING, QStringLiteral("Help"));
    DictionaryHelpers::setInt(full, TableViewCell::AccessoryDisclosureIndicator, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
    DictionaryHelpers::setInt(full, TableViewCell::SelectionStyleGray, BW_ROW_AUTO_SELECTION_STYLE_INT);
    showRows({ full });
    QPointer<TableViewCell> before = cellAt(0);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->accessoryType(), TableViewCell::AccessoryDisclosureIndicator);
    EXPECT_EQ(before->editingAccessoryType(), TableViewCell::AccessoryDisclosureIndicator);
    EXPECT_EQ(before->selectionStyle(), TableViewCell::SelectionStyleGray);

    showRows({ rowDictionary(&TableViewCell::staticMetaObject, QStringLiteral("plain")) });
    ASSERT_EQ(cellAt(0), before.data()) << "the queued cell was not reused";
    EXPECT_TRUE(before->textLabel()->text().isEmpty());
    EXPECT_EQ(before->accessoryType(), TableViewCell::AccessoryDisclosureIndicator);
    EXPECT_EQ(before->editingAccessoryType(), TableViewCell::AccessoryDisclosureIndicator);
    EXPECT_EQ(before->selectionStyle(), TableViewCell::SelectionStyleGray);

    QVariantMap explicitRow = rowDictionary(&TableViewCell::staticMetaObject, QStringLiteral("plain"));
    DictionaryHelpers::setInt(explicitRow, TableViewCell::AccessoryNone, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
    DictionaryHelpers::setInt(explicitRow, TableViewCell::SelectionStyleNone, BW_ROW_AUTO_SELECTION_STYLE_INT);
    showRows({ explicitRow });
    ASSERT_EQ(cellAt(0), before.data());
    EXPECT_EQ(before->accessoryType(), TableViewCell::AccessoryNone);
    EXPECT_EQ(before->editingAccessoryType(), TableViewCell::AccessoryNone);
    EXPECT_EQ(before->selectionStyle(), TableViewCell::SelectionStyleNone);
}

TEST_F(CellFromConfig, IdentifiersKeepCellKindsApart)
{
    const QVariantMap display = rowDictionary(&DisplayCell::staticMetaObject, QStringLiteral("DisplayCell_ID"));
    const QVariantMap source = rowDictionary(&SourceCell::staticMetaObject, QStringLiteral("SourceCell_ID"));
    showRows({ display, source });
    QPointer<TableViewCell> displayCell = cellAt(0);
    QPointer<TableViewCell> sourceCell = cellAt(1);

    showRows({ source, display });
    EXPECT_EQ(cellAt(0), sourceCell.data());
    EXPECT_EQ(cellAt(1), displayCell.data());
}

TEST_F(CellFromConfig, RowsWithoutIdentifierGetFreshCells)
{
    showRows({ rowDictionary(&DisplayCell::staticMetaObject, QString()) });
    QPointer<TableViewCell> before = cellAt(0);
    ASSERT_TRUE(before);
    table.reloadData();
    EXPECT_NE(cellAt(0), before.data());
    flushDeletes();
    EXPECT_TRUE(before.isNull()) << "a cell nobody can reuse must not linger";
}

TEST(CellHostedView, AViewTheScreenOwnsGoesBackToItWhenReplaced)
{
    QWidget screen;
    auto* field = new QLineEdit(&screen);
    DisplayCell cell(QStringLiteral("DisplayCell_ID"));
    cell.setView(field);
    EXPECT_EQ(field->parentWidget(), cell.contentView());

    cell.setView(nullptr);
    flushDeletes();
    EXPECT_EQ(field->parentWidget(), &screen);
    EXPECT_TRUE(field->isHidden());
}

TEST(CellHostedView, AViewMadeForTheRowGoesWithIt)
{
    TableViewCell cell(QStringLiteral("c"));
    QPointer<QPushButton> parentless = new QPushButton(QStringLiteral("x"));
    cell.setAccessoryView(parentless);
    QPointer<QPushButton> madeInCell = new QPushButton(QStringLiteral("y"), &cell);
    cell.setAccessoryView(madeInCell);
    flushDeletes();
    EXPECT_TRUE(parentless.isNull());
    cell.setAccessoryView(new QPushButton(QStringLiteral("z")));
    flushDeletes();
    EXPECT_TRUE(madeInCell.isNull());
}

TEST(CellHostedView, AViewAnotherCellTookOverStaysThere)
{
    QWidget screen;
    auto* name = new QLineEdit(&screen);
    auto* address = new QLineEdit(&screen);
    CellTextField first(QStringLiteral("remoteTextCell"));
    CellTextField second(QStringLiteral("remoteTextCell"));
    first.setView(name);
    second.setView(address);
    // A reload hands the fields out the other way round.
    second.setView(name);
    first.setView(address);
    flushDeletes();
    EXPECT_EQ(name->parentWidget(), second.contentView());
    EXPECT_EQ(address->parentWidget(), first.contentView());
    EXPECT_EQ(second.view(), name);
}

TEST(StandardCells, DisplayCellPutsItsControlAtTheRightCentred)
{
    DisplayCell cell(QStringLiteral("DisplayCell_ID"));
    cell.resize(320, 50);
    cell.show();
    auto* control = new QWidget;
    control->resize(51, 31);
    cell.setView(control);
    const int width = cell.contentView()->width();
    EXPECT_EQ(control->geometry(), QRect(width - 51 - 8, 10, 51, 31));
    EXPECT_LT(cell.textLabel()->geometry().right(), control->x());

    cell.resize(480, 60);
    EXPECT_EQ(control->geometry(), QRect(cell.contentView()->width() - 51 - 8, 15, 51, 31));
}

TEST(StandardCells, CellTextFieldSpansTheCellBelowItsTop)
{
    CellTextField cell(QStringLiteral("remoteTextCell"));
    cell.resize(320, 50);
    auto* field = new QLineEdit;
    cell.setView(field);
    EXPECT_EQ(field->geometry(), QRect(8, 12, cell.contentView()->width() - 16, 30));
    EXPECT_EQ(cell.selectionStyle(), TableViewCell::SelectionStyleNone);
}

TEST(StandardCells, SourceCellFillsItsContentWithOneCentredLine)
{
    SourceCell cell(QStringLiteral("SourceCell_ID"));
    cell.resize(320, 22);
    cell.setText(QStringLiteral("Version 1.0"));
    EXPECT_EQ(cell.sourceLabel()->geometry(), cell.contentView()->rect());
    EXPECT_EQ(cell.sourceLabel()->text(), QStringLiteral("Version 1.0"));
    EXPECT_TRUE(cell.sourceLabel()->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(cell.sourceLabel()->font().pixelSize(), 12);
}

TEST(StandardCells, AccessoriesTakeRoomFromTheContent)
{
    TableViewCell cell(QStringLiteral("c"));
    cell.resize(320, 50);
    cell.show();
    EXPECT_EQ(cell.contentView()->width(), 320);
    cell.setAccessoryType(TableViewCell::AccessoryDisclosureIndicator);
    EXPECT_LT(cell.contentView()->width(), 300);
    EXPECT_FALSE(cell.accessoryRect().isEmpty());

    auto* view = new QWidget;
    view->resize(40, 40);
    cell.setAccessoryView(view);
    EXPECT_EQ(view->geometry(), QRect(320 - 40 - 10, 5, 40, 40));
    EXPECT_LE(cell.contentView()->geometry().right(), view->x());
}

TEST(StylingHelpers, StyledHeaderShowsTheIndentedTextOverTheWholeImage)
{
    TableStyledHeaderView* header = StylingHelpers::styledHeaderForText(QStringLiteral("Saved Computers"));
    std::unique_ptr<QWidget> owner(header);
    EXPECT_EQ(header->label()->text(), QStringLiteral("      Saved Computers"));
    header->show();
    header->resize(320, 24);
    EXPECT_EQ(header->label()->geometry(), header->rect());
    EXPECT_EQ(header->label()->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(header->label()->palette().color(QPalette::Window).alpha(), 0);
    EXPECT_TRUE(header->label()->font().bold());
    EXPECT_EQ(header->label()->font().pixelSize(), 12);

    header->resize(70, 24);
    EXPECT_LT(header->label()->font().pixelSize(), 12) << "text wider than the header should shrink";
    header->resize(320, 24);
    EXPECT_EQ(header->label()->font().pixelSize(), 12);
}

TEST(StylingHelpers, VlcBackgroundGivesTheStandardRowLook)
{
    TableViewCell cell(QStringLiteral("c"));
    StylingHelpers::setVLCBackground(&cell);
    EXPECT_FALSE(cell.backgroundImage().isNull());
    EXPECT_EQ(cell.textColor(), QColor(Qt::white));
    EXPECT_EQ(cell.selectionStyle(), TableViewCell::SelectionStyleGray);
    EXPECT_EQ(cell.textLabel()->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST(UiImages, StretchingKeepsTheCapsAndStretchesTheColumnAfterTheLeftCap)
{
    QImage source(40, 10, QImage::Format_RGB32);
    source.fill(Qt::red);
    for (int y = 0; y < 10; ++y) {
        source.setPixel(30, y, qRgb(0, 255, 0));
        for (int x = 31; x < 40; ++x)
            source.setPixel(x, y, qRgb(0, 0, 255));
    }
    const QPixmap image = QPixmap::fromImage(source);
    auto draw = [&](int leftCap) {
        QImage target(200, 10, QImage::Format_RGB32);
        target.fill(Qt::black);
        QPainter painter(&target);
        UiImages::drawStretchable(painter, target.rect(), image, leftCap, 0);
        return target;
    };
    const QImage capped = draw(30);
    EXPECT_EQ(capped.pixel(10, 5), qRgb(255, 0, 0));
    EXPECT_EQ(capped.pixel(100, 5), qRgb(0, 255, 0));
    EXPECT_EQ(capped.pixel(195, 5), qRgb(0, 0, 255));
    // Without a cap the whole image scales: column 20 lands near x = 100.
    const QImage scaled = draw(0);
    EXPECT_EQ(scaled.pixel(100, 5), qRgb(255, 0, 0));
    EXPECT_EQ(scaled.pixel(195, 5), qRgb(0, 0, 255));
}

TEST(UiImages, MissingImagesAreStoodInFor)
{
    EXPECT_FALSE(UiImages::named(QStringLiteral("tableRowBackground.png")).isNull());
    EXPECT_FALSE(UiImages::named(QStringLiteral("no-such-image.png")).isNull());
}
