#pragma once

#include <QColor>
#include <QString>

// Colours of skin definitions: "red,green,blue,alpha", each a component
// from 0 to 1 used as given (no scaling from 0-255; beyond the range a
// component counts as its end, as a screen shows it). Fewer than four
// components, or no string, give opaque white.
namespace SkinColour {
QColor fromString(const QString& text);
}
