#include "ui/NavigationBar.h"

#include "core/Localization.h"
#include "ui/BarButton.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationItem.h"
#include "ui/UiPalette.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace {
constexpr int margin = 6;
}

NavigationBar::NavigationBar(QWidget* parent)
    : QWidget(parent)
    , m_title(new QLabel(this))
{
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFont(UiPalette::boldFont(17));
    QPalette pal = m_title->palette();
    pal.setColor(QPalette::WindowText, UiPalette::text());
    m_title->setPalette(pal);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize NavigationBar::sizeHint() const
{
    return { 320, m_compact ? compactHeight : regularHeight };
}

void NavigationBar::setCompact(bool compact)
{
    if (m_compact == compact)
        return;
    m_compact = compact;
    m_title->setFont(UiPalette::boldFont(compact ? 15 : 17));
    updateGeometry();
}

QString NavigationBar::titleText() const
{
    return m_title->text();
}

void NavigationBar::showItem(NavigationItem* item, const QString& backTitle)
{
    if (m_item)
        disconnect(m_item, nullptr, this, nullptr);
    m_item = item;
    m_backTitle = backTitle;
    if (item)
        connect(item, &NavigationItem::changed, this, &NavigationBar::rebuild);
    rebuild();
}

void NavigationBar::rebuild()
{
    delete m_backButton;
    delete m_leftButton;
    delete m_rightButton;
    m_backButton = m_leftButton = m_rightButton = nullptr;
    if (m_titleView && m_titleView->parent() == this)
        m_titleView->hide();
    m_titleView = nullptr;

    if (m_item) {
        m_title->setText(m_item->title());
        if (QWidget* view = m_item->titleView()) {
            m_titleView = view;
            view->setParent(this);
            view->show();
        }
        if (BarButtonItem* left = m_item->leftBarButtonItem()) {
            m_leftButton = new BarButton(left, this);
        } else if (!m_backTitle.isEmpty() && !m_item->hidesBackButton()) {
            m_backButton = new BarButton(m_backTitle, BarButton::Back, this);
            connect(m_backButton, &QAbstractButton::clicked, this, &NavigationBar::backRequested);
        }
        if (BarButtonItem* right = m_item->rightBarButtonItem())
            m_rightButton = new BarButton(right, this);
    } else {
        m_title->clear();
    }
    m_title->setVisible(!m_titleView);
    for (BarButton* b : { m_backButton, m_leftButton, m_rightButton })
        if (b)
            b->show();
    layoutChildren();
}

void NavigationBar::layoutChildren()
{
    const int h = height();
    int leftEdge = margin;
    int rightEdge = width() - margin;
    auto place = [h](BarButton* button, int x, int maxWidth) {
        const QSize hint = button->sizeHint();
        const int w = qMin(hint.width(), maxWidth);
        button->setGeometry(x, (h - hint.height()) / 2, w, hint.height());
        return w;
    };
    const QString title = m_item ? m_item->title() : QString();
    const int fullSize = m_compact ? 15 : 17;
    m_title->setFont(UiPalette::boldFont(fullSize));
    BarButton* left = m_leftButton ? m_leftButton : m_backButton;
    const int rightWanted = m_rightButton ? m_rightButton->sizeHint().width() : 0;
    const int titleWanted = m_titleView ? 0 : m_title->fontMetrics().horizontalAdvance(title) + 2 * margin;
    auto fits = [&] {
        const int leftWanted = left ? left->sizeHint().width() : 0;
        return leftWanted + rightWanted + titleWanted + 4 * margin <= width();
    };
    // A back button whose title would crowd out the screen's own says just
    // "Back" (long words, as German has, stay whole that way).
    if (m_backButton) {
        m_backButton->setText(m_backTitle);
        if (!fits())
            m_backButton->setText(localizedString("Back"));
    }
    // Buttons get a third of the bar each, or all they ask for when they and
    // the title fit side by side.
    int sideMax = width() / 3;
    if (fits())
        sideMax = qMax(sideMax, qMax(left ? left->sizeHint().width() : 0, rightWanted));
    if (left)
        leftEdge += place(left, leftEdge, sideMax) + margin;
    if (m_rightButton) {
        const int w = qMin(rightWanted, sideMax);
        place(m_rightButton, rightEdge - w, sideMax);
        rightEdge -= w + margin;
    }
    // The title stays centred on the bar as long as it fits there, else it
    // takes all the room between the buttons.
    const int side = qMax(leftEdge, width() - rightEdge);
    QRect titleRect(side, 0, qMax(0, width() - 2 * side), h);
    if (m_titleView)
        m_titleView->setGeometry(titleRect);
    else if (titleWanted - 2 * margin > titleRect.width())
        titleRect = QRect(leftEdge, 0, qMax(0, rightEdge - leftEdge), h);
    // Still too long: a slightly smaller type before any letter is cut.
    for (int size = fullSize; size >= fullSize - 3; --size) {
        m_title->setFont(UiPalette::boldFont(size));
        if (m_title->fontMetrics().horizontalAdvance(title) <= titleRect.width())
            break;
    }
    m_title->setGeometry(titleRect);
    m_title->setText(m_title->fontMetrics().elidedText(title, Qt::ElideRight, titleRect.width()));
    // What the changes above asked for is done.
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
}

void NavigationBar::resizeEvent(QResizeEvent*)
{
    layoutChildren();
}

bool NavigationBar::event(QEvent* event)
{
    // A button whose title changed asks for the width of the new one.
    if (event->type() == QEvent::LayoutRequest)
        layoutChildren();
    return QWidget::event(event);
}

void NavigationBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, UiPalette::barTop());
    fill.setColorAt(0.5, UiPalette::barTop().darker(125));
    fill.setColorAt(0.51, UiPalette::barBottom().lighter(115));
    fill.setColorAt(1, UiPalette::barBottom());
    p.fillRect(rect(), fill);
    p.setPen(UiPalette::barHighlight());
    p.drawLine(0, 0, width(), 0);
    p.setPen(UiPalette::barLine());
    p.drawLine(0, height() - 1, width(), height() - 1);
}
