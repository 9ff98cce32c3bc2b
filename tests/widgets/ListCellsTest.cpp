#include "screens/Cells/BrowseCell.h"
#include "screens/Cells/DetailCell.h"
#include "ui/StylingHelpers.h"
#include "ui/UiPalette.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {
QPushButton* button40()
{
    auto* button = new QPushButton;
    button->resize(40, 40);
    return button;
}
}

TEST(BrowseCell, PlacesIconLabelAndControlAndHonoursThePadding)
{
    BrowseCell cell(QStringLiteral("BrowseCell_ID"));
    cell.resize(320, 50);
    cell.textLabel()->setText(QStringLiteral("Holiday Film.mkv"));
    cell.setLeftImage(QPixmap(64, 64)); // large artwork shrinks into the square
    cell.setView(button40());

    EXPECT_EQ(cell.leftView()->geometry(), QRect(4, 12, 25, 25));
    EXPECT_EQ(cell.view()->geometry(), QRect(320 - 40 - 8, 5, 40, 40));
    const QRect label = cell.textLabel()->geometry();
    EXPECT_EQ(label.left(), 8 + 25);
    EXPECT_EQ(label.top(), 12);
    EXPECT_LT(label.right(), cell.view()->x()) << "the label must not run under the control";

    cell.setLeftViewPadding(20);
    EXPECT_EQ(cell.leftView()->x(), 4 + 10);
    EXPECT_EQ(cell.textLabel()->x(), 8 + 20 + 25);
    EXPECT_EQ(cell.view()->x(), 320 - 40 - 8 - 20);
}

TEST(BrowseCell, AReplacedViewMadeForTheRowIsDeletedAndNoneLeavesNothing)
{
    BrowseCell cell(QStringLiteral("BrowseCell_ID"));
    QPointer<QWidget> first = button40();
    cell.setView(first);
    ASSERT_EQ(first->parentWidget(), cell.contentView());
    cell.setView(button40());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());

    cell.setView(nullptr);
    cell.setLeftView(nullptr);
    EXPECT_EQ(cell.view(), nullptr);
    EXPECT_EQ(cell.leftView(), nullptr);
    EXPECT_EQ(cell.textLabel()->x(), 8 + 25) << "rows with and without icons line up";
}

TEST(DetailCell, ShowsTypeAndNameOrOnlyThePromptAndLightsUpWhenSelected)
{
    DetailCell cell(QStringLiteral("ident"));
    StylingHelpers::setVLCBackground(&cell);
    cell.resize(320, 50);
    cell.show();
    cell.type()->setText(QStringLiteral("Video"));
    cell.name()->setText(QStringLiteral("Living Room"));

    EXPECT_EQ(cell.type()->geometry(), QRect(10, 10, 60, 30));
    EXPECT_EQ(cell.name()->geometry().left(), 80);
    EXPECT_TRUE(cell.name()->isVisible());
    EXPECT_FALSE(cell.prompt()->isVisible());
    EXPECT_EQ(cell.name()->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(cell.type()->palette().color(QPalette::WindowText), UiPalette::secondaryText());

    cell.setSelected(true);
    EXPECT_EQ(cell.type()->palette().color(QPalette::WindowText), QColor(Qt::white));
    cell.setSelected(false);
    EXPECT_EQ(cell.type()->palette().color(QPalette::WindowText), UiPalette::secondaryText());

    cell.setPromptMode(true);
    EXPECT_TRUE(cell.prompt()->isVisible());
    EXPECT_FALSE(cell.type()->isVisible());
    EXPECT_FALSE(cell.name()->isVisible());
    cell.setPromptMode(false);
    EXPECT_FALSE(cell.prompt()->isVisible());
    EXPECT_TRUE(cell.name()->isVisible());
}
