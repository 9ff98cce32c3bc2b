#include "ui/PickerView.h"

#include "ui/FocusRing.h"
#include "ui/UiPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

void PickerView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        p.setOpacity(0.45);
    paintBezel(p);
    for (const Component& c : m_wheels)
        if (!c.rect.isEmpty())
            paintWheel(p, c);
    if (m_showsSelectionIndicator)
        paintSelectionBand(p);
    if (m_showKeyboardFocus && hasFocus())
        paintKeyboardFocus(p);
    if (FocusRing::shown(this))
        FocusRing::paint(p, QRectF(rect()), 9);
}

void PickerView::paintBezel(QPainter& p) const
{
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient body(frame.topLeft(), frame.bottomLeft());
    body.setColorAt(0, QColor(0x44, 0x47, 0x4f));
    body.setColorAt(0.5, QColor(0x22, 0x24, 0x29));
    body.setColorAt(1, QColor(0x0f, 0x10, 0x13));
    p.setPen(QPen(QColor(0x05, 0x05, 0x06), 1));
    p.setBrush(body);
    p.drawRoundedRect(frame, 8, 8);
    // A thin catch-light along the top edge.
    p.setPen(QPen(UiPalette::barHighlight(), 1));
    p.drawLine(QPointF(frame.left() + 8, frame.top() + 1), QPointF(frame.right() - 8, frame.top() + 1));
}

void PickerView::paintWheel(QPainter& p, const Component& c) const
{
    const QRectF& r = c.rect;
    QPainterPath drum;
    drum.addRoundedRect(r, 3, 3);

    p.save();
    p.setClipPath(drum);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, QColor(0xcf, 0xd0, 0xd2));
    face.setColorAt(0.5, QColor(0xfb, 0xfb, 0xfa));
    face.setColorAt(1, QColor(0xcf, 0xd0, 0xd2));
    p.fillRect(r, face);

    for (const auto& [row, view] : c.views) {
        const auto placement = placeRow(c, row);
        if (!placement)
            continue;
        p.save();
        p.setOpacity(p.opacity() * placement->opacity);
        // Row views are laid out in points and drawn at the content scale.
        const double s = m_contentScale;
        const double left = r.center().x() - view->width() * s / 2.0;
        const double top = placement->centerY - view->height() * s / 2.0 * placement->scale;
        if (std::abs(placement->scale - 1.0) < 1e-3 && std::abs(s - 1.0) < 1e-3) {
            // Resting rows land on whole pixels so their digits stay sharp.
            p.translate(std::round(left), std::round(top));
        } else {
            p.translate(left, top);
            p.scale(s, s * placement->scale);
        }
        view->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
        p.restore();
    }

    // The curve of the drum: darker as the surface turns away.
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, QColor(0, 0, 0, 215));
    shade.setColorAt(0.12, QColor(0, 0, 0, 120));
    shade.setColorAt(0.3, QColor(0, 0, 0, 25));
    shade.setColorAt(0.42, QColor(0, 0, 0, 0));
    shade.setColorAt(0.58, QColor(0, 0, 0, 0));
    shade.setColorAt(0.7, QColor(0, 0, 0, 25));
    shade.setColorAt(0.88, QColor(0, 0, 0, 120));
    shade.setColorAt(1, QColor(0, 0, 0, 215));
    p.fillRect(r, shade);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 170), 1));
    p.drawRoundedRect(r.adjusted(-0.5, -0.5, 0.5, 0.5), 3.5, 3.5);
}

QRectF PickerView::bandRect() const
{
    double left = 0;
    double right = 0;
    double rowHeight = 0;
    double centerY = height() / 2.0;
    bool any = false;
    for (const Component& c : m_wheels) {
        if (c.rect.isEmpty())
            continue;
        left = any ? std::min(left, c.rect.left()) : c.rect.left();
        right = any ? std::max(right, c.rect.right()) : c.rect.right();
        rowHeight = std::max<double>(rowHeight, c.rowHeight);
        centerY = c.rect.center().y();
        any = true;
    }
    if (!any)
        return {};
    return QRectF(left - 3, centerY - rowHeight / 2, right - left + 6, rowHeight);
}

void PickerView::paintSelectionBand(QPainter& p) const
{
    const QRectF band = bandRect();
    if (band.isEmpty())
        return;
    p.save();
    // Drop shadow on the drums below the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(band.translated(0, 2), 4, 4);

    // Clear glass with a faint steel tint, so the selected rows stay crisp
    // and dark beneath it.
    QLinearGradient glass(band.topLeft(), band.bottomLeft());
    glass.setColorAt(0, QColor(0xf4, 0xf7, 0xff, 40));
    glass.setColorAt(0.5, QColor(0xc8, 0xd2, 0xea, 22));
    glass.setColorAt(0.52, QColor(0x8c, 0x9c, 0xc4, 34));
    glass.setColorAt(1, QColor(0x9c, 0xac, 0xd4, 60));
    p.setBrush(glass);
    p.setPen(QPen(QColor(0x27, 0x2e, 0x40, 220), 1));
    p.drawRoundedRect(band.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

    // Sheen on the upper edge and a bright rim just inside the border.
    const QRectF sheen(band.left() + 1.5, band.top() + 1.5, band.width() - 3, band.height() * 0.42);
    QLinearGradient gloss(sheen.topLeft(), sheen.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(sheen, 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(band.left() + 4, band.top() + 1.5), QPointF(band.right() - 4, band.top() + 1.5));
    p.setPen(QPen(QColor(0x4a, 0x56, 0x78, 120), 1));
    p.drawLine(QPointF(band.left() + 4, band.bottom() - 1.5), QPointF(band.right() - 4, band.bottom() - 1.5));

    p.restore();
}

void PickerView::paintKeyboardFocus(QPainter& p) const
{
    if (m_keyboardComponent >= numberOfComponents())
        return;
    const QRectF wheel = m_wheels[size_t(m_keyboardComponent)].rect;
    const QRectF band = bandRect();
    if (wheel.isEmpty() || band.isEmpty())
        return;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(UiPalette::accent(), 2));
    p.drawRoundedRect(QRectF(wheel.left() + 1, band.top() + 1, wheel.width() - 2, band.height() - 2), 3, 3);
}
