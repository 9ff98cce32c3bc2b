#include "models/skin/SkinButtonLook.h"

namespace {
constexpr double disabledOpacity = 0.45;
constexpr double disabledFallbackOpacity = 0.35;
constexpr double pressedFallbackOpacity = 0.6;
}

bool SkinButtonLook::Images::has(State state) const
{
    switch (state) {
    case State::Normal:
        return normal;
    case State::Highlighted:
        return highlighted;
    case State::Selected:
        return selected;
    case State::Disabled:
        return disabled;
    }
    return false;
}

SkinButtonLook::State SkinButtonLook::displayedState(const Flags& f)
{
    if (!f.enabled)
        return State::Disabled;
    if (f.down || f.highlighted)
        return State::Highlighted;
    if (f.selected)
        return State::Selected;
    return State::Normal;
}

SkinButtonLook::Look SkinButtonLook::lookFor(const Flags& f, const Images& images)
{
    const State state = displayedState(f);
    Look look;
    look.image = state;
    // A disabled one that the program holds highlighted keeps that look.
    if (!images.has(look.image) && state == State::Highlighted && f.selected)
        look.image = State::Selected;
    if (!images.has(look.image) && state == State::Disabled && f.highlighted)
        look.image = State::Highlighted;
    if (!images.has(look.image))
        look.image = State::Normal;
    look.hasImage = images.has(look.image);
    if (state == State::Disabled)
        look.opacity = images.disabled ? disabledOpacity : disabledFallbackOpacity;
    else if (state == State::Highlighted && f.down && !images.highlighted && !(f.selected && images.selected))
        look.opacity = pressedFallbackOpacity;
    return look;
}
