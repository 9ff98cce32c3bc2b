#include "core/DictionaryHelpers.h"
#include "core/RowKeys.h"
#include "core/TableStructure.h"

#include <gtest/gtest.h>

namespace {
QVariantMap rowWithId(int id)
{
    QVariantMap row;
    DictionaryHelpers::setInt(row, id, BW_ROW_ID_INT);
    return row;
}

QList<int> rowIdsOf(const TableStructure& structure, int section)
{
    QList<int> ids;
    for (int row = 0; row < structure.numberOfRowsInSection(section); ++row)
        ids.append(structure.rowIdForIndexPath(IndexPath(section, row)));
    return ids;
}
}

TEST(TableStructure, FlatListStartsASectionAtEveryTitle)
{
    const TableStructure structure(QVariantList { QStringLiteral("Saved Computers"), 2000, 2001, 1,
                                                  QStringLiteral("More"), 6 });
    ASSERT_EQ(structure.numberOfSections(), 2);
    EXPECT_EQ(structure.titleForSection(0), QStringLiteral("Saved Computers"));
    EXPECT_EQ(structure.titleForSection(1), QStringLiteral("More"));
    EXPECT_EQ(rowIdsOf(structure, 0), (QList<int> { 2000, 2001, 1 }));
    EXPECT_EQ(rowIdsOf(structure, 1), (QList<int> { 6 }));
}

TEST(TableStructure, TrailingTitleStillMakesAnEmptySection)
{
    const TableStructure structure(QVariantList { QStringLiteral("First"), 1, 2, QStringLiteral("Second") });
    ASSERT_EQ(structure.numberOfSections(), 2);
    EXPECT_EQ(structure.numberOfRowsInSection(1), 0);
    EXPECT_EQ(structure.titleForSection(1), QStringLiteral("Second"));
}

TEST(TableStructure, FlatListKeepsRowDictionariesAsRows)
{
    const TableStructure structure(QVariantList { QString(), rowWithId(7), 3 });
    ASSERT_EQ(structure.numberOfSections(), 1);
    EXPECT_EQ(structure.titleForSection(0), QString());
    EXPECT_EQ(rowIdsOf(structure, 0), (QList<int> { 7, 3 }));
    EXPECT_TRUE(TableSection::isRowDictionary(structure.itemAtIndexPath(IndexPath(0, 0))));
}

TEST(TableStructure, RowIdOfADictionaryWithoutIdIsZero)
{
    TableStructure structure;
    structure.addSection(QStringLiteral("S"));
    QVariantMap row;
    row.insert(BW_ROW__AUTO_TEXT_STRING, QStringLiteral("No id"));
    structure.addRow(row);
    structure.addRow(rowWithId(42));
    structure.addRow(-3);
    EXPECT_EQ(rowIdsOf(structure, 0), (QList<int> { 0, 42, -3 }));
}

TEST(TableStructure, RowByRowBuildingStoresCopiesAndCarriesKeysForward)
{
    TableStructure structure;
    QVariantMap working;
    DictionaryHelpers::setClass(working, &QObject::staticMetaObject, BW_ROW_CELL_CLASS_CLASS);
    working.insert(BW_ROW_CELL_ID_STRING, QStringLiteral("DisplayCell_ID"));
    DictionaryHelpers::setInt(working, 0, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
    structure.addSection(QStringLiteral("Settings"));

    DictionaryHelpers::setInt(working, 2, BW_ROW_ID_INT);
    DictionaryHelpers::setInt(working, 1, BW_ROW_AUTO_ACCESSORY_STYLE_INT);
    working.insert(BW_ROW__AUTO_TEXT_STRING, QStringLiteral("First"));
    structure.addRow(working);

    DictionaryHelpers::setInt(working, 3, BW_ROW_ID_INT);
    working.remove(BW_ROW__AUTO_TEXT_STRING);
    structure.addRow(working);

    // Changing the working dictionary afterwards reaches no stored row.
    DictionaryHelpers::setInt(working, 99, BW_ROW_ID_INT);
    working.insert(BW_ROW__AUTO_TEXT_STRING, QStringLiteral("Changed"));

    const QVariantMap first = structure.itemAtIndexPath(IndexPath(0, 0)).toMap();
    const QVariantMap second = structure.itemAtIndexPath(IndexPath(0, 1)).toMap();
    EXPECT_EQ(DictionaryHelpers::intForKey(first, BW_ROW_ID_INT), 2);
    EXPECT_EQ(first.value(BW_ROW__AUTO_TEXT_STRING).toString(), QStringLiteral("First"));
    EXPECT_EQ(DictionaryHelpers::intForKey(second, BW_ROW_ID_INT), 3);
    EXPECT_FALSE(second.contains(BW_ROW__AUTO_TEXT_STRING));
    // The accessory set for the first row stays in force for the next.
    EXPECT_EQ(DictionaryHelpers::intForKey(second, BW_ROW_AUTO_ACCESSORY_STYLE_INT), 1);
    EXPECT_EQ(DictionaryHelpers::classForKey(second, BW_ROW_CELL_CLASS_CLASS), &QObject::staticMetaObject);
}

TEST(TableStructure, SectionsBeyondTheStructureHaveNoRowsAndNoTitle)
{
    const TableStructure structure(QVariantList { QStringLiteral("A"), 1, QStringLiteral("B"), 2,
                                                  QStringLiteral("C"), 3 });
    EXPECT_EQ(structure.numberOfRowsInSection(2), 1);
    EXPECT_EQ(structure.numberOfRowsInSection(5), 0);
    EXPECT_EQ(structure.numberOfRowsInSection(3), 0);
    EXPECT_EQ(structure.numberOfRowsInSection(-1), 0);
    EXPECT_EQ(structure.titleForSection(5), QString());
    EXPECT_EQ(TableStructure().numberOfRowsInSection(0), 0);
}

TEST(TableStructure, MoveTakesTheRowOutAndPutsItAtTheDestination)
{
    TableStructure structure(QVariantList { QStringLiteral("S"), 1, 2, 3, QStringLiteral("T"), 10 });
    structure.moveRowAtIndexPath(IndexPath(0, 0), IndexPath(0, 2));
    EXPECT_EQ(rowIdsOf(structure, 0), (QList<int> { 2, 3, 1 }));
    structure.moveRowAtIndexPath(IndexPath(0, 2), IndexPath(0, 0));
    EXPECT_EQ(rowIdsOf(structure, 0), (QList<int> { 1, 2, 3 }));
    structure.moveRowAtIndexPath(IndexPath(0, 1), IndexPath(1, 1));
    EXPECT_EQ(rowIdsOf(structure, 0), (QList<int> { 1, 3 }));
    EXPECT_EQ(rowIdsOf(structure, 1), (QList<int> { 10, 2 }));
}

TEST(TableStructure, InsertAndDeleteWorkInPlace)
{
    TableStructure structure(QVariantList { QStringLiteral("S"), 1, 2 });
    structure.insertItem(rowWithId(5), IndexPath(0, 1));
    EXPECT_EQ(rowIdsOf(structure, 0), (QList<int> { 1, 5, 2 }));
    structure.deleteItemAtIndexPath(IndexPath(0, 0));
    EXPECT_EQ(rowIdsOf(structure, 0), (QList<int> { 5, 2 }));
    structure.addSection(QStringLiteral("Later"));
    structure.addRow(9);
    EXPECT_EQ(rowIdsOf(structure, 1), (QList<int> { 9 }));
}
