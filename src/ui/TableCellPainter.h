#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Draws the standard parts of a table row: accessories, editing controls,
// backgrounds and the selection.
class TableCellPainter {
public:
    static void drawDisclosureIndicator(QPainter& painter, const QRect& area, bool highlighted);
    static void drawDetailDisclosureButton(QPainter& painter, const QRect& area, bool pressed);
    static void drawCheckmark(QPainter& painter, const QRect& area, bool highlighted);
    // Style 1 (delete): red disc with a bar, turned upright while the delete
    // button shows; style 2 (insert): green disc with a plus.
    static void drawEditingControl(QPainter& painter, const QRect& area, int editingStyle, bool confirming);
    static void drawReorderControl(QPainter& painter, const QRect& area);
    // selectionStyle 1 blue, 2 gray.
    static void drawSelection(QPainter& painter, const QRect& area, int selectionStyle, qreal opacity);
    // The accent bar along the left edge of a list's current item.
    static void drawCurrentItemBar(QPainter& painter, const QRect& area);

    static QColor plainBackground();
    static QColor groupedBackground();
    static QColor separator();
    static QColor accessoryColor();
};
