#include "ui/BarButton.h"

#include "ui/BarButtonItem.h"
#include "ui/FocusRing.h"
#include "ui/UiPalette.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int buttonHeight = 30;
constexpr int arrowDepth = 10;

int textSize(int tightness)
{
    constexpr int sizes[] = { 13, 11, 10 };
    return sizes[tightness];
}

int inset(int tightness)
{
    constexpr int insets[] = { 10, 5, 4 };
    return insets[tightness];
}
}

BarButton::BarButton(BarButtonItem* item, QWidget* parent)
    : QAbstractButton(parent)
    , m_item(item)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::clicked, item, &BarButtonItem::trigger);
    connect(item, &BarButtonItem::changed, this, &BarButton::syncFromItem);
    syncFromItem();
}

BarButton::BarButton(const QString& title, Shape shape, QWidget* parent)
    : QAbstractButton(parent)
    , m_shape(shape)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setText(title);
}

void BarButton::syncFromItem()
{
    if (!m_item)
        return;
    setText(m_item->title());
    setIcon(m_item->icon());
    setToolTip(m_item->toolTip());
    setAccessibleName(m_item->title().isEmpty() ? m_item->toolTip() : QString());
    setEnabled(m_item->isEnabled());
    m_done = m_item->style() == BarButtonItem::Done;
    m_plain = m_item->style() == BarButtonItem::Plain;
    updateGeometry();
    update();
}

QSize BarButton::sizeHint() const
{
    const QFontMetrics metrics(UiPalette::boldFont(textSize(m_tightness)));
    int width = text().isEmpty() ? 0 : metrics.horizontalAdvance(text());
    if (m_item)
        for (const QString& title : m_item->possibleTitles())
            width = qMax(width, metrics.horizontalAdvance(title));
    if (!icon().isNull())
        width += 20 + (text().isEmpty() ? 0 : 6);
    width += 2 * inset(m_tightness) + 2 + (m_shape == Back ? arrowDepth : 0);
    return { qMax(width, 36), buttonHeight };
}

void BarButton::setTightness(int level)
{
    level = qBound(0, level, tightest);
    if (m_tightness == level)
        return;
    m_tightness = level;
    updateGeometry();
    update();
}

void BarButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, (height() - buttonHeight) / 2.0 + 0.5, -0.5,
                                             -(height() - buttonHeight) / 2.0 - 0.5);
    QPainterPath path;
    if (m_shape == Back) {
        const qreal radius = 5;
        path.moveTo(r.left(), r.center().y());
        path.lineTo(r.left() + arrowDepth, r.top());
        path.lineTo(r.right() - radius, r.top());
        path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
        path.lineTo(r.right(), r.bottom() - radius);
        path.quadTo(r.right(), r.bottom(), r.right() - radius, r.bottom());
        path.lineTo(r.left() + arrowDepth, r.bottom());
        path.closeSubpath();
    } else {
        path.addRoundedRect(r, 5, 5);
    }

    if (!m_plain) {
        QLinearGradient fill(r.topLeft(), r.bottomLeft());
        QColor top = m_done ? UiPalette::accent().lighter(115) : UiPalette::buttonFill().lighter(150);
        QColor bottom = m_done ? UiPalette::accent().darker(125) : UiPalette::buttonFill();
        if (isDown()) {
            top = top.darker(130);
            bottom = bottom.darker(130);
        }
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.setPen(QPen(UiPalette::buttonBorder(), 1));
        p.setBrush(fill);
        p.drawPath(path);
        // A thin highlight along the top edge gives the button its depth.
        p.setPen(QPen(UiPalette::barHighlight(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(r.left() + (m_shape == Back ? arrowDepth : 4), r.top() + 1.5),
                   QPointF(r.right() - 4, r.top() + 1.5));
    } else if (isDown()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 30));
        p.drawPath(path);
    }

    QRectF content = r.adjusted(m_shape == Back ? arrowDepth + 6 : inset(m_tightness), 0, -inset(m_tightness), 0);
    if (!icon().isNull()) {
        const QSize iconSize(18, 18);
        const QRectF iconRect(text().isEmpty() ? content.center().x() - 9 : content.left(), r.center().y() - 9, 18, 18);
        icon().paint(&p, iconRect.toRect(), Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
        content.setLeft(iconRect.right() + 6);
    }
    if (!text().isEmpty()) {
        p.setFont(UiPalette::boldFont(textSize(m_tightness)));
        p.setPen(isEnabled() ? UiPalette::text() : UiPalette::secondaryText());
        p.drawText(content, Qt::AlignCenter, p.fontMetrics().elidedText(text(), Qt::ElideRight, int(content.width())));
    }
    if (FocusRing::shown(this))
        FocusRing::paint(p, QRectF(rect()).adjusted(0, (height() - buttonHeight) / 2.0 - 2, 0,
                                                    -(height() - buttonHeight) / 2.0 + 2), 7);
}

void BarButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
