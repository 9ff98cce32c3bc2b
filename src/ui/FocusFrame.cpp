#include "ui/FocusFrame.h"

#include "ui/FocusRing.h"

#include <QEvent>
#include <QPainter>

FocusFrame::FocusFrame(QWidget* control)
    : QWidget(control)
    , m_control(control)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    control->installEventFilter(this);
    hide();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Resize:
        case QEvent::ChildAdded:
            follow();
            break;
        default:
            break;
        }
    }
    return false;
}

void FocusFrame::follow()
{
    if (!m_control)
        return;
    setGeometry(m_control->rect());
    const bool show = FocusRing::shown(m_control);
    setVisible(show);
    if (show)
        raise();
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    FocusRing::paint(p, QRectF(rect()), 5);
}
