#include "screens/Cells/BrowseCell.h"

#include "ui/ImageView.h"
#include "ui/PlayingRowTitle.h"
#include "ui/UiPalette.h"

namespace {
constexpr int labelHeight = 25;
constexpr int rightMargin = 8;
constexpr int pageControlWidth = 160;
}

BrowseCell::BrowseCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(reuseIdentifier, parent)
{
    setSelectionStyle(SelectionStyleNone);
    textLabel()->setFont(UiPalette::boldFont(18));
}

void BrowseCell::setLeftView(QWidget* view)
{
    m_leftView.set(view, contentView());
    setNeedsLayout();
}

void BrowseCell::setLeftImage(const QPixmap& image)
{
    if (image.isNull()) {
        setLeftView(nullptr);
        return;
    }
    auto* icon = new ImageView;
    // Large artwork shrinks into the square; small artwork keeps its size.
    const QSizeF size = image.deviceIndependentSize();
    const qreal longest = qMax(size.width(), size.height());
    icon->setContentScale(longest > leftViewSize ? leftViewSize / longest : 1.0);
    icon->setImage(image);
    setLeftView(icon);
}

void BrowseCell::setView(QWidget* view)
{
    // A page control shows as many dots as fit: give it a sensible width.
    if (view && view != m_view.view() && view->inherits("PageControl"))
        view->resize(pageControlWidth, view->testAttribute(Qt::WA_Resized) ? view->height() : view->sizeHint().height());
    m_view.set(view, contentView());
    setNeedsLayout();
}

void BrowseCell::setLeftViewPadding(int padding)
{
    if (padding == m_leftViewPadding)
        return;
    m_leftViewPadding = padding;
    setNeedsLayout();
}

void BrowseCell::setIconColumn(bool iconColumn)
{
    if (iconColumn == m_iconColumn)
        return;
    m_iconColumn = iconColumn;
    setNeedsLayout();
}

void BrowseCell::setTitle(const QString& title, Qt::TextElideMode elide)
{
    m_titled = true;
    m_title = title;
    m_elide = elide;
    setNeedsLayout();
}

void BrowseCell::setPlaying(bool playing)
{
    setEmphasized(playing);
    setNeedsLayout();
}

void BrowseCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const QRect bounds = contentView()->rect();
    const int padding = m_leftViewPadding;
    const int top = qMax(0, (bounds.height() - labelHeight) / 2);
    // Room at the right for a small control even when there is none.
    int labelRight = bounds.width() - 43;

    if (QWidget* control = m_view.view(); control && control->parentWidget() == contentView()) {
        const QSize size = control->testAttribute(Qt::WA_Resized) ? control->size() : control->sizeHint();
        const int x = bounds.width() - size.width() - rightMargin - padding;
        control->setGeometry(x, qRound((bounds.height() - size.height()) / 2.0), size.width(), size.height());
        control->show();
        labelRight = qMin(labelRight, x - rightMargin);
    }
    if (QWidget* icon = m_leftView.view(); icon && icon->parentWidget() == contentView()) {
        icon->setGeometry(4 + padding / 2, top, leftViewSize, leftViewSize);
        icon->show();
    }
    if (m_iconColumn) {
        // The label leaves room for the icon whether or not there is one, so
        // that rows with and without icons line up.
        const int labelLeft = 8 + padding + leftViewSize;
        // Text made larger than the label's usual height gets the height it needs.
        const int textHeight = qMax(labelHeight, textLabel()->fontMetrics().height());
        textLabel()->setGeometry(labelLeft, qMax(0, (bounds.height() - textHeight) / 2),
                                 qMax(0, labelRight - labelLeft), textHeight);
    } else if (m_view.view()) {
        QRect label = textLabel()->geometry();
        label.setRight(qMin(label.right(), labelRight - 1));
        textLabel()->setGeometry(label);
    }
    if (m_titled) {
        QLabel* label = textLabel();
        Fitted& f = m_fitted;
        const bool same = f.title == m_title && f.playing == isPlaying() && f.room == label->width()
            && f.elide == m_elide && f.font == label->font() && f.text == label->text();
        if (!same) {
            f = { m_title, isPlaying(), label->font(), label->width(), m_elide, {} };
            f.text = PlayingRowTitle::text(m_title, f.playing, label->fontMetrics(), f.room, m_elide);
            label->setText(f.text);
        }
    }
}
