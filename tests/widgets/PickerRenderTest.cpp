#include "skin/PickerDelegate.h"
#include "skin/SkinActionTarget.h"
#include "ui/SensitivePicker.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {
class IdleTarget : public SkinActionTarget {
public:
    void seek(int) override { }
    void setVolume(int) override { }
};

// Pixels of a grabbed image by logical coordinates, whatever the scale.
int grey(const QImage& image, int x, int y)
{
    const qreal dpr = image.devicePixelRatio();
    return qGray(image.pixel(int(x * dpr), int(y * dpr)));
}

// Dark ink (digits on the light drums) inside a rectangle.
QRect inkBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (grey(image, x, y) < 90)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Saves what the test drew when PLAYERLINK_RENDER_DIR names a folder, for a
// look by eye.
void keep(const QImage& image, const char* name)
{
    const QByteArray dir = qgetenv("PLAYERLINK_RENDER_DIR");
    if (!dir.isEmpty())
        image.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

struct Screen {
    IdleTarget target;
    QWidget root;
    SensitivePicker* picker = new SensitivePicker(&root);
    PickerDelegate delegate { &target, picker };

    Screen()
    {
        root.setAutoFillBackground(true);
        QPalette pal = root.palette();
        pal.setColor(QPalette::Window, QColor(0x16, 0x17, 0x1a));
        root.setPalette(pal);
        root.resize(320, 236);
        picker->setGeometry(0, 10, 320, 216);
        picker->setShowsSelectionIndicator(true);
        picker->setDataSource(&delegate);
        picker->setDelegate(&delegate);
        picker->addPickerLabel(QStringLiteral("Time:"), 65, 95, 25);
        picker->addPickerLabel(QStringLiteral("Vol:"), 255, 95, 25);
        root.show();
    }
};
}

TEST(PickerRender, RowsAreDrawnOnTheDrumsWithTheSelectedOnesInTheBand)
{
    Screen s;
    s.delegate.updatePickerLength(5400, 4512, 130, false); // 75:12, volume 130
    const QImage image = s.root.grab().toImage();
    keep(image, "picker.png");

    const QRectF band(0, s.picker->y() + 108 - 22, 320, 44);
    const QRect volume = s.picker->rectForComponent(2).translated(0, s.picker->y()).toRect() & band.toRect();
    const QRect ink = inkBounds(image, volume.adjusted(45, 2, -1, -2)); // right of the caption
    ASSERT_FALSE(ink.isEmpty()) << "the selected volume is drawn in the band";
    // Right-aligned in a label 15 points in from each side of the wheel.
    EXPECT_NEAR(ink.right(), s.picker->rectForComponent(2).right() - 15, 3);

    const QRect seconds = s.picker->rectForComponent(1).translated(0, s.picker->y()).toRect() & band.toRect();
    EXPECT_FALSE(inkBounds(image, seconds).isEmpty());

    // Rows away from the band are squeezed together like lines on a drum.
    auto gap = [&](int row) { return s.picker->centerOfRow(row + 1, 2)->y() - s.picker->centerOfRow(row, 2)->y(); };
    EXPECT_NEAR(gap(130), 44 * 0.99, 3);
    EXPECT_LT(gap(132), gap(131));
    EXPECT_LT(gap(131), gap(130));
    EXPECT_FALSE(s.picker->centerOfRow(140, 2).has_value()) << "round the back of the drum";
}
