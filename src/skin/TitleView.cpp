#include "skin/TitleView.h"

#include "ui/FitLabel.h"
#include "ui/InterfaceOrientation.h"
#include "ui/UiPalette.h"

#include <QFontMetricsF>
#include <QMouseEvent>

#include <cmath>

namespace {
constexpr int titleWidth = 200;
constexpr int portraitHeight = 44;
constexpr int landscapeHeight = 33; // the bar is lower in landscape
constexpr int topFontSize = 14;
constexpr int bottomFontSize = 12;

// A band of the view given as shares of its height, its edges rounded to
// whole pixels so the lines stay sharp.
QRect band(const QSize& size, double topShare, double heightShare)
{
    const int top = int(std::lround(size.height() * topShare));
    const int bottom = int(std::lround(size.height() * (topShare + heightShare)));
    return QRect(0, top, size.width(), bottom - top);
}

// Labels here clip their text, where the phone lets it spill over its
// frame: a band lower than the label's line of text grows to that line,
// about the same middle, so a low landscape bar does not cut the letters.
QRect roomForText(const QRect& frame, int pixelSize, bool bold)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    const int needed = int(std::ceil(QFontMetricsF(font).height()));
    if (frame.height() >= needed)
        return frame;
    const int extra = needed - frame.height();
    return frame.adjusted(0, -(extra / 2), 0, extra - extra / 2);
}
}

TitleView::TitleView(int interfaceOrientation, QWidget* parent)
    : QWidget(parent)
    , m_topLabel(new FitLabel(this))
    , m_bottomLabel(new FitLabel(this))
    , m_initialSize(titleWidth, Orientation::isLandscape(interfaceOrientation) ? landscapeHeight : portraitHeight)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    m_topLabel->setObjectName(QStringLiteral("topLabel"));
    m_topLabel->setBold(true);
    m_topLabel->setPointSize(topFontSize);
    m_topLabel->setTextColor(Qt::white);
    m_topLabel->setAlignment(Qt::AlignCenter);

    m_bottomLabel->setObjectName(QStringLiteral("bottomLabel"));
    m_bottomLabel->setPointSize(bottomFontSize);
    m_bottomLabel->setTextColor(UiPalette::secondaryText());
    m_bottomLabel->setAlignment(Qt::AlignCenter);

    resize(m_initialSize);
    layoutLabels();
}

QSize TitleView::sizeHint() const
{
    return m_initialSize;
}

void TitleView::resizeEvent(QResizeEvent*)
{
    layoutLabels();
}

void TitleView::mousePressEvent(QMouseEvent* event)
{
    event->accept(); // the release that follows is the title's
}

void TitleView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TitleView::layoutLabels()
{
    m_topLabel->setGeometry(roomForText(band(size(), 0.1, 0.4), topFontSize, true));
    m_bottomLabel->setGeometry(roomForText(band(size(), 0.6, 0.3), bottomFontSize, false));
}
