#include "models/CellBorders.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <vector>

namespace {
struct Box {
    qreal left, top, right, bottom;
};

// A cell's box: the rectangles of its blocks, with its padding.
Box cellBox(const QTextDocument& document, const QTextTableCell& cell)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    QRectF content;
    const int end = cell.lastCursorPosition().block().blockNumber();
    for (QTextBlock block = cell.firstCursorPosition().block(); block.isValid() && block.blockNumber() <= end;
         block = block.next())
        content |= layout->blockBoundingRect(block);
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    return { content.left() - format.leftPadding(), content.top() - format.topPadding(),
             content.right() + format.rightPadding(), content.bottom() + format.bottomPadding() };
}

void addBorder(QVariantList& borders, const QRectF& line, const QBrush& brush, QTextFrameFormat::BorderStyle style)
{
    if (line.width() <= 0 || line.height() <= 0 || style == QTextFrameFormat::BorderStyle_None
        || brush.style() == Qt::NoBrush)
        return;
    borders.append(QVariantMap { { QStringLiteral("x"), line.x() },
                                 { QStringLiteral("y"), line.y() },
                                 { QStringLiteral("width"), line.width() },
                                 { QStringLiteral("height"), line.height() },
                                 { QStringLiteral("color"), brush.color() } });
}

void addTable(QVariantList& borders, const QTextDocument& document, QTextTable& table)
{
    // A row is as tall as its tallest cell; a cell as wide as its column.
    const int rows = table.rows();
    const int columns = table.columns();
    std::vector<qreal> top(rows, 1e9), bottom(rows, -1e9), left(columns, 1e9), right(columns, -1e9);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() != row || cell.column() != column)
                continue;
            const Box box = cellBox(document, cell);
            top[row] = std::min(top[row], box.top);
            bottom[row + cell.rowSpan() - 1] = std::max(bottom[row + cell.rowSpan() - 1], box.bottom);
            left[column] = std::min(left[column], box.left);
            right[column + cell.columnSpan() - 1] = std::max(right[column + cell.columnSpan() - 1], box.right);
        }
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() != row || cell.column() != column)
                continue;
            const QTextTableCellFormat f = cell.format().toTableCellFormat();
            const qreal x0 = left[column], x1 = right[column + cell.columnSpan() - 1];
            const qreal y0 = top[row], y1 = bottom[row + cell.rowSpan() - 1];
            addBorder(borders, QRectF(x0, y0, x1 - x0, f.topBorder()), f.topBorderBrush(), f.topBorderStyle());
            addBorder(borders, QRectF(x0, y1 - f.bottomBorder(), x1 - x0, f.bottomBorder()), f.bottomBorderBrush(),
                      f.bottomBorderStyle());
            addBorder(borders, QRectF(x0, y0, f.leftBorder(), y1 - y0), f.leftBorderBrush(), f.leftBorderStyle());
            addBorder(borders, QRectF(x1 - f.rightBorder(), y0, f.rightBorder(), y1 - y0), f.rightBorderBrush(),
                      f.rightBorderStyle());
        }
}

void addFrame(QVariantList& borders, const QTextDocument& document, QTextFrame* frame)
{
    if (auto* table = qobject_cast<QTextTable*>(frame))
        addTable(borders, document, *table);
    for (QTextFrame* child : frame->childFrames())
        addFrame(borders, document, child);
}
}

QVariantList cellBorders(const QTextDocument& document)
{
    QVariantList borders;
    addFrame(borders, document, document.rootFrame());
    return borders;
}
