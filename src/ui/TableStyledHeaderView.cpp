#include "ui/TableStyledHeaderView.h"

#include "ui/UiImages.h"

#include <QPainter>

namespace {
constexpr int smallestPixelSize = 8;
}

TableStyledHeaderView::TableStyledHeaderView(const QPixmap& image, int leftCapWidth, int topCapHeight, QWidget* parent)
    : QWidget(parent)
    , m_image(image)
    , m_leftCapWidth(leftCapWidth)
    , m_topCapHeight(topCapHeight)
    , m_label(new QLabel(this))
    , m_font(m_label->font())
{
    setBackgroundRole(QPalette::Window);
    m_label->setAttribute(Qt::WA_TranslucentBackground);
    m_label->setAutoFillBackground(false);
    m_label->setTextFormat(Qt::PlainText);
    resize(sizeHint());
}

void TableStyledHeaderView::setText(const QString& text)
{
    m_label->setText(text);
    fitText();
}

void TableStyledHeaderView::setFont(const QFont& font)
{
    m_font = font;
    fitText();
}

QSize TableStyledHeaderView::sizeHint() const
{
    return m_image.isNull() ? QSize(320, 22) : m_image.deviceIndependentSize().toSize();
}

void TableStyledHeaderView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    UiImages::drawStretchable(painter, rect(), m_image, m_leftCapWidth, m_topCapHeight);
}

void TableStyledHeaderView::resizeEvent(QResizeEvent*)
{
    fitText();
}

void TableStyledHeaderView::fitText()
{
    m_label->setGeometry(rect());
    QFont font = m_font;
    const int available = width() - m_label->contentsMargins().left() - m_label->contentsMargins().right();
    int size = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    font.setPixelSize(size);
    while (size > smallestPixelSize && QFontMetrics(font).horizontalAdvance(m_label->text()) > available) {
        --size;
        font.setPixelSize(size);
    }
    m_label->setFont(font);
}
