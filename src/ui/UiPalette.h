#pragma once

#include <QColor>
#include <QFont>

// The colours and fonts of the remote's dark theme, in one place.
namespace UiPalette {
inline QColor background() { return QColor(0x16, 0x17, 0x1a); }
inline QColor barTop() { return QColor(0x3a, 0x3d, 0x44); }
inline QColor barBottom() { return QColor(0x17, 0x18, 0x1c); }
inline QColor barLine() { return QColor(0x05, 0x05, 0x06); }
inline QColor barHighlight() { return QColor(255, 255, 255, 40); }
inline QColor buttonFill() { return QColor(0x2a, 0x2c, 0x32); }
inline QColor buttonBorder() { return QColor(0x0c, 0x0c, 0x0e); }
inline QColor accent() { return QColor(0xff, 0x8c, 0x1a); } // VLC's cone orange
inline QColor text() { return QColor(0xf2, 0xf2, 0xf2); }
inline QColor secondaryText() { return QColor(0x9a, 0x9d, 0xa6); }

inline QFont boldFont(int pixelSize)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

inline QFont font(int pixelSize)
{
    QFont font;
    font.setPixelSize(pixelSize);
    return font;
}
}
