#include "skin/TitleView.h"
#include "ui/FitLabel.h"
#include "ui/InterfaceOrientation.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <cmath>

namespace {
int lineHeight(int pixelSize, bool bold)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return int(std::ceil(QFontMetricsF(font).height()));
}

// The label stands on its band: same width, same middle, and only taller
// where its line of text would not fit.
void expectOnBand(const FitLabel* label, const QRect& band, int pixelSize, bool bold)
{
    const QRect frame = label->geometry();
    EXPECT_EQ(frame.x(), band.x());
    EXPECT_EQ(frame.width(), band.width());
    EXPECT_NEAR(frame.y() + frame.height() / 2.0, band.y() + band.height() / 2.0, 0.5) << frame.y() << " " << frame.height();
    EXPECT_EQ(frame.height(), std::max(band.height(), lineHeight(pixelSize, bold)));
}
}

TEST(TitleViewFrames, PortraitTitleIsTwoHundredByFortyFour)
{
    TitleView title(OrientationPortrait);
    EXPECT_EQ(title.size(), QSize(200, 44));
    // Top line from 10 % to 50 % of the height, bottom line from 60 % to 90 %;
    // both lines of text fit there.
    EXPECT_EQ(title.topLabel()->geometry(), QRect(0, 4, 200, 18));
    EXPECT_EQ(title.bottomLabel()->geometry(), QRect(0, 26, 200, 14));

    TitleView upsideDown(OrientationPortraitUpsideDown);
    EXPECT_EQ(upsideDown.height(), 44);
}

TEST(TitleViewFrames, LandscapeTitleIsThirtyThreeHigh)
{
    for (int orientation : { OrientationLandscapeLeft, OrientationLandscapeRight }) {
        TitleView title(orientation);
        EXPECT_EQ(title.size(), QSize(200, 33));
        expectOnBand(title.topLabel(), QRect(0, 3, 200, 14), 14, true);
        expectOnBand(title.bottomLabel(), QRect(0, 20, 200, 10), 12, false);
        EXPECT_LT(title.topLabel()->geometry().center().y(), title.bottomLabel()->geometry().center().y());
    }
}

TEST(TitleViewFrames, LinesKeepTheirShareWhenTheBarResizesTheTitle)
{
    TitleView title(OrientationLandscapeRight);
    title.show();
    title.resize(300, 50);
    EXPECT_EQ(title.topLabel()->geometry(), QRect(0, 5, 300, 20));
    EXPECT_EQ(title.bottomLabel()->geometry(), QRect(0, 30, 300, 15));
    title.resize(160, 33);
    expectOnBand(title.topLabel(), QRect(0, 3, 160, 14), 14, true);
    expectOnBand(title.bottomLabel(), QRect(0, 20, 160, 10), 12, false);
}

TEST(TitleViewLines, BoldWhiteTitleOverSmallGreyNameAndLongTextsShrink)
{
    TitleView title(OrientationPortrait);
    title.topLabel()->setText(QStringLiteral("Connecting..."));
    title.bottomLabel()->setText(QStringLiteral("Living Room PC"));
    EXPECT_EQ(title.topLabel()->pointSize(), 14);
    EXPECT_EQ(title.bottomLabel()->pointSize(), 12);
    EXPECT_EQ(title.topLabel()->textColor(), QColor(Qt::white));
    EXPECT_NE(title.bottomLabel()->textColor(), QColor(Qt::white));
    EXPECT_EQ(title.topLabel()->fittedPointSize(), 14) << "a short title keeps its size";

    const QString longTitle = QStringLiteral("A Very Long Title Of A Concert Recording - Live At The Old Hall (Remastered)");
    title.topLabel()->setText(longTitle);
    EXPECT_LT(title.topLabel()->fittedPointSize(), 14);
    // Never below a legible size: past it the title is cut, and told whole
    // by its tooltip.
    EXPECT_EQ(title.topLabel()->fittedPointSize(), 11);
    EXPECT_TRUE(title.topLabel()->shownText().endsWith(QChar(0x2026)));
    EXPECT_EQ(title.topLabel()->toolTip(), longTitle);
    EXPECT_FALSE(title.topLabel()->testAttribute(Qt::WA_TransparentForMouseEvents)) << "so the pointer can ask";
    title.topLabel()->setText(QStringLiteral("Short"));
    EXPECT_TRUE(title.topLabel()->toolTip().isEmpty());
    // A label scaled down with its skin stays legible too.
    title.bottomLabel()->setContentScale(0.5);
    EXPECT_EQ(title.bottomLabel()->fittedPointSize(), 11);
}
