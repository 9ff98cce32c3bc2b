#pragma once

class QWidget;

// Keeps the text of a label or button whole in a narrow window: the bold
// type shrinks, down to a smallest size, until the text fits the width.
// Translations can be much longer than the English they replace.
namespace FittingText {
void keepFitting(QWidget* widget, int fullPixelSize, int smallestPixelSize);
}
