#include "ui/SensitivePicker.h"

#include "core/Localization.h"
#include "ui/SensitivePickerDelegate.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsDropShadowEffect>
#include <QLabel>

#include <cmath>

namespace {
constexpr int captionPixelSize = 18;

QFont captionFont(qreal scale)
{
    QFont font;
    font.setPixelSize(qMax(1, int(std::lround(captionPixelSize * scale))));
    font.setBold(true);
    return font;
}

// A dark caption with a white edge below it, engraved; one label, so that
// assistive technology reads the caption once.
QLabel* captionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("pickerCaption"));
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    // The caption lies over the wheels: turns must reach the picker below it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgbF(0, 0, 0, 0.7f));
    label->setPalette(pal);
    // The edge takes the text's own opacity.
    auto* edge = new QGraphicsDropShadowEffect(label);
    edge->setBlurRadius(0);
    edge->setColor(Qt::white);
    label->setGraphicsEffect(edge);
    return label;
}
}

SensitivePicker::SensitivePicker(QWidget* parent)
    : PickerView(parent)
{
}

SensitivePicker::~SensitivePicker()
{
    for (const Caption& caption : m_captions)
        delete caption.label.data();
}

void SensitivePicker::componentTouched(int component)
{
    Q_UNUSED(component);
    if (auto* sensitive = dynamic_cast<SensitivePickerDelegate*>(delegate()))
        sensitive->sensitivePickerDidStartSelection(this);
}

void SensitivePicker::addPickerLabel(const QString& text, qreal rightX, qreal top, qreal height)
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    const QString shown = Localization::localized(text);
    Caption caption { captionLabel(shown, parent), rightX, top, height };
    caption.label->show();
    m_captions.push_back(caption);
    placeCaptions();
}

void SensitivePicker::placeCaptions()
{
    const qreal s = contentScale();
    const QFont font = captionFont(s);
    for (const Caption& caption : m_captions) {
        if (!caption.label)
            continue;
        const qreal width = std::ceil(QFontMetricsF(font).horizontalAdvance(caption.label->text()));
        const int left = x() + int(std::lround(caption.rightX * s - width));
        const int top = y() + int(std::lround(caption.top * s));
        const int height = int(std::lround(caption.height * s));
        // The white edge one point lower.
        if (auto* edge = qobject_cast<QGraphicsDropShadowEffect*>(caption.label->graphicsEffect()))
            edge->setOffset(0, qMax(1, int(std::lround(s))));
        caption.label->setFont(font);
        caption.label->setGeometry(left, top, int(width), height);
        caption.label->setEnabled(isEnabled());
        caption.label->raise();
    }
}

void SensitivePicker::setContentScale(qreal scale)
{
    PickerView::setContentScale(scale);
    placeCaptions();
}

void SensitivePicker::moveEvent(QMoveEvent* event)
{
    PickerView::moveEvent(event);
    placeCaptions();
}

void SensitivePicker::changeEvent(QEvent* event)
{
    PickerView::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        placeCaptions();
}
