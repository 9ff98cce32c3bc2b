#include "ui/Toolbar.h"

#include "ui/BarButton.h"
#include "ui/BarButtonItem.h"
#include "ui/UiPalette.h"

#include <QPainter>

Toolbar::Toolbar(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize Toolbar::sizeHint() const
{
    return { 320, 44 };
}

void Toolbar::setItems(const QList<BarButtonItem*>& items)
{
    qDeleteAll(m_widgets);
    m_widgets.clear();
    m_items.clear();
    for (BarButtonItem* item : items) {
        m_items.append(item);
        QWidget* widget = nullptr;
        if (item->systemItem() == BarButtonItem::NoSystemItem) {
            widget = new BarButton(item, this);
            widget->show();
        }
        m_widgets.append(widget);
    }
    layoutItems();
}

QList<BarButton*> Toolbar::buttons() const
{
    QList<BarButton*> out;
    for (QWidget* w : m_widgets)
        if (auto* b = qobject_cast<BarButton*>(w))
            out.append(b);
    return out;
}

void Toolbar::layoutItems()
{
    constexpr int margin = 6;
    int fixed = 0;
    int flexible = 0;
    auto measure = [&] {
        fixed = 0;
        flexible = 0;
        for (int i = 0; i < m_items.size(); ++i) {
            BarButtonItem* item = m_items[i];
            if (!item)
                continue;
            if (item->systemItem() == BarButtonItem::FlexibleSpace)
                ++flexible;
            else if (item->systemItem() == BarButtonItem::FixedSpace)
                fixed += item->width();
            else
                fixed += m_widgets[i]->sizeHint().width();
        }
    };
    const int gaps = qMax(0, int(m_items.size()) - 1);
    // Buttons whose titles do not fit side by side (long translations) all
    // take smaller type, as little smaller as will do, so none is cut off.
    for (int level = 0; level <= BarButton::tightest; ++level) {
        for (BarButton* button : buttons())
            button->setTightness(level);
        measure();
        if (fixed + 2 * margin + gaps * margin <= width())
            break;
    }
    const int free = qMax(0, width() - 2 * margin - fixed - gaps * margin);
    // Without flexible spaces the buttons spread evenly, as a phone toolbar does.
    const int flexibleWidth = flexible ? free / flexible : 0;
    const int evenGap = flexible ? margin : (m_items.size() > 1 ? free / gaps + margin : 0);
    int x = margin + (flexible || m_items.size() > 1 ? 0 : free / 2);
    for (int i = 0; i < m_items.size(); ++i) {
        BarButtonItem* item = m_items[i];
        if (!item)
            continue;
        if (item->systemItem() == BarButtonItem::FlexibleSpace) {
            x += flexibleWidth + margin;
        } else if (item->systemItem() == BarButtonItem::FixedSpace) {
            x += item->width() + margin;
        } else {
            const QSize hint = m_widgets[i]->sizeHint();
            m_widgets[i]->setGeometry(x, (height() - hint.height()) / 2, hint.width(), hint.height());
            x += hint.width() + evenGap;
        }
    }
}

void Toolbar::resizeEvent(QResizeEvent*)
{
    layoutItems();
}

void Toolbar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, UiPalette::barTop());
    fill.setColorAt(1, UiPalette::barBottom());
    p.fillRect(rect(), fill);
    p.setPen(UiPalette::barLine());
    p.drawLine(0, 0, width(), 0);
    p.setPen(UiPalette::barHighlight());
    p.drawLine(0, 1, width(), 1);
}
