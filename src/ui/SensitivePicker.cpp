#include "ui/SensitivePicker.h"

#include "core/Localization.h"
#include "ui/SensitivePickerDelegate.h"

#include <QFontMetricsF>
#include <QLabel>

#include <cmath>

namespace {
QLabel* captionLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("pickerCaption"));
    label->setFont(font);
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
    QFont font;
    font.setPixelSize(18);
    font.setBold(true);
    const QString shown = Localization::localized(text);
    const qreal width = std::ceil(QFontMetricsF(font).horizontalAdvance(shown));
    const int left = int(std::lround(rightX - width));
    // A white copy one point lower gives the dark caption an engraved edge.
    QLabel* shadow = captionLabel(shown, font, Qt::white, parent);
    shadow->setGeometry(left, int(std::lround(top + 1)), int(width), int(std::lround(height)));
    QLabel* caption = captionLabel(shown, font, Qt::black, parent);
    caption->setGeometry(left, int(std::lround(top)), int(width), int(std::lround(height)));
    shadow->show();
    caption->show();
}
