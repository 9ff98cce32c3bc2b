#include "screens/Common/ExclamationBadge.h"

#include "screens/News/FeedsViewController.h"
#include "ui/BarButton.h"
#include "ui/Toolbar.h"

#include <QEvent>
#include <QPainter>
#include <QTimer>

ExclamationBadge::ExclamationBadge(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents); // taps reach the button below
    resize(sizeHint());
    hide();
}

QSize ExclamationBadge::sizeHint() const
{
    return { 22, 22 };
}

void ExclamationBadge::attach(BarButtonItem* button, Toolbar* toolbar)
{
    if (m_toolbar == toolbar && m_button == button)
        return;
    if (m_toolbar)
        m_toolbar->removeEventFilter(this);
    m_button = button;
    m_toolbar = toolbar;
    if (toolbar) {
        setParent(toolbar);
        toolbar->installEventFilter(this);
    }
    place();
}

void ExclamationBadge::setWanted(bool wanted)
{
    m_wanted = wanted;
    place();
}

void ExclamationBadge::place()
{
    m_placePending = false;
    BarButton* shown = nullptr;
    if (m_toolbar && m_button)
        for (BarButton* candidate : m_toolbar->buttons())
            if (candidate->item() == m_button)
                shown = candidate;
    if (!m_wanted || !shown || !m_toolbar->isVisible()) {
        hide();
        return;
    }
    FeedsViewController::positionExclamation(this, shown, m_toolbar);
    show();
}

void ExclamationBadge::placeSoon()
{
    // After the toolbar has laid its buttons out for the change.
    if (m_placePending)
        return;
    m_placePending = true;
    QTimer::singleShot(0, this, &ExclamationBadge::place);
}

bool ExclamationBadge::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_toolbar) {
        switch (event->type()) {
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::LayoutRequest:
            placeSoon();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ExclamationBadge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QRadialGradient fill(disc.center() - QPointF(0, disc.height() / 4), disc.width() * 0.75);
    fill.setColorAt(0, QColor(0xff, 0x5a, 0x4f));
    fill.setColorAt(1, QColor(0xc4, 0x16, 0x0c));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(fill);
    p.drawEllipse(disc);
    QFont font;
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(rect().adjusted(0, 0, 0, -1), Qt::AlignCenter, QStringLiteral("!"));
}
