#pragma once

#include "models/skin/SkinElement.h"
#include "models/skin/SkinPlayerState.h"

#include <QString>

// How each role of a skin's controls shows the player's state, for every
// front end: which controls hide while stopped, which wait for a playlist,
// which mode buttons stand highlighted (a mode that is off shows the
// highlighted image), when play/pause shows its alternates. Before the
// first status nothing is known, and the controls show an empty, stopped
// player with every mode unclaimed; while the state is not live the
// controls that act on the player are disabled.
namespace SkinControlRules {
struct Look {
    bool hidden = false;
    bool enabled = true;
    bool highlighted = false;
    // PlayPause: the playing images (imgAlternate1 and
    // Attr_imgAlternate1Highlighted) instead of the normal ones.
    bool alternate = false;

    friend bool operator==(const Look&, const Look&) = default;
};

Look lookFor(SkinElement::Kind kind, const QString& id, const SkinPlayerState& state);
}
