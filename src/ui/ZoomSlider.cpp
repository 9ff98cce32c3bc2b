#include "ui/ZoomSlider.h"

#include "ui/FocusFrame.h"
#include "ui/UiAccessibility.h"
#include "core/ConsoleLog.h"
#include "ui/ZoomSliderDelegate.h"
#include "ui/ZoomSliderOverlay.h"
#include "ui/ZoomSliderScroll.h"

#include <QResizeEvent>
#include <QVariantAnimation>

#include <algorithm>

namespace {
const QString moveAnimationName = QStringLiteral("moveSlider");
constexpr int moveAnimationMs = 200;
}

ZoomSlider::ZoomSlider(const QRect& frame, QWidget* parent)
    : QWidget(parent)
{
    UiAccessibility::install();
    setGeometry(frame);
    const QRect bounds(0, 0, frame.width(), frame.height());
    m_scroll = new ZoomSliderScroll(bounds, this);
    // Created second so that the marker lies above the scale.
    m_overlay = new ZoomSliderOverlay(bounds, this);
    // Tab reaches it; its keys are the window's, like the other sliders'.
    setFocusPolicy(Qt::TabFocus);
    new FocusFrame(this);
    m_appliedSize = frame.size();

    m_moveAnimation = new QVariantAnimation(this);
    m_moveAnimation->setObjectName(moveAnimationName);
    m_moveAnimation->setDuration(moveAnimationMs);
    m_moveAnimation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_moveAnimation, &QVariantAnimation::valueChanged, this,
        [this](const QVariant& shift) { m_scroll->setDisplayShift(shift.toDouble()); });
    connect(m_moveAnimation, &QVariantAnimation::finished, this, &ZoomSlider::finishMoveAnimation);
}

ZoomSlider::~ZoomSlider() = default;

void ZoomSlider::setMinimumValue(double minimumValue)
{
    if (minimumValue == m_minimumValue)
        return;
    m_minimumValue = minimumValue;
    m_scroll->redrawInner();
}

void ZoomSlider::setMaximumValue(double maximumValue)
{
    if (maximumValue == m_maximumValue)
        return;
    m_maximumValue = maximumValue;
    zoomToFit();
}

void ZoomSlider::setZoom(double zoom)
{
    // NaN falls to maxZoom rather than poisoning the geometry.
    m_zoom = std::max(m_minZoom, std::min(m_maxZoom, zoom));
    m_scroll->redrawInner();
    if (m_delegate && m_delegate->answers(ZoomSliderDelegate::Operation::ZoomChanged))
        m_delegate->zoomSliderZoomChanged(this, m_zoom);
}

void ZoomSlider::zoomToFit()
{
    const double span = m_maximumValue - m_minimumValue;
    if (span != 0)
        setZoom(width() / span);
}

void ZoomSlider::setValue(double value)
{
    setValueInform(value, false);
}

void ZoomSlider::setValueInform(double value, bool inform)
{
    // Compared before clamping: a value beyond the range is stored (clamped)
    // again each time, so the end of a glide past the range still informs.
    if (value == m_value)
        return;
    m_value = std::max(m_minimumValue, std::min(m_maximumValue, value));
    m_scroll->valueChanged();
    if (inform && !m_scroll->hasMomentum())
        informValueChanged();
}

void ZoomSlider::informValueChanged()
{
    if (m_delegate && m_delegate->answers(ZoomSliderDelegate::Operation::ValueChanged))
        m_delegate->zoomSliderValueChanged(this, m_value);
}

void ZoomSlider::setValueAnimated(double value, bool animated)
{
    if (!animated) {
        setValue(value);
        return;
    }
    if (m_moveAnimation->state() != QAbstractAnimation::Stopped) {
        m_moveAnimation->stop();
        finishMoveAnimation();
    }
    const double before = m_value;
    setValueInform(value, false);
    // The scale has already moved; start it where the old value sat under
    // the marker and let it slide home.
    const double shift = (m_value - before) * m_zoom;
    m_scroll->setDisplayShift(shift);
    m_moveAnimation->setStartValue(shift);
    m_moveAnimation->setEndValue(0.0);
    m_moveAnimation->start();
}

void ZoomSlider::finishMoveAnimation()
{
    ConsoleLog::log(QStringLiteral("animation did stop for %@"), moveAnimationName);
    m_scroll->setDisplayShift(0);
    m_scroll->recentre();
}

void ZoomSlider::addPixelsToValue(double pixels)
{
    if (m_zoom == 0)
        return;
    setValueInform(m_value + pixels / m_zoom, true);
}

bool ZoomSlider::isMoving() const
{
    return m_scroll->hasMomentum() || m_scroll->lastTouchCount() != 0;
}

void ZoomSlider::setFrame(const QRect& frame)
{
    m_settingFrame = true;
    setGeometry(frame);
    m_settingFrame = false;
    applyFrame();
}

void ZoomSlider::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Callers that size the control as any other widget get the same
    // behaviour as setFrame; a resize delivered late (hidden widgets get
    // theirs when shown) is not applied twice.
    if (!m_settingFrame && size() != m_appliedSize)
        applyFrame();
}

void ZoomSlider::applyFrame()
{
    const int w = width();
    const int h = height();
    m_appliedSize = size();
    m_overlay->setGeometry(0, 0, w, h);
    m_scroll->setFrame(QRect(0, 0, w, h));
    m_overlay->update();
    if (w != 0 && m_previousWidth != 0)
        setZoom(w * m_zoom / m_previousWidth);
    if (w != 0)
        m_previousWidth = w;
    m_scroll->redrawInner();
}

QSize ZoomSlider::sizeHint() const
{
    return QSize(320, 44);
}
