#include "TestSupport.h"
#include "ui/CellTextField.h"
#include "ui/EditableTableViewCellDelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {
class EditingScreen : public EditableTableViewCellDelegate {
public:
    bool cellShouldBeginEditing(EditableTableViewCell*) override
    {
        ++asked;
        return allow;
    }
    void cellDidEndEditing(EditableTableViewCell* cell) override
    {
        ++ended;
        stillEditingWhenTold = cell->isInlineEditing();
    }
    bool allow = true;
    int asked = 0;
    int ended = 0;
    bool stillEditingWhenTold = false;
};

class CellTextFieldEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        cell = new CellTextField(QStringLiteral("remoteTextCell"));
        cell->setMinimumHeight(50);
        field = new QLineEdit;
        cell->setView(field);
        cell->setDelegate(&screen);
        elsewhere = new QLineEdit;
        layout->addWidget(cell);
        layout->addWidget(elsewhere);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(waitUntil([&] { return window.isActiveWindow(); }));
        // Activation focuses the first field: start each case from the other.
        elsewhere->setFocus();
        ASSERT_TRUE(elsewhere->hasFocus());
        screen = EditingScreen();
    }

    void pressReturn()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(field, &press);
    }

    EditingScreen screen;
    QWidget window;
    CellTextField* cell = nullptr;
    QLineEdit* field = nullptr;
    QLineEdit* elsewhere = nullptr;
};
}

TEST_F(CellTextFieldEditing, RefusedEditingKeepsTheKeyboardAway)
{
    screen.allow = false;
    field->setFocus();
    EXPECT_EQ(screen.asked, 1);
    EXPECT_FALSE(cell->isInlineEditing());
    EXPECT_FALSE(field->hasFocus());
    EXPECT_EQ(screen.ended, 0);
}

TEST_F(CellTextFieldEditing, ReturnEndsEditingAndTellsTheScreenOnce)
{
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    EXPECT_EQ(screen.asked, 1);
    EXPECT_TRUE(cell->isInlineEditing());

    pressReturn();
    EXPECT_EQ(screen.ended, 1);
    EXPECT_TRUE(screen.stillEditingWhenTold);
    EXPECT_FALSE(cell->isInlineEditing());
    EXPECT_FALSE(field->hasFocus());

    cell->stopEditing();
    EXPECT_EQ(screen.ended, 1) << "ending twice must not tell the screen twice";
}

TEST_F(CellTextFieldEditing, LeavingTheFieldEndsEditing)
{
    field->setFocus();
    elsewhere->setFocus();
    EXPECT_EQ(screen.ended, 1);
    EXPECT_FALSE(cell->isInlineEditing());

    // Editing may begin again afterwards.
    field->setFocus();
    EXPECT_EQ(screen.asked, 2);
    EXPECT_TRUE(cell->isInlineEditing());
}

TEST_F(CellTextFieldEditing, WithoutDelegateEditingSimplyBegins)
{
    cell->setDelegate(nullptr);
    field->setFocus();
    EXPECT_TRUE(cell->isInlineEditing());
    pressReturn();
    EXPECT_FALSE(cell->isInlineEditing());
    EXPECT_EQ(screen.asked, 0);
    EXPECT_EQ(screen.ended, 0);
}

TEST_F(CellTextFieldEditing, AFieldHandedToAnotherCellAnswersToThatCellOnly)
{
    CellTextField other(QStringLiteral("remoteTextCell"));
    EditingScreen otherScreen;
    other.setDelegate(&otherScreen);
    other.setView(field);
    window.layout()->addWidget(&other);
    field->setFocus();
    EXPECT_EQ(screen.asked, 0);
    EXPECT_EQ(otherScreen.asked, 1);
    EXPECT_TRUE(other.isInlineEditing());
    EXPECT_FALSE(cell->isInlineEditing());
    window.layout()->removeWidget(&other);
}
