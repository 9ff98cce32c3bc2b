#pragma once

#include <QString>

// What the desktop's media controls may ask of the open remote. The
// application answers with the remote screen's own commands, so that a media
// key does exactly what the matching skin button does.
class MprisCommands {
public:
    virtual ~MprisCommands() = default;
    virtual void playPause() = 0;
    virtual void stop() = 0;
    virtual void next() = 0;
    virtual void previous() = 0;
    // Seek to this many seconds into the current item.
    virtual void seek(int seconds) = 0;
    // Set the volume, in percent.
    virtual void setVolume(int percent) = 0;
    virtual void toggleRandom() = 0;
    virtual void toggleRepeat() = 0; // the current item again and again
    virtual void toggleLoop() = 0;   // the whole playlist again
    // Playing speed as a multiplier, within VLC's bounds.
    virtual void setRate(double multiplier) = 0;
    // Plays a file of the computer VLC runs on, as the browser does.
    virtual void playFile(const QString& path) = 0;
    virtual void raise() = 0;
};
