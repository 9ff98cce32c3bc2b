#include "ui/FitLabel.h"

#include "ui/UiAccessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {
constexpr qreal disabledOpacity = 0.4;

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
    UiAccessibility::install();
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FitLabel::setText(const QString& text)
{
    if (m_text == text)
        return;
    m_text = text;
    textOrRoomChanged();
    // A screen reader reads a label as its text.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void FitLabel::setTextColor(const QColor& color)
{
    m_color = color;
    update();
}

void FitLabel::setPointSize(qreal size)
{
    m_pointSize = size;
    textOrRoomChanged();
}

void FitLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void FitLabel::setBold(bool bold)
{
    m_bold = bold;
    textOrRoomChanged();
}

void FitLabel::setElideMode(Qt::TextElideMode mode)
{
    m_elideMode = mode;
    textOrRoomChanged();
}

void FitLabel::setContentScale(qreal scale)
{
    if (scale <= 0 || qFuzzyCompare(scale, m_contentScale))
        return;
    m_contentScale = scale;
    textOrRoomChanged();
}

qreal FitLabel::smallestPointSize() const
{
    // A label the skin made smaller than legible keeps its own size.
    return qMin(m_pointSize, legiblePointSize);
}

qreal FitLabel::scaledPointSize() const
{
    return qMax(m_pointSize * m_contentScale, smallestPointSize());
}

qreal FitLabel::fittedPointSize() const
{
    const qreal floor = smallestPointSize();
    qreal size = scaledPointSize();
    while (size > floor && QFontMetricsF(fontOf(size, m_bold)).horizontalAdvance(m_text) > width())
        size = qMax(floor, size - 0.5);
    return size;
}

QString FitLabel::shownText() const
{
    return QFontMetricsF(fontOf(fittedPointSize(), m_bold)).elidedText(m_text, m_elideMode, width());
}

void FitLabel::textOrRoomChanged()
{
    // Only a cut text needs the pointer: then it tells the whole text.
    const bool elided = isElided();
    setToolTip(elided ? m_text : QString());
    setAttribute(Qt::WA_TransparentForMouseEvents, !elided);
    update();
}

void FitLabel::resizeEvent(QResizeEvent*)
{
    textOrRoomChanged();
}

void FitLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void FitLabel::paintEvent(QPaintEvent*)
{
    if (m_text.isEmpty())
        return;
    QPainter p(this);
    p.setFont(fontOf(fittedPointSize(), m_bold));
    p.setPen(m_color);
    if (!isEnabled())
        p.setOpacity(disabledOpacity);
    p.drawText(rect(), int(m_alignment), shownText());
}
