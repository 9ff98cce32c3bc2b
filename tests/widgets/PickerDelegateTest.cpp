#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "skin/PickerDelegate.h"
#include "skin/SkinActionTarget.h"
#include "TestSupport.h"
#include "ui/SensitivePicker.h"

#include <QCoreApplication>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <vector>

namespace {
class RecordingTarget : public SkinActionTarget {
public:
    std::vector<int> seeks;
    std::vector<int> volumes;
    void seek(int seconds) override { seeks.push_back(seconds); }
    void setVolume(int volume) override { volumes.push_back(volume); }
};

// The skin's arrangement: one sensitive picker, the delegate answering for
// it and moving it, the remote screen as target; a clock the test moves.
struct Remote {
    qint64 now = 0;
    RecordingTarget target;
    SensitivePicker picker;
    PickerDelegate delegate { &target, &picker };

    Remote()
    {
        picker.setClock([this] { return now; });
        picker.resize(320, 216);
        picker.setShowsSelectionIndicator(true);
        picker.setDataSource(&delegate);
        picker.setDelegate(&delegate);
        picker.show();
    }

    void settle()
    {
        for (int t = 0; t < 4000; t += 16) {
            now += 16;
            picker.advanceAnimations();
        }
    }

    void mouse(QEvent::Type type, QPointF pos)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, picker.mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&picker, &event);
    }

    QPointF rowCenter(int row, int wheel) const { return *picker.centerOfRow(row, wheel); }

    // The user lays a finger on a wheel and, like the platform picker,
    // the turn is reported once it rests.
    void userSelects(int row, int wheel)
    {
        delegate.sensitivePickerDidStartSelection(&picker);
        delegate.didSelectRow(&picker, row, wheel);
    }
};

QString rowText(PickerDelegate& delegate, PickerView& picker, int row, int wheel)
{
    std::unique_ptr<QWidget> view(delegate.viewForRow(&picker, row, wheel, nullptr));
    return qobject_cast<QLabel*>(view.get())->text();
}
}

// ---- wheels, rows and row views ----------------------------------------------

TEST(PickerDelegateWheels, RowCountsFollowTheLengthAndTheVolumeRange)
{
    Remote r;
    EXPECT_EQ(r.delegate.numberOfComponents(&r.picker), 4);
    EXPECT_EQ(r.delegate.numberOfRowsInComponent(&r.picker, 0), 1);
    r.delegate.updatePickerLength(40, 0, 100, false);
    EXPECT_EQ(r.delegate.numberOfRowsInComponent(&r.picker, 0), 1) << "a short item still shows minute 0";
    r.delegate.updatePickerLength(5400, 0, 100, false);
    EXPECT_EQ(r.delegate.numberOfRowsInComponent(&r.picker, 0), 91);
    EXPECT_EQ(r.picker.numberOfRowsInComponent(0), 91) << "the minutes wheel is reloaded";
    r.delegate.updatePickerLength(5459, 0, 100, false);
    EXPECT_EQ(r.picker.numberOfRowsInComponent(0), 91);
    EXPECT_EQ(r.delegate.numberOfRowsInComponent(&r.picker, 1), 300);
    EXPECT_EQ(r.delegate.numberOfRowsInComponent(&r.picker, 2), 201);
    EXPECT_EQ(r.delegate.numberOfRowsInComponent(&r.picker, 3), 0);

    r.delegate.setMaxVolume(400); // the screen's decision, from BWDoubleVol
    EXPECT_EQ(r.delegate.numberOfRowsInComponent(&r.picker, 2), 401);
    r.delegate.setMaxVolume(200);
    EXPECT_EQ(r.delegate.numberOfRowsInComponent(&r.picker, 2), 201);
}

TEST(PickerDelegateWheels, WidthsLeaveTheFourthWheelOut)
{
    Remote r;
    EXPECT_EQ(r.picker.rectForComponent(0).width(), 140);
    EXPECT_EQ(r.picker.rectForComponent(1).width(), 60);
    EXPECT_EQ(r.picker.rectForComponent(2).width(), 100);
    EXPECT_TRUE(r.picker.rectForComponent(3).isEmpty());
}

TEST(PickerDelegateWheels, RowTextsReadMinutesHoursSecondsAndVolume)
{
    Remote r;
    EXPECT_EQ(rowText(r.delegate, r.picker, 5, 0), "5");
    EXPECT_EQ(rowText(r.delegate, r.picker, 59, 0), "59");
    EXPECT_EQ(rowText(r.delegate, r.picker, 75, 0), "1:15");
    EXPECT_EQ(rowText(r.delegate, r.picker, 120, 0), "2:00");
    EXPECT_EQ(rowText(r.delegate, r.picker, 185, 1), "5");
    EXPECT_EQ(rowText(r.delegate, r.picker, 240, 1), "0");
    EXPECT_EQ(rowText(r.delegate, r.picker, 150, 2), "150");
}

TEST(PickerDelegateWheels, RowViewsAreLabelsNarrowerThanTheirWheelThatHoldTwoDigits)
{
    Remote r;
    const int widths[] = { 110, 30, 70 };
    for (int wheel = 0; wheel < 3; ++wheel) {
        std::unique_ptr<QWidget> view(r.delegate.viewForRow(&r.picker, 58, wheel, nullptr));
        EXPECT_EQ(view->size(), QSize(widths[wheel], 50));
        EXPECT_LE(view->fontMetrics().horizontalAdvance(QStringLiteral("58")), 30);
    }
}

TEST(PickerDelegateWheelsDeathTest, ARowOfAnotherWheelIsAProgrammingError)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            RecordingTarget target;
            PickerDelegate delegate(&target, nullptr);
            delete delegate.viewForRow(nullptr, 0, 3, nullptr);
        },
        "unexpected component in picker");
}

// ---- following the player -----------------------------------------------------

TEST(PickerDelegateUpdate, SetsAllThreeWheelsFromLengthElapsedAndVolume)
{
    Remote r;
    r.delegate.updatePickerLength(5400, 4512, 130, false); // 75:12
    EXPECT_EQ(r.picker.selectedRowInComponent(0), 75);
    EXPECT_EQ(r.picker.selectedRowInComponent(1), 132);
    EXPECT_EQ(r.picker.selectedRowInComponent(2), 130);
    EXPECT_EQ(r.delegate.pickerLengthCache(), 5400);
    EXPECT_EQ(r.delegate.pickerPositionSecondsCache(), 4512);
    EXPECT_EQ(r.delegate.pickerMinutesCache(), 75);
    EXPECT_EQ(r.delegate.pickerVolumeCache(), 130);
    EXPECT_TRUE(r.target.seeks.empty());
    EXPECT_TRUE(r.target.volumes.empty());
}

TEST(PickerDelegateUpdate, TheSecondsWheelRollsOnOverTheMinute)
{
    Remote r;
    r.delegate.updatePickerLength(600, 58, 100, false);
    r.delegate.updatePickerLength(600, 59, 100, false);
    ASSERT_EQ(r.picker.selectedRowInComponent(1), 179);
    r.delegate.updatePickerLength(600, 60, 100, false);
    EXPECT_EQ(r.picker.selectedRowInComponent(1), 180) << "on to 0 of the next turn, not back to 120";
    EXPECT_EQ(r.picker.selectedRowInComponent(0), 1);

    // Going back over the minute rolls back the same way.
    r.delegate.updatePickerLength(600, 59, 100, false);
    EXPECT_EQ(r.picker.selectedRowInComponent(1), 179);
}

TEST(PickerDelegateUpdate, WholeMinuteJumpsLeaveTheSecondsWheelAlone)
{
    Remote r;
    r.delegate.updatePickerLength(3600, 100, 100, false);
    const int secondsRow = r.picker.selectedRowInComponent(1);
    ASSERT_EQ(secondsRow % 60, 40);
    EXPECT_EQ(r.picker.selectedRowInComponent(0), 1);
    r.delegate.updatePickerLength(3600, 700, 100, false);
    EXPECT_EQ(r.picker.selectedRowInComponent(1), secondsRow);
    EXPECT_EQ(r.picker.selectedRowInComponent(0), 11);
}

TEST(PickerDelegateUpdate, TheSecondsWheelIsKeptInTheMiddleTurns)
{
    Remote r;
    // Rolling forward from row 179 (0:59) for a minute ends on row 239, then
    // 240 is still kept, 241 goes back to 121 (same reading).
    r.delegate.updatePickerLength(600, 59, 100, false);
    for (int e = 60; e <= 120; ++e)
        r.delegate.updatePickerLength(600, e, 100, false);
    EXPECT_EQ(r.delegate.pickerSecondsPlusOffsetCache(), 240);
    r.delegate.updatePickerLength(600, 121, 100, false);
    EXPECT_EQ(r.delegate.pickerSecondsPlusOffsetCache(), 121);
    EXPECT_EQ(r.picker.selectedRowInComponent(1), 121);

    // Rolling backwards below row 60 comes back into the middle as well.
    r.delegate.updatePickerLength(600, 62, 100, false); // -59: row 62
    EXPECT_EQ(r.delegate.pickerSecondsPlusOffsetCache(), 62);
    r.delegate.updatePickerLength(600, 3, 100, false); // -59: row 3, kept as 123
    EXPECT_EQ(r.delegate.pickerSecondsPlusOffsetCache(), 123);

    // A jump that lands on another reading starts again from the middle turn.
    r.delegate.updatePickerLength(600, 1000, 100, false);
    EXPECT_EQ(r.delegate.pickerSecondsPlusOffsetCache() % 60, 1000 % 60);
    EXPECT_GE(r.delegate.pickerSecondsPlusOffsetCache(), 60);
    EXPECT_LE(r.delegate.pickerSecondsPlusOffsetCache(), 240);
}

TEST(PickerDelegateUpdate, TheAnimatedFlagIsPassedOn)
{
    Remote r;
    r.delegate.updatePickerLength(600, 10, 100, false);
    EXPECT_FALSE(r.picker.isAnimating());
    r.delegate.updatePickerLength(600, 11, 120, true);
    EXPECT_TRUE(r.picker.isMoving(1));
    EXPECT_TRUE(r.picker.isMoving(2));
    EXPECT_FALSE(r.picker.isMoving(0)) << "the minute did not change";
    r.settle();
    EXPECT_FALSE(r.picker.isAnimating());
    r.delegate.updatePickerLength(600, 12, 130, false);
    EXPECT_FALSE(r.picker.isAnimating());
    EXPECT_EQ(r.picker.selectedRowInComponent(2), 130);
}

TEST(PickerDelegateUpdate, NothingMovesWhileTheUserTouchesAWheel)
{
    Remote r;
    r.delegate.updatePickerLength(600, 10, 100, false);
    r.delegate.sensitivePickerDidStartSelection(&r.picker);
    r.delegate.updatePickerLength(1200, 75, 50, false);
    EXPECT_EQ(r.delegate.pickerLengthCache(), 600);
    EXPECT_EQ(r.delegate.pickerPositionSecondsCache(), 10);
    EXPECT_EQ(r.delegate.pickerVolumeCache(), 100);
    EXPECT_EQ(r.picker.numberOfRowsInComponent(0), 11);
    EXPECT_EQ(r.picker.selectedRowInComponent(1), 130);
    EXPECT_EQ(r.picker.selectedRowInComponent(2), 100);
}

TEST(PickerDelegateUpdate, WithoutItsPickerOnlyTheCachesFollow)
{
    RecordingTarget target;
    auto* picker = new SensitivePicker;
    PickerDelegate delegate(&target, picker);
    delete picker;
    delegate.updatePickerLength(600, 75, 40, true);
    EXPECT_EQ(delegate.pickerMinutesCache(), 1);
    EXPECT_EQ(delegate.pickerSecondsPlusOffsetCache(), 75);
    EXPECT_EQ(delegate.picker(), nullptr);
}

// ---- the user's selections ------------------------------------------------------

TEST(PickerDelegateSelection, TurningSecondsSeeksWithinTheMinuteAndCarriesOver)
{
    Remote r;
    r.delegate.updatePickerLength(600, 125, 100, false); // 2:05, seconds row 125
    ASSERT_EQ(r.delegate.pickerSecondsPlusOffsetCache(), 125);
    ASSERT_EQ(r.picker.selectedRowInComponent(0), 2);

    r.picker.selectRowInComponent(185, 1, false); // where the user's turn came to rest
    r.userSelects(185, 1);
    EXPECT_EQ(r.target.seeks, std::vector<int>({ 185 })) << "3:05: past 59 into the next minute";
    EXPECT_EQ(r.picker.selectedRowInComponent(1), 125) << "put back into the middle turn";
    EXPECT_FALSE(r.picker.isMoving(1)) << "without animation";
    EXPECT_EQ(r.delegate.pickerSecondsPlusOffsetCache(), 125);
    EXPECT_FALSE(r.delegate.pickerIsInteracting());

    r.userSelects(115, 1); // back past 0: 1:55
    EXPECT_EQ(r.target.seeks.back(), 115);
}

TEST(PickerDelegateSelection, TurningSecondsInsideTheMiddleTurnSeeksWithoutMovingTheWheel)
{
    Remote r;
    r.delegate.updatePickerLength(600, 125, 100, false);
    r.picker.selectRowInComponent(130, 1, false);
    r.userSelects(130, 1);
    EXPECT_EQ(r.target.seeks, std::vector<int>({ 130 }));
    EXPECT_EQ(r.picker.selectedRowInComponent(1), 130);
    EXPECT_FALSE(r.delegate.pickerIsInteracting());
}

TEST(PickerDelegateSelection, SettlingOnTheShownRowKeepsTheWheelsHeld)
{
    Remote r;
    r.delegate.updatePickerLength(600, 125, 100, false);
    ConsoleCapture log;
    r.userSelects(125, 1);
    r.userSelects(2, 0);
    r.userSelects(100, 2);
    EXPECT_TRUE(r.target.seeks.empty());
    EXPECT_TRUE(r.target.volumes.empty());
    EXPECT_TRUE(log.contains(QStringLiteral("picker has ben set to volume 100")));
    EXPECT_TRUE(r.delegate.pickerIsInteracting());
    r.delegate.updatePickerLength(600, 126, 100, false);
    EXPECT_EQ(r.delegate.pickerPositionSecondsCache(), 125) << "updates stay ignored";

    r.userSelects(3, 0); // a real change lets go
    EXPECT_FALSE(r.delegate.pickerIsInteracting());
    r.delegate.updatePickerLength(600, 185, 100, false);
    EXPECT_EQ(r.delegate.pickerPositionSecondsCache(), 185);
}

TEST(PickerDelegateSelection, MinutesAndVolumeSendTheirOwnCommands)
{
    Remote r;
    r.delegate.updatePickerLength(600, 125, 100, false);
    ConsoleCapture log;
    r.userSelects(7, 0);
    EXPECT_EQ(r.target.seeks, std::vector<int>({ 7 * 60 + 5 }));
    r.userSelects(150, 2);
    EXPECT_EQ(r.target.volumes, std::vector<int>({ 150 }));
    EXPECT_TRUE(log.contains(QStringLiteral("picker changed volume 150")));
    EXPECT_FALSE(r.delegate.pickerIsInteracting());
}

TEST(PickerDelegateSelection, SelectionsWithoutATouchSendNothingButLetGo)
{
    Remote r;
    r.delegate.updatePickerLength(600, 125, 100, false);
    r.delegate.didSelectRow(&r.picker, 185, 1);
    r.delegate.didSelectRow(&r.picker, 4, 0);
    r.delegate.didSelectRow(&r.picker, 20, 2);
    EXPECT_TRUE(r.target.seeks.empty());
    EXPECT_TRUE(r.target.volumes.empty());
    EXPECT_EQ(r.picker.selectedRowInComponent(1), 125);

    r.delegate.sensitivePickerDidStartSelection(&r.picker);
    r.delegate.didSelectRow(&r.picker, 0, 3);
    EXPECT_FALSE(r.delegate.pickerIsInteracting());
}

TEST(PickerDelegateSelection, WithoutAKnownLengthSecondsSeekInTheFirstMinute)
{
    Remote r;
    r.delegate.updatePickerLength(0, 30, 100, false); // a stream: only minute 0
    ASSERT_EQ(r.picker.selectedRowInComponent(0), 0);
    r.userSelects(155, 1);
    EXPECT_EQ(r.target.seeks, std::vector<int>({ 35 }));
}

// ---- the sensitive picker -------------------------------------------------------

TEST(SensitivePickerTouch, ATouchOnAWheelIsNoticedBeforeItsTurnIsReported)
{
    Remote r;
    r.delegate.updatePickerLength(600, 125, 100, false);
    const QPointF target = r.rowCenter(102, 2);
    r.mouse(QEvent::MouseButtonPress, target);
    EXPECT_TRUE(r.delegate.pickerIsInteracting()) << "noticed on touch down";
    r.delegate.updatePickerLength(600, 126, 90, false);
    EXPECT_EQ(r.picker.selectedRowInComponent(2), 100) << "held under the finger";
    r.mouse(QEvent::MouseButtonRelease, target);
    r.settle();
    EXPECT_EQ(r.target.volumes, std::vector<int>({ 102 }));
    EXPECT_FALSE(r.delegate.pickerIsInteracting());
}

TEST(SensitivePickerTouch, ADragOnTheSecondsWheelSeeks)
{
    Remote r;
    r.delegate.updatePickerLength(600, 125, 100, false);
    const QPointF start = r.picker.rectForComponent(1).center();
    r.mouse(QEvent::MouseButtonPress, start);
    for (int i = 1; i <= 10; ++i) {
        r.now += 10;
        r.mouse(QEvent::MouseMove, start - QPointF(0, 2.0 * 44 * i / 10));
    }
    r.now += 150;
    r.mouse(QEvent::MouseButtonRelease, start - QPointF(0, 88));
    r.settle();
    EXPECT_EQ(r.target.seeks, std::vector<int>({ 127 }));
}

TEST(SensitivePickerTouch, TouchesBesideTheWheelsAreNotNoticed)
{
    Remote r;
    r.mouse(QEvent::MouseButtonPress, QPointF(2, 100));
    r.mouse(QEvent::MouseButtonRelease, QPointF(2, 100));
    EXPECT_FALSE(r.delegate.pickerIsInteracting());
}

TEST(SensitivePickerCaptions, CaptionsSitOnTheParentWithTheirRightEdgeGiven)
{
    QWidget screen;
    auto* picker = new SensitivePicker(&screen);
    picker->setGeometry(0, 0, 320, 216);
    picker->addPickerLabel(QStringLiteral("Time:"), 65, 95, 25);
    // One label per caption (a screen reader reads it once), with its white
    // edge one point below it.
    const QList<QLabel*> captions = screen.findChildren<QLabel*>(QStringLiteral("pickerCaption"));
    ASSERT_EQ(captions.size(), 1);
    EXPECT_TRUE(picker->findChildren<QLabel*>(QStringLiteral("pickerCaption")).isEmpty());
    const QLabel* caption = captions[0];
    EXPECT_EQ(caption->text(), QStringLiteral("Time:"));
    EXPECT_EQ(caption->geometry().right() + 1, 65);
    EXPECT_EQ(caption->y(), 95);
    EXPECT_EQ(caption->height(), 25);
    const QColor ink = caption->palette().color(QPalette::WindowText);
    EXPECT_EQ(ink.rgb(), QColor(Qt::black).rgb());
    EXPECT_NEAR(ink.alphaF(), 0.7, 0.01);
    auto* edge = qobject_cast<QGraphicsDropShadowEffect*>(caption->graphicsEffect());
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->color(), QColor(Qt::white));
    EXPECT_EQ(edge->offset(), QPointF(0, 1));
    EXPECT_EQ(edge->blurRadius(), 0);
    // Turns must pass through the caption to the wheel below.
    EXPECT_TRUE(caption->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_LT(screen.children().indexOf(picker), screen.children().indexOf(const_cast<QLabel*>(caption)));

    // They are placed from the picker's own corner, and follow it when it
    // moves or is drawn at another scale.
    screen.show();
    picker->move(21, 19);
    EXPECT_EQ(caption->geometry().right() + 1, 21 + 65);
    EXPECT_EQ(caption->y(), 19 + 95);
    picker->setContentScale(0.5);
    EXPECT_NEAR(caption->geometry().right() + 1, 21 + 32.5, 1);
    EXPECT_EQ(caption->y(), 19 + 48);
    EXPECT_EQ(caption->font().pixelSize(), 9);

    SensitivePicker orphan;
    orphan.addPickerLabel(QStringLiteral("Vol:"), 255, 95, 25);
    EXPECT_TRUE(orphan.findChildren<QLabel*>(QStringLiteral("pickerCaption")).isEmpty());
}
