#include "screens/News/FastFeedCell.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int titleBoxHeight = 200;
constexpr int accessoryAllowance = 32;

QColor shade(double r, double g, double b, double lift)
{
    return QColor::fromRgbF(float(qMin(1.0, r + lift)), float(qMin(1.0, g + lift)), float(qMin(1.0, b + lift)));
}

QFont systemFont(int pixelSize, bool bold)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
}

FastFeedCell::FastFeedCell(const QString& reuseIdentifier, QWidget* parent)
    : FastTableViewCell(reuseIdentifier, parent)
{
}

const QFont& FastFeedCell::mainFont()
{
    static const QFont font = systemFont(18, true);
    return font;
}

const QFont& FastFeedCell::readMainFont()
{
    static const QFont font = systemFont(18, false);
    return font;
}

const QFont& FastFeedCell::subFont()
{
    static const QFont font = systemFont(13, false);
    return font;
}

int FastFeedCell::textWidthForRowWidth(int rowWidth)
{
    return qMax(40, rowWidth - accessoryAllowance);
}

int FastFeedCell::titleHeight(const QString& title, int textWidth)
{
    const QRect box(0, 0, textWidth, titleBoxHeight);
    return QFontMetrics(mainFont()).boundingRect(box, Qt::TextWordWrap, title).height();
}

void FastFeedCell::setMainLabel(const QString& text)
{
    m_mainText = text;
    setNeedsDisplay();
}

void FastFeedCell::setSubLabel(const QString& text)
{
    m_subText = text;
    setNeedsDisplay();
}

void FastFeedCell::setMarkedRead(bool read)
{
    m_markedRead = read;
    setNeedsDisplay();
}

void FastFeedCell::prepareForReuse()
{
    FastTableViewCell::prepareForReuse();
    m_mainText.clear();
    m_subText.clear();
    m_markedRead = false;
    setNeedsDisplay();
}

void FastFeedCell::drawContentView(QPainter& painter, const QRect& rect)
{
    const double lift = showsSelection() ? 0.1 : 0.0;
    QLinearGradient fill(0, 0, 0, rect.height());
    fill.setColorAt(0, shade(0.27, 0.31, 0.38, lift));
    fill.setColorAt(0.75, shade(0.14, 0.18, 0.25, lift));
    fill.setColorAt(1, shade(0.14, 0.18, 0.25, lift));
    painter.fillRect(rect, fill);

    const int textWidth = textWidthForRowWidth(width());
    const QFont& titleFont = m_markedRead ? readMainFont() : mainFont();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::white);
    painter.setFont(titleFont);
    const QRect measured = painter.fontMetrics().boundingRect(QRect(0, 0, textWidth, titleBoxHeight),
                                                              Qt::TextWordWrap, m_mainText);
    const int h = measured.height();
    painter.drawText(QRect(6, 4, textWidth, h), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m_mainText);

    if (m_subText.isEmpty())
        return;
    painter.setFont(subFont());
    painter.setPen(QColor::fromRgbF(0.667f, 0.667f, 0.667f));
    const QFontMetrics subMetrics(subFont());
    painter.drawText(QRect(6, h + 2, textWidth, subMetrics.height()), Qt::AlignLeft | Qt::AlignTop,
                     subMetrics.elidedText(m_subText, Qt::ElideRight, textWidth));
}
