#include "ui/SensitivePicker.h"

#include "core/Localization.h"
#include "ui/SensitivePickerDelegate.h"

#include <QEvent>
#include <QFontMetricsF>
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

QLabel* captionLabel(const QString& text, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("pickerCaption"));
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    // The caption lies over the wheels: turns must reach the picker below it.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette pal = label->palette();
    QColor translucent = colour;
    translucent.setAlphaF(0.7f);
    pal.setColor(QPalette::WindowText, translucent);
    label->setPalette(pal);
    return label;
}
}

SensitivePicker::SensitivePicker(QWidget* parent)
    : PickerView(parent)
{
}

SensitivePicker::~SensitivePicker()
{
    for (const Caption& caption : m_captions) {
        delete caption.shadow.data();
        delete caption.label.data();
    }
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
    // A white copy one point lower gives the dark caption an engraved edge.
    Caption caption { captionLabel(shown, Qt::white, parent), captionLabel(shown, Qt::black, parent), rightX, top,
                      height };
    caption.shadow->show();
    caption.label->show();
    m_captions.push_back(caption);
    placeCaptions();
}

void SensitivePicker::placeCaptions()
{
    const qreal s = contentScale();
    const QFont font = captionFont(s);
    for (const Caption& caption : m_captions) {
        if (!caption.label || !caption.shadow)
            continue;
        const qreal width = std::ceil(QFontMetricsF(font).horizontalAdvance(caption.label->text()));
        const int left = x() + int(std::lround(caption.rightX * s - width));
        const int top = y() + int(std::lround(caption.top * s));
        const int height = int(std::lround(caption.height * s));
        const int lift = qMax(1, int(std::lround(s)));
        for (QLabel* label : { caption.shadow.data(), caption.label.data() })
            label->setFont(font);
        caption.shadow->setGeometry(left, top + lift, int(width), height);
        caption.label->setGeometry(left, top, int(width), height);
        caption.shadow->setEnabled(isEnabled());
        caption.label->setEnabled(isEnabled());
        caption.shadow->raise();
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
