#pragma once

// Which of its images a skin button draws, and how opaque: the state it is
// in (disabled, pressed or held highlighted, selected, normal), falling
// back the way a phone button does when the skin drew no image for that
// state. A disabled button reads as such whether or not the skin drew a
// disabled image; a pressed one without its own image fades.
namespace SkinButtonLook {
enum class State { Normal, Highlighted, Selected, Disabled };

struct Flags {
    bool enabled = true;
    bool down = false;
    bool highlighted = false;
    bool selected = false;
};

// Which states the skin gave an image.
struct Images {
    bool normal = false;
    bool highlighted = false;
    bool selected = false;
    bool disabled = false;

    bool has(State state) const;
};

struct Look {
    // The state whose image is drawn; hasImage false when there is none.
    State image = State::Normal;
    bool hasImage = false;
    double opacity = 1;
};

State displayedState(const Flags& flags);
Look lookFor(const Flags& flags, const Images& images);
}
