#pragma once

class Rotator;

// What a Rotator tells while the user turns it; values are in turns (one
// full turn is 1.0).
class RotatorDelegate {
public:
    virtual ~RotatorDelegate() = default;
    // The value changed during a turn.
    virtual void rotatorValueChangedTo(float value) = 0;
    // The turn ended (the finger lifted, the wheel or the key came to rest),
    // even when the value did not change.
    virtual void rotatorStoppedChangingAt(float value) = 0;
};
