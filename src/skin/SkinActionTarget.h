#pragma once

// What the skin's controls and their delegate objects ask of the remote
// screen that shows the skin.
class SkinActionTarget {
public:
    virtual ~SkinActionTarget() = default;
    // Seek to this many seconds into the current item.
    virtual void seek(int seconds) = 0;
    // Set the volume, in percent.
    virtual void setVolume(int volume) = 0;
};
