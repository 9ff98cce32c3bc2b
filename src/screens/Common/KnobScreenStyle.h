#pragma once

class QLabel;
class QPushButton;
class Rotator;

// The look the knob and DVD screens share: large white value text and
// rounded dark buttons in the bars' style.
namespace KnobScreenStyle {
void styleValueLabel(QLabel* label);
void styleButton(QPushButton* button);
// The knob with its image, limited to ten turns either way.
void setUpRotator(Rotator* rotator);
}
