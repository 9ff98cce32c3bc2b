#include "models/skin/SkinButtonControl.h"

#include "models/skin/SkinButtonLook.h"
#include "models/skin/SkinGeometry.h"
#include "models/skin/SkinRoles.h"
#include "models/skin/SkinScene.h"

namespace {
SkinButtonLook::Images buttonImages(const SkinElement& e, bool alternate)
{
    SkinButtonLook::Images images;
    images.normal = e.has(alternate ? u"imgAlternate1" : u"imgNormal");
    images.highlighted = e.has(alternate ? u"Attr_imgAlternate1Highlighted" : u"imgHighlighted");
    images.selected = e.has(u"imgSelected");
    images.disabled = e.has(u"imgDisabled");
    return images;
}

SkinButtonLook::Flags buttonFlags(const SkinControlRules::Look& look, bool pressed)
{
    SkinButtonLook::Flags flags;
    flags.enabled = look.enabled;
    flags.down = pressed;
    flags.highlighted = look.highlighted;
    return flags;
}
}

// --- Image ------------------------------------------------------------------------

void SkinButtonControl::lookUpdated(bool images)
{
    if (images)
        emit imagesChanged();
}

QString SkinButtonControl::imageName() const
{
    // While playing, the play button shows its alternates; the second name
    // carries a prefix the others lack.
    const SkinElement& e = element();
    const bool alternate = look().alternate;
    const SkinButtonLook::Look shown = SkinButtonLook::lookFor(buttonFlags(look(), isPressed()), buttonImages(e, alternate));
    if (!shown.hasImage)
        return {};
    switch (shown.image) {
    case SkinButtonLook::State::Normal:
        return e.text(alternate ? u"imgAlternate1" : u"imgNormal");
    case SkinButtonLook::State::Highlighted:
        return e.text(alternate ? u"Attr_imgAlternate1Highlighted" : u"imgHighlighted");
    case SkinButtonLook::State::Selected:
        return e.text(u"imgSelected");
    case SkinButtonLook::State::Disabled:
        return e.text(u"imgDisabled");
    }
    return {};
}

qreal SkinButtonControl::opacity() const
{
    return SkinButtonLook::lookFor(buttonFlags(look(), isPressed()), buttonImages(element(), look().alternate)).opacity;
}

QSizeF SkinButtonControl::imageSizeAt(qreal scale) const
{
    // The image shrinks to fit the button.
    QSizeF size = SkinImageControl::imageSizeAt(scale);
    const QSizeF button = parentControl() ? SkinGeometry::scaled(element().frame, scale).size() : rect().size();
    if (size.width() > button.width() || size.height() > button.height())
        size.scale(button, Qt::KeepAspectRatio);
    return size;
}

// --- Skip distance ------------------------------------------------------------------

bool SkinButtonControl::showsSkipDistance() const
{
    return element().has(u"distanceFontSize") && (skinId() == SkinRoles::skipForward || skinId() == SkinRoles::skipBack);
}

void SkinButtonControl::setText(const QString& text)
{
    if (text == m_text && text.isNull() == m_text.isNull())
        return;
    m_text = text;
    emit textChanged();
}

qreal SkinButtonControl::distancePixelSize() const
{
    return element().number(u"distanceFontSize", 0) * scale();
}

QPointF SkinButtonControl::distanceCentre() const
{
    // In the button's own points, the middle of its frame unless the skin says.
    const QSizeF points = rect().size() / (scale() > 0 ? scale() : 1);
    return QPointF(element().number(u"distanceX", points.width() / 2), element().number(u"distanceY", points.height() / 2))
        * scale();
}

qreal SkinButtonControl::distanceWidth() const
{
    return element().number(u"distanceWidth", 0) * scale();
}

QColor SkinButtonControl::distanceDisabledColor() const
{
    return element().has(u"distanceDisabledColour") ? element().colour(u"distanceDisabledColour") : distanceColor();
}

// --- From the user --------------------------------------------------------------------

void SkinButtonControl::activate()
{
    if (isEnabled() && isShown())
        scene()->buttonActivated(*this);
}
