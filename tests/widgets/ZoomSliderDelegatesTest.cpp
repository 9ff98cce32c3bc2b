// The skin's slider delegates: tick schemes at their zoom thresholds, label
// texts, and user changes passed on to the remote screen.

#include "skin/PositionSliderDelegate.h"
#include "skin/SkinActionTarget.h"
#include "skin/VolumeSliderDelegate.h"
#include "ui/ZoomSlider.h"
#include "ui/ZoomSliderInner.h"
#include "ui/ZoomSliderScroll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using Op = ZoomSliderDelegate::Operation;
using Scheme = std::array<int, 4>; // large, medium, small, label interval

class RecordingTarget : public SkinActionTarget {
public:
    std::vector<int> seeks, volumes;
    void seek(int seconds) override { seeks.push_back(seconds); }
    void setVolume(int volume) override { volumes.push_back(volume); }
};

Scheme schemeAt(ZoomSliderDelegate& delegate, double zoom)
{
    ZoomSlider slider(QRect(0, 0, 300, 40));
    slider.setZoom(zoom);
    delegate.zoomSliderAboutToRedraw(&slider);
    return { slider.largeTick(), slider.mediumTick(), slider.smallTick(), slider.labelInterval() };
}

double justAbove(double zoom)
{
    return std::nextafter(zoom, 1e9);
}

// Fits a slider of the width to 0–maximum and lays out its scale.
ZoomSliderInner::Drawing fittedScale(ZoomSliderDelegate& delegate, int width, double maximum, double value)
{
    ZoomSlider slider(QRect(0, 0, width, 40));
    slider.setDelegate(&delegate);
    slider.setMaximumValue(maximum);
    slider.setValue(value);
    return slider.scroll()->inner()->prepareDrawing();
}

QStringList labels(const ZoomSliderInner::Drawing& drawing)
{
    QStringList texts;
    for (const auto& label : drawing.labels)
        texts.append(label.text);
    return texts;
}

int count(const ZoomSliderInner::Drawing& drawing, ZoomSliderInner::TickSize size)
{
    return int(std::count_if(drawing.ticks.begin(), drawing.ticks.end(), [&](const auto& t) { return t.size == size; }));
}

} // namespace

TEST(SliderDelegates, VolumeShowsPercentTicksAndTenPercentLabelsOnlyAboveFifty)
{
    VolumeSliderDelegate delegate;
    EXPECT_EQ(schemeAt(delegate, justAbove(50)), (Scheme { 100, 10, 1, 10 }));
    EXPECT_EQ(schemeAt(delegate, 50), (Scheme { 100, 10, 0, 50 }));

    // 300 pixels for 0–200 (zoom 1.5).
    const auto drawing = fittedScale(delegate, 300, 200, 100);
    EXPECT_EQ(labels(drawing), (QStringList { "0", "50", "100", "150", "200" }));
    EXPECT_EQ(count(drawing, ZoomSliderInner::TickSize::Small), 0);
    EXPECT_EQ(count(drawing, ZoomSliderInner::TickSize::Large), 3);
}

TEST(SliderDelegates, PositionCoarsensAtEachThreshold)
{
    PositionSliderDelegate delegate;
    const std::pair<double, Scheme> cases[] = {
        { justAbove(50), { 3600, 60, 1, 1 } },
        { 50, { 3600, 60, 1, 10 } },
        { justAbove(5), { 3600, 60, 1, 10 } },
        { 5, { 3600, 60, 10, 60 } },
        { justAbove(1.5), { 3600, 60, 10, 60 } },
        { 1.5, { 3600, 900, 60, 60 } },
        { justAbove(0.75), { 3600, 900, 60, 60 } },
        { 0.75, { 3600, 900, 60, 300 } },
        { justAbove(0.2), { 3600, 900, 60, 300 } },
        { 0.2, { 3600, 900, 60, 900 } },
        { justAbove(0.04), { 3600, 900, 60, 900 } },
        { 0.04, { 3600, 900, 0, 3600 } },
        { 0, { 3600, 900, 0, 3600 } },
    };
    for (const auto& [zoom, scheme] : cases)
        EXPECT_EQ(schemeAt(delegate, zoom), scheme) << "zoom " << zoom;
}

TEST(SliderDelegates, PositionLabelsReadTimes)
{
    PositionSliderDelegate delegate;
    const std::pair<int, const char*> cases[] = {
        { 3725, "1:02:05" }, { 65, "1:05" }, { 0, "0:00" }, { 3599, "59:59" }, { 3600, "1:00:00" }, { 36061, "10:01:01" },
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(delegate.zoomSliderTextForValue(nullptr, seconds), QString::fromLatin1(text));

    // A two-hour film fitted to 320 pixels: a quarter-hour scale.
    const auto drawing = fittedScale(delegate, 320, 7200, 0);
    EXPECT_EQ(labels(drawing),
        (QStringList { "0:00", "15:00", "30:00", "45:00", "1:00:00", "1:15:00", "1:30:00", "1:45:00", "2:00:00" }));
    EXPECT_EQ(count(drawing, ZoomSliderInner::TickSize::Large), 3);
    EXPECT_EQ(count(drawing, ZoomSliderInner::TickSize::Medium), 6);
    EXPECT_EQ(count(drawing, ZoomSliderInner::TickSize::Small), 7200 / 60 + 1 - 9);
}

TEST(SliderDelegates, UserChangesReachTheTargetTruncatedAndZoomIsNotHeard)
{
    RecordingTarget target;
    VolumeSliderDelegate volume(&target);
    PositionSliderDelegate position(&target);
    for (ZoomSliderDelegate* delegate : { static_cast<ZoomSliderDelegate*>(&volume), static_cast<ZoomSliderDelegate*>(&position) }) {
        EXPECT_TRUE(delegate->answers(Op::AboutToRedraw));
        EXPECT_TRUE(delegate->answers(Op::TextForValue));
        EXPECT_TRUE(delegate->answers(Op::ValueChanged));
        EXPECT_FALSE(delegate->answers(Op::ZoomChanged));
    }
    EXPECT_EQ(volume.zoomSliderTextForValue(nullptr, 150), QStringLiteral("150"));

    // Through a slider, as a user change arrives.
    ZoomSlider slider(QRect(0, 0, 300, 40));
    slider.setMaximumValue(3000);
    slider.setZoom(2);
    slider.setDelegate(&position);
    slider.addPixelsToValue(25.9); // 12.95 s
    slider.setDelegate(&volume);
    slider.addPixelsToValue(175.6); // 100.75 %
    EXPECT_EQ(target.seeks, std::vector<int> { 12 });
    EXPECT_EQ(target.volumes, std::vector<int> { 100 });

    volume.setTarget(nullptr);
    slider.addPixelsToValue(10); // goes nowhere, safely
    EXPECT_EQ(target.volumes.size(), 1u);
}
