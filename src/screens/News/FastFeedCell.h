#pragma once

#include "ui/FastTableViewCell.h"

#include <QFont>

// A news row: the item's title in white (bold until read), its date below
// in light grey, on a blue-grey gradient.
class FastFeedCell : public FastTableViewCell {
    Q_OBJECT
public:
    Q_INVOKABLE explicit FastFeedCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    QString mainText() const { return m_mainText; }
    QString subText() const { return m_subText; }
    bool markedRead() const { return m_markedRead; }
    void setMainLabel(const QString& text);
    void setSubLabel(const QString& text);
    void setMarkedRead(bool read);

    void prepareForReuse() override;
    void drawContentView(QPainter& painter, const QRect& rect) override;

    // Shared by every cell, made once.
    static const QFont& mainFont();
    static const QFont& readMainFont();
    static const QFont& subFont();
    // The width the title is laid out in for a row of that width: the row
    // less the accessory at its right (288 on a 320-point row).
    static int textWidthForRowWidth(int rowWidth);
    // The title's height laid out in the main font, word-wrapped within
    // that width and at most 200 high.
    static int titleHeight(const QString& title, int textWidth);

private:
    QString m_mainText;
    QString m_subText;
    bool m_markedRead = false;
};
