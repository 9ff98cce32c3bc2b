#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>

#include <functional>

// The drawings of the shipped skin. Each call draws one image into a
// painter already scaled to points.
namespace SkinArt {
using Drawing = std::function<void(QPainter&, QSizeF)>;

// A round glossy button with a glyph; pressed buttons glow.
enum class Glyph { Play, Pause, Stop, Previous, Next, SkipBack, SkipForward, Minus, Plus, Shuffle, Loop, Repeat,
                   Up, Down, Left, Right, Select, Menu };
enum class Look { Normal, Pressed, Dim, DimPressed, Disabled };

Drawing roundButton(Glyph glyph, Look look, bool large = false);
Drawing background(bool portrait);
Drawing rowBackground(bool selected);
Drawing trackImage(bool filled);
Drawing thumbImage();
Drawing fullscreenIcon();
// The glyph alone, filling the image, in one colour.
Drawing glyphOnly(Glyph glyph, const QColor& color);
// The album art view: a recessed mat, and a dim note for items without art.
Drawing artFrame();
Drawing artPlaceholder();
}
