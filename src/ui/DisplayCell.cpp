#include "ui/DisplayCell.h"

namespace {
constexpr int rightMargin = 8;
constexpr int pageControlWidth = 160;
}

DisplayCell::DisplayCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(reuseIdentifier, parent)
{
    setSelectionStyle(SelectionStyleNone);
}

void DisplayCell::setView(QWidget* view)
{
    // A page control shows as many dots as fit: give it a sensible width.
    if (view && view != m_view.view() && view->inherits("PageControl"))
        view->resize(pageControlWidth, view->testAttribute(Qt::WA_Resized) ? view->height() : view->sizeHint().height());
    m_view.set(view, contentView());
    setNeedsLayout();
}

void DisplayCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    QWidget* control = m_view.view();
    if (!control || control->parentWidget() != contentView())
        return;
    const QRect bounds = contentView()->rect();
    const QSize size = control->testAttribute(Qt::WA_Resized) ? control->size() : control->sizeHint();
    const int x = bounds.width() - size.width() - rightMargin;
    control->setGeometry(x, qRound((bounds.height() - size.height()) / 2.0), size.width(), size.height());
    QRect label = textLabel()->geometry();
    label.setRight(qMin(label.right(), x - rightMargin - 1));
    textLabel()->setGeometry(label);
}
