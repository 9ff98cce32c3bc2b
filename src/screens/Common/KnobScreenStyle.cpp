#include "screens/Common/KnobScreenStyle.h"

#include "screens/Common/FittingText.h"
#include "ui/FocusRing.h"
#include "ui/Rotator.h"
#include "ui/UiImages.h"
#include "ui/UiPalette.h"

#include <QLabel>
#include <QPushButton>

void KnobScreenStyle::styleValueLabel(QLabel* label)
{
    FittingText::keepFitting(label, 22, 14);
    label->setAlignment(Qt::AlignCenter);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, UiPalette::text());
    label->setPalette(colours);
}

void KnobScreenStyle::styleButton(QPushButton* button)
{
    button->setMinimumHeight(44);
    FittingText::keepFitting(button, 16, 11);
    button->setCursor(Qt::PointingHandCursor);
    // Tab reaches it and Enter presses it; a click leaves the focus where it was.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(true);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: %1; border: 1px solid %2; border-radius: 8px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %3, stop:1 %4); padding: 6px 4px; }"
        "QPushButton:pressed { background: %5; border-color: %6; } %7")
                              .arg(UiPalette::text().name(), UiPalette::buttonBorder().name(),
                                   UiPalette::buttonFill().lighter(150).name(), UiPalette::buttonFill().name(),
                                   UiPalette::accent().darker(140).name(), UiPalette::accent().name(),
                                   FocusRing::styleSheetRule(QStringLiteral("QPushButton"))));
}

void KnobScreenStyle::setUpRotator(Rotator* rotator)
{
    rotator->setImage(UiImages::named(QStringLiteral("rotator.png")));
    rotator->setMaxValue(10.0f);
    rotator->setMinValue(-10.0f);
}
