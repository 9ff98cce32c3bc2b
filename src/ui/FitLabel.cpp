#include "ui/FitLabel.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {
QFont fontOf(qreal pixelSize, bool bold)
{
    QFont font;
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    return font;
}
}

FitLabel::FitLabel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FitLabel::setText(const QString& text)
{
    if (m_text == text)
        return;
    m_text = text;
    update();
}

void FitLabel::setTextColor(const QColor& color)
{
    m_color = color;
    update();
}

void FitLabel::setPointSize(qreal size)
{
    m_pointSize = size;
    update();
}

void FitLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void FitLabel::setBold(bool bold)
{
    m_bold = bold;
    update();
}

qreal FitLabel::fittedPointSize() const
{
    qreal size = m_pointSize;
    while (size > m_minimumPointSize
           && QFontMetricsF(fontOf(size, m_bold)).horizontalAdvance(m_text) > width())
        size -= 0.5;
    return qMax(size, m_minimumPointSize);
}

void FitLabel::paintEvent(QPaintEvent*)
{
    if (m_text.isEmpty())
        return;
    QPainter p(this);
    const QFont font = fontOf(fittedPointSize(), m_bold);
    p.setFont(font);
    p.setPen(m_color);
    const QString shown = QFontMetrics(font).elidedText(m_text, Qt::ElideRight, width());
    p.drawText(rect(), int(m_alignment), shown);
}
