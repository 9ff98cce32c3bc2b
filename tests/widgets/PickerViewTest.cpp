#include "TestSupport.h"
#include "ui/PickerView.h"
#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTouchEvent>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {
// Wheels of numbered rows; counts the views it makes and hears selections.
class NumberWheels : public QObject, public PickerViewDataSource, public PickerViewDelegate {
public:
    std::vector<int> rows { 50, 20, 0 };
    std::vector<int> widths { 120, 80, 0 };
    bool reuse = true;
    int created = 0;
    int offered = 0;
    std::vector<std::pair<int, int>> selections; // (row, component)

    int numberOfComponents(PickerView*) override { return int(rows.size()); }
    int numberOfRowsInComponent(PickerView*, int c) override { return rows[size_t(c)]; }
    int widthForComponent(PickerView*, int c) override { return widths[size_t(c)]; }
    int rowHeightForComponent(PickerView*, int) override { return 40; }
    QWidget* viewForRow(PickerView*, int row, int component, QWidget* reusing) override
    {
        auto* label = qobject_cast<QLabel*>(reusing);
        if (reusing)
            ++offered;
        if (!reuse || !label) {
            label = new QLabel;
            label->resize(60, 40);
            ++created;
        }
        label->setText(QStringLiteral("%1/%2").arg(component).arg(row));
        return label;
    }
    void didSelectRow(PickerView*, int row, int component) override { selections.emplace_back(row, component); }
};

// A shown picker on a clock the test moves.
struct Rig {
    qint64 now = 0;
    std::unique_ptr<NumberWheels> wheels = std::make_unique<NumberWheels>();
    PickerView picker;

    Rig()
    {
        picker.setClock([this] { return now; });
        picker.resize(320, 216);
        picker.setDataSource(wheels.get());
        picker.setDelegate(wheels.get());
        picker.show();
    }

    void mouse(QEvent::Type type, QPointF pos)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, picker.mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&picker, &event);
    }

    void click(QPointF pos)
    {
        mouse(QEvent::MouseButtonPress, pos);
        mouse(QEvent::MouseButtonRelease, pos);
    }

    // Drags vertically by dy in steps of 10 ms; a pause before letting go
    // leaves no momentum.
    void drag(QPointF from, double dy, int steps, bool pauseBeforeRelease)
    {
        mouse(QEvent::MouseButtonPress, from);
        for (int i = 1; i <= steps; ++i) {
            now += 10;
            mouse(QEvent::MouseMove, from + QPointF(0, dy * i / steps));
        }
        if (pauseBeforeRelease)
            now += 150;
        mouse(QEvent::MouseButtonRelease, from + QPointF(0, dy));
    }

    void settle(int ms = 4000)
    {
        for (int t = 0; t < ms; t += 16) {
            now += 16;
            picker.advanceAnimations();
        }
    }

    QPointF rowCenter(int row, int component) const { return *picker.centerOfRow(row, component); }
    QPointF bandCenter(int component) const { return picker.rectForComponent(component).center(); }

    int nearestRowToBand(int component) const
    {
        int best = -1;
        double distance = 1e9;
        for (int row = 0; row < picker.numberOfRowsInComponent(component); ++row) {
            if (const auto center = picker.centerOfRow(row, component)) {
                const double d = std::abs(center->y() - bandCenter(component).y());
                if (d < distance) {
                    distance = d;
                    best = row;
                }
            }
        }
        return best;
    }
};
}

TEST(PickerViewLayout, KeepsFixedWidthsCentredAndSkipsEmptyWheels)
{
    Rig rig;
    const QRectF first = rig.picker.rectForComponent(0);
    const QRectF second = rig.picker.rectForComponent(1);
    EXPECT_EQ(first.width(), 120);
    EXPECT_EQ(second.width(), 80);
    EXPECT_TRUE(rig.picker.rectForComponent(2).isEmpty());
    EXPECT_GT(second.left(), first.right());
    // Equal room on both sides.
    EXPECT_NEAR(first.left(), 320 - second.right(), 1);
    EXPECT_EQ(rig.picker.componentAt(first.center()), 0);
    EXPECT_EQ(rig.picker.componentAt(second.center()), 1);
    EXPECT_EQ(rig.picker.componentAt(QPointF(2, 100)), -1);

    rig.picker.resize(480, 216);
    EXPECT_EQ(rig.picker.rectForComponent(0).width(), 120);
    EXPECT_NEAR(rig.picker.rectForComponent(0).left(), 480 - rig.picker.rectForComponent(1).right(), 1);
}

TEST(PickerViewSelection, ProgrammaticSelectionCountsAtOnceAndIsNeverReported)
{
    Rig rig;
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 0);
    EXPECT_EQ(rig.picker.selectedRowInComponent(2), -1); // no rows

    rig.picker.selectRowInComponent(12, 0, false);
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 12);
    EXPECT_FALSE(rig.picker.isMoving(0));
    EXPECT_NEAR(rig.rowCenter(12, 0).y(), rig.bandCenter(0).y(), 0.5);

    rig.picker.selectRowInComponent(30, 0, true);
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 30);
    EXPECT_TRUE(rig.picker.isMoving(0));
    rig.settle();
    EXPECT_FALSE(rig.picker.isMoving(0));
    EXPECT_NEAR(rig.rowCenter(30, 0).y(), rig.bandCenter(0).y(), 0.5);

    rig.picker.selectRowInComponent(500, 1, false); // past the end: the last row
    EXPECT_EQ(rig.picker.selectedRowInComponent(1), 19);
    EXPECT_TRUE(rig.wheels->selections.empty());
}

TEST(PickerViewSelection, ReloadKeepsTheSelectionInsideTheNewRowCount)
{
    Rig rig;
    rig.picker.selectRowInComponent(40, 0, false);
    rig.wheels->rows[0] = 10;
    rig.picker.reloadComponent(0);
    EXPECT_EQ(rig.picker.numberOfRowsInComponent(0), 10);
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 9);

    rig.wheels->rows[0] = 0;
    rig.picker.reloadAllComponents();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), -1);
    EXPECT_EQ(rig.picker.viewForRow(9, 0), nullptr);
}

TEST(PickerViewTurning, ClickingARowTurnsItIntoTheBandAndReportsIt)
{
    Rig rig;
    rig.picker.selectRowInComponent(10, 0, false);
    rig.click(rig.rowCenter(12, 0));
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 10) << "reported only once it rests";
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 12);
    ASSERT_EQ(rig.wheels->selections.size(), 1u);
    EXPECT_EQ(rig.wheels->selections[0], std::make_pair(12, 0));

    rig.click(rig.rowCenter(11, 0)); // above the band
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 11);

    // The row already in the band: nothing to turn, nothing to report.
    rig.click(rig.bandCenter(0));
    rig.settle();
    EXPECT_EQ(rig.wheels->selections.size(), 2u);
}

TEST(PickerViewTurning, DragFollowsTheFingerAndSettlesOnTheNearestRow)
{
    Rig rig;
    rig.picker.selectRowInComponent(10, 1, false);
    const QPointF start = rig.bandCenter(1);
    // Three rows and a bit upwards, then still: rows 11-13 pass the band.
    rig.drag(start, -3.3 * 40, 20, true);
    EXPECT_TRUE(rig.picker.isMoving(1));
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(1), 13);
    ASSERT_EQ(rig.wheels->selections.size(), 1u);
    EXPECT_EQ(rig.wheels->selections[0], std::make_pair(13, 1));

    // Down by a little less than half a row: back where it was, reported all the same.
    rig.drag(start, 0.4 * 40, 5, true);
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(1), 13);
    EXPECT_EQ(rig.wheels->selections.size(), 2u);
}

TEST(PickerViewTurning, AFlickCarriesOnAndStopsAtTheEnds)
{
    Rig rig;
    rig.picker.selectRowInComponent(5, 0, false);
    // Two rows in 40 ms, let go while moving.
    rig.drag(rig.bandCenter(0), -2 * 40, 4, false);
    rig.settle();
    const int landed = rig.picker.selectedRowInComponent(0);
    EXPECT_GT(landed, 7) << "momentum goes beyond the finger";
    EXPECT_LT(landed, 49);

    // Hard flicks towards either end stop on the first and last rows.
    rig.drag(rig.bandCenter(0), -8 * 40, 2, false);
    rig.settle();
    rig.drag(rig.bandCenter(0), -8 * 40, 2, false);
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 49);
    rig.drag(rig.bandCenter(0), 12 * 40, 2, false);
    rig.settle();
    rig.drag(rig.bandCenter(0), 12 * 40, 2, false);
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 0);
    EXPECT_EQ(rig.wheels->selections.back(), std::make_pair(0, 0));
}

TEST(PickerViewTurning, PullingPastTheFirstRowSpringsBack)
{
    Rig rig;
    rig.drag(rig.bandCenter(0), 3 * 40, 10, true);
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 0);
    EXPECT_NEAR(rig.rowCenter(0, 0).y(), rig.bandCenter(0).y(), 0.5);
}

TEST(PickerViewTurning, AFingerStopsASpinningWheelWhereItIs)
{
    Rig rig;
    rig.drag(rig.bandCenter(0), -6 * 40, 3, false);
    for (int i = 0; i < 6; ++i) {
        rig.now += 16;
        rig.picker.advanceAnimations();
    }
    ASSERT_TRUE(rig.picker.isMoving(0));
    const QPointF caught = rig.bandCenter(0);
    rig.mouse(QEvent::MouseButtonPress, caught);
    // Held: the clock runs on, the wheel does not.
    const int inBand = rig.nearestRowToBand(0);
    const double before = rig.rowCenter(inBand, 0).y();
    rig.now += 500;
    rig.picker.advanceAnimations();
    EXPECT_DOUBLE_EQ(rig.rowCenter(inBand, 0).y(), before);
    EXPECT_TRUE(rig.wheels->selections.empty());
    rig.mouse(QEvent::MouseButtonRelease, caught);
    rig.settle();
    ASSERT_EQ(rig.wheels->selections.size(), 1u) << "the interrupted flick is not reported, the catch is";
    const int row = rig.picker.selectedRowInComponent(0);
    EXPECT_GT(row, 0);
    EXPECT_NEAR(rig.rowCenter(row, 0).y(), rig.bandCenter(0).y(), 0.5);
}

TEST(PickerViewTurning, MouseWheelNotchesAndKeysStepRowByRow)
{
    Rig rig;
    rig.picker.selectRowInComponent(10, 0, false);
    auto notch = [&](int angle) {
        const QPointF pos = rig.bandCenter(0);
        QWheelEvent event(pos, rig.picker.mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&rig.picker, &event);
    };
    notch(-120);
    notch(-120);
    notch(-60);
    notch(-60);
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 13);
    ASSERT_EQ(rig.wheels->selections.size(), 1u) << "quick notches make one turn";
    notch(120);
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 12);

    rig.picker.setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(&rig.picker, &down);
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 13);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(&rig.picker, &right);
    QCoreApplication::sendEvent(&rig.picker, &down);
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(1), 1);
    EXPECT_EQ(rig.wheels->selections.back(), std::make_pair(1, 1));
}

TEST(PickerViewTurning, ATouchDragTurnsTheWheelLikeTheMouse)
{
    Rig rig;
    QPointingDevice device(QStringLiteral("test finger"), 4711, QInputDevice::DeviceType::TouchScreen,
                           QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position, 2, 0);
    auto touch = [&](QEvent::Type type, QEventPoint::State state, QPointF pos) {
        QList<QEventPoint> points { QEventPoint(1, state, pos, rig.picker.mapToGlobal(pos)) };
        QTouchEvent event(type, &device, Qt::NoModifier, points);
        QCoreApplication::sendEvent(&rig.picker, &event);
    };
    const QPointF start = rig.bandCenter(1);
    touch(QEvent::TouchBegin, QEventPoint::Pressed, start);
    for (int i = 1; i <= 10; ++i) {
        rig.now += 10;
        touch(QEvent::TouchUpdate, QEventPoint::Updated, start - QPointF(0, 2 * 40 * i / 10.0));
    }
    rig.now += 150;
    touch(QEvent::TouchEnd, QEventPoint::Released, start - QPointF(0, 80));
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(1), 2);
    ASSERT_EQ(rig.wheels->selections.size(), 1u);
}

TEST(PickerViewRowViews, OnlyRowsNearTheBandHaveViewsAndTheyAreReused)
{
    Rig rig;
    rig.picker.selectRowInComponent(10, 0, false);
    rig.picker.selectRowInComponent(10, 1, false);
    EXPECT_NE(rig.picker.viewForRow(10, 0), nullptr);
    EXPECT_NE(rig.picker.viewForRow(12, 0), nullptr);
    EXPECT_EQ(rig.picker.viewForRow(20, 0), nullptr);
    EXPECT_EQ(qobject_cast<QLabel*>(rig.picker.viewForRow(12, 0))->text(), QStringLiteral("0/12"));
    const int shownAtRest = rig.picker.liveRowViewCount();
    const int createdAtRest = rig.wheels->created;
    EXPECT_LE(shownAtRest, 24);

    for (int row = 11; row < 50; ++row)
        rig.picker.selectRowInComponent(row, 0, false);
    EXPECT_EQ(qobject_cast<QLabel*>(rig.picker.viewForRow(45, 0))->text(), QStringLiteral("0/45"));
    EXPECT_EQ(rig.picker.viewForRow(10, 0), nullptr);
    EXPECT_GE(rig.wheels->offered, 35);
    EXPECT_EQ(rig.wheels->created, createdAtRest) << "rows coming into view take the views of rows leaving it";
    EXPECT_LE(rig.picker.liveRowViewCount(), shownAtRest + 4);
}

TEST(PickerViewRowViews, ViewsThatAreNotReusedAreDeleted)
{
    Rig rig;
    rig.wheels->reuse = false;
    rig.picker.reloadAllComponents();
    const int shownAtRest = rig.picker.liveRowViewCount();
    QPointer<QWidget> first = rig.picker.viewForRow(0, 0);
    for (int row = 1; row < 50; ++row)
        rig.picker.selectRowInComponent(row, 0, false);
    EXPECT_TRUE(first.isNull());
    EXPECT_LE(rig.picker.liveRowViewCount(), shownAtRest + 8);
}

TEST(PickerViewRowViews, ADestroyedDelegateIsNoLongerAsked)
{
    Rig rig;
    rig.wheels.reset();
    rig.picker.selectRowInComponent(30, 0, false);
    rig.picker.reloadAllComponents();
    EXPECT_EQ(rig.picker.numberOfComponents(), 0);
    rig.picker.repaint();
}

TEST(PickerViewTurning, OnItsOwnClockTheFrameTimerBringsTheWheelToRest)
{
    NumberWheels wheels;
    PickerView picker;
    picker.resize(320, 216);
    picker.setDataSource(&wheels);
    picker.setDelegate(&wheels);
    picker.show();
    picker.selectRowInComponent(20, 0, true);
    ASSERT_TRUE(picker.isMoving(0));
    EXPECT_TRUE(waitUntil([&] { return !picker.isAnimating(); }, 10000));
    EXPECT_NEAR(picker.centerOfRow(20, 0)->y(), picker.rectForComponent(0).center().y(), 0.5);
}

TEST(PickerViewTurning, ATapWhileTheWheelFollowsAProgrammaticSelectionLetsItFinish)
{
    Rig rig;
    rig.picker.selectRowInComponent(5, 0, false);
    rig.picker.selectRowInComponent(6, 0, true);
    rig.now += 50;
    rig.picker.advanceAnimations();
    rig.click(rig.bandCenter(0));
    rig.settle();
    EXPECT_EQ(rig.picker.selectedRowInComponent(0), 6);
    EXPECT_NEAR(rig.rowCenter(6, 0).y(), rig.bandCenter(0).y(), 0.5);
    EXPECT_TRUE(rig.wheels->selections.empty());
}
