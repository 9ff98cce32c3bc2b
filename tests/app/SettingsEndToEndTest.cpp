// playerlink's settings and skip-distance screens through real mouse
// events on its window: a toggle ticks and keeps its preference, the
// chosen skip distance shows in the settings, and assistive technology
// finds every row with its state and the sections' headings.

#include "TestSupport.h"
#include "ProgramWindow.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

namespace {
bool settled(ProgramWindow& w, int depth)
{
    return waitUntil([&] { return w.depth() == depth && !w.stack->property("busy").toBool(); });
}

// The settings row showing this text, scrolled into view.
QQuickItem* settingsRow(ProgramWindow& w, const QString& text)
{
    QQuickItem* list = w.item(QStringLiteral("settingsList"));
    for (int i = 0; list && i < 40; ++i) {
        QQuickItem* row = ProgramWindow::find(list, [&](QQuickItem* item) {
            return item->objectName().startsWith(u"setting-")
                && ProgramWindow::find(item, [&](QQuickItem* label) { return label->property("text").toString() == text; });
        });
        if (row && row->mapToScene(QPointF(0, row->height())).y() <= w.window->height())
            return row;
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, i), Q_ARG(int, 0));
        QTest::qWait(10);
    }
    return nullptr;
}

// The names assistive technology finds in the window for this role; rows
// also say whether they are checked.
QStringList accessibleNames(QQuickWindow* window, QAccessible::Role role = QAccessible::ListItem)
{
    QStringList rows;
    std::vector<QAccessibleInterface*> pending { QAccessible::queryAccessibleInterface(window) };
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        if (!node || node->state().invisible)
            continue;
        if (node->role() == role)
            rows << node->text(QAccessible::Name) + (node->state().checked ? QStringLiteral(" [x]") : QString());
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
    }
    return rows;
}
}

TEST(SettingsScreen, AToggleTicksAndTheChosenSkipDistanceShowsInTheSettings)
{
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setBool(PreferenceKeys::doubleVol, false);
    defaults.setInteger(PreferenceKeys::skipDistance, 30);
    ProgramWindow w(false);
    w.click(w.item(QStringLiteral("settingsButton")));
    ASSERT_TRUE(settled(w, 2));
    // Sections are headings to assistive technology.
    EXPECT_TRUE(accessibleNames(w.window, QAccessible::Heading).contains(u"Help"));
    EXPECT_TRUE(accessibleNames(w.window, QAccessible::Heading).contains(u"Settings"))
        << accessibleNames(w.window, QAccessible::Heading).join(u", ").toStdString();

    QQuickItem* boost = settingsRow(w, QStringLiteral("Boost volume range to 400%"));
    ASSERT_TRUE(boost);
    EXPECT_GE(boost->height(), 48);
    w.click(boost);
    EXPECT_TRUE(defaults.boolForKey(PreferenceKeys::doubleVol));
    EXPECT_TRUE(accessibleNames(w.window).contains(QStringLiteral("Boost volume range to 400% [x]")))
        << accessibleNames(w.window).join(u", ").toStdString();
    // The keyboard reaches the rows too: Tab to it, Space toggles it back.
    for (int tab = 0; tab < 8 && !boost->hasActiveFocus(); ++tab)
        QTest::keyClick(w.window, Qt::Key_Tab);
    ASSERT_TRUE(boost->hasActiveFocus()) << "Tab does not reach the rows";
    QTest::keyClick(w.window, Qt::Key_Space);
    EXPECT_FALSE(defaults.boolForKey(PreferenceKeys::doubleVol));

    QQuickItem* skip = settingsRow(w, QStringLiteral("Skip Distance: 30 Seconds"));
    ASSERT_TRUE(skip);
    w.click(skip);
    ASSERT_TRUE(settled(w, 3));
    EXPECT_EQ(accessibleNames(w.window, QAccessible::Heading), QStringList { QStringLiteral("Skip Distance...") });
    EXPECT_TRUE(accessibleNames(w.window).contains(QStringLiteral("30 Seconds [x]")))
        << accessibleNames(w.window).join(u", ").toStdString();
    QQuickItem* twoMinutes = w.item(QStringLiteral("skip-120"));
    ASSERT_TRUE(twoMinutes);
    w.click(twoMinutes);
    EXPECT_EQ(defaults.integerForKey(PreferenceKeys::skipDistance), 120);
    EXPECT_EQ(defaults.stringForKey(PreferenceKeys::skipDistanceWord), u"2 Minutes");
    const QStringList chosen = accessibleNames(w.window).filter(QStringLiteral("[x]"));
    EXPECT_EQ(chosen, QStringList { QStringLiteral("2 Minutes [x]") });

    w.click(w.item(QStringLiteral("backButton")));
    ASSERT_TRUE(settled(w, 2));
    EXPECT_TRUE(settingsRow(w, QStringLiteral("Skip Distance: 2 Minutes")));
}

// The row the keyboard is on stays in view as the window turns on its side.
TEST(SettingsScreen, TheFocusedRowStaysInViewWhenTheWindowTurns)
{
    ProgramWindow w(false);
    w.window->resize(320, 568);
    w.click(w.item(QStringLiteral("settingsButton")));
    ASSERT_TRUE(settled(w, 2));
    QQuickItem* list = w.item(QStringLiteral("settingsList"));
    ASSERT_TRUE(list);
    const auto top = [&](QQuickItem* row) { return row->mapToItem(list, QPointF(0, 0)).y(); };
    // Tab down to a row low in the tall window.
    QQuickItem* row = nullptr;
    for (int tab = 0; tab < 30 && !(row && top(row) > 320); ++tab) {
        QTest::keyClick(w.window, Qt::Key_Tab);
        row = w.window->activeFocusItem();
        if (!row || !row->objectName().startsWith(u"setting-"))
            row = nullptr;
    }
    ASSERT_TRUE(row && top(row) > 320) << "Tab does not reach a low row";
    w.window->resize(568, 320);
    ASSERT_TRUE(waitUntil([&] { return list->height() < 320; }));
    QTest::qWait(100);
    EXPECT_GE(top(row), 0);
    EXPECT_LE(top(row) + row->height(), list->height()) << row->objectName().toStdString();
}

TEST(SettingsScreen, TheBackButtonNamesThePageItGoesBackTo)
{
    UserDefaults::standard().setInteger(PreferenceKeys::skipDistance, 30);
    ProgramWindow w(false);
    w.window->resize(390, 760);
    auto backText = [&] { return w.item(QStringLiteral("backButton"))->property("text").toString(); };
    w.click(w.item(QStringLiteral("settingsButton")));
    ASSERT_TRUE(settled(w, 2));
    // The computers list goes by "Back".
    EXPECT_EQ(backText(), QStringLiteral("\u2039 Back"));
    QQuickItem* skip = settingsRow(w, QStringLiteral("Skip Distance: 30 Seconds"));
    ASSERT_TRUE(skip);
    w.click(skip);
    ASSERT_TRUE(settled(w, 3));
    EXPECT_EQ(backText(), QStringLiteral("\u2039 Settings"));
    // Where the name would crowd out the page's own title it says just "Back".
    w.window->resize(200, 568);
    EXPECT_TRUE(waitUntil([&] { return backText() == QStringLiteral("\u2039 Back"); })) << backText().toStdString();
}

// "Lock Rotation" keeps the bar and the screens in the shape they had when
// it was set: the window turned on its side
// shows them upright in its middle, until the lock is switched off.
TEST(SettingsScreen, TheRotationLockKeepsTheScreensShapeAsTheWindowTurns)
{
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setInteger(PreferenceKeys::lockRotationSpecific, 0);
    ProgramWindow w(false);
    w.click(w.item(QStringLiteral("settingsButton")));
    ASSERT_TRUE(settled(w, 2));
    QQuickItem* frame = w.item(QStringLiteral("frame"));
    ASSERT_TRUE(frame);
    const QSizeF upright(frame->width(), frame->height());
    w.click(settingsRow(w, QStringLiteral("Lock Rotation")));
    EXPECT_NE(defaults.integerForKey(PreferenceKeys::lockRotationSpecific), 0);

    w.window->resize(900, 500);
    ASSERT_TRUE(waitUntil([&] { return w.window->width() == 900 && frame->height() == 500; }));
    EXPECT_NEAR(frame->width() / frame->height(), upright.width() / upright.height(), 0.01);
    EXPECT_NEAR(frame->x() + frame->width() / 2, 450, 1);

    w.click(settingsRow(w, QStringLiteral("Lock Rotation")));
    EXPECT_EQ(defaults.integerForKey(PreferenceKeys::lockRotationSpecific), 0);
    EXPECT_TRUE(waitUntil([&] { return frame->width() == 900 && frame->height() == 500; }));
}
