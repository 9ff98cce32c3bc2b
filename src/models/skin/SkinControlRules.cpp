#include "models/skin/SkinControlRules.h"

#include "models/skin/SkinRoles.h"

namespace {
using Kind = SkinElement::Kind;
namespace Ids = SkinRoles;

SkinControlRules::Look buttonLook(const QString& id, const SkinPlayerState& s)
{
    const bool live = s.live();
    const bool playing = s.known() && s.playing;
    const bool stopped = !s.known() || s.stopped;
    const int items = s.known() ? s.itemsInPlaylist : 0;
    SkinControlRules::Look look;
    // Buttons of roles the front ends do not know stay as built.
    look.enabled = Ids::isPlayerButton(id) ? live : true;
    if (id == Ids::skipForward || id == Ids::skipBack) {
        look.hidden = stopped;
    } else if (id == Ids::previous) {
        look.hidden = items <= 1;
        look.enabled = live && (!stopped || items <= 1);
    } else if (id == Ids::next) {
        look.hidden = items <= 1;
        look.enabled = live && !stopped;
    } else if (id == Ids::playPause) {
        look.enabled = live && items > 0;
        look.alternate = playing;
    } else if (id == Ids::stop) {
        // Paused is not stopped: a paused player can be stopped too.
        look.enabled = live && !stopped;
    } else if (id == Ids::loop) {
        look.highlighted = !s.known() || !s.looping;
    } else if (id == Ids::shuffle) {
        look.highlighted = !s.known() || !s.random;
    } else if (id == Ids::repeat) {
        look.highlighted = !s.known() || !s.repeating;
    }
    return look;
}
}

SkinControlRules::Look SkinControlRules::lookFor(Kind kind, const QString& id, const SkinPlayerState& s)
{
    const bool stopped = !s.known() || s.stopped;
    Look look;
    switch (kind) {
    case Kind::Button:
        return buttonLook(id, s);
    case Kind::Label:
        if (id == Ids::timeElapsed || id == Ids::timeRemaining || id == Ids::timeLength) {
            look.hidden = stopped;
            look.enabled = s.live();
        } else if (id == Ids::nowPlaying) {
            look.enabled = s.live();
        }
        return look;
    case Kind::ZoomSlider:
    case Kind::Slider:
        if (id == Ids::positionSlider) {
            look.hidden = stopped;
            look.enabled = s.live();
        } else if (id == Ids::volumeSlider) {
            look.enabled = s.live();
        }
        return look;
    case Kind::Picker:
        look.enabled = s.live();
        return look;
    default:
        return look;
    }
}
