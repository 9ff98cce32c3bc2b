#pragma once

#include "skin/SkinActionTarget.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

// The remote screen as the skin sees it: the target of every control's
// action, and the source of the playlist its tables show.
class SkinDelegate : public SkinActionTarget, public TableViewDataSource, public TableViewDelegate {
public:
    virtual void previous() = 0;
    virtual void stop() = 0;
    virtual void playPause() = 0;
    virtual void next() = 0;
    virtual void random() = 0;
    virtual void repeat() = 0;
    virtual void loop() = 0;
    virtual void volumeDown() = 0;
    virtual void volumeUp() = 0;
    virtual void scanForward() = 0;
    virtual void scanBack() = 0;
    virtual void dvdUp() = 0;
    virtual void dvdDown() = 0;
    virtual void dvdLeft() = 0;
    virtual void dvdRight() = 0;
    virtual void dvdSelect() = 0;
    virtual void dvdMenu() = 0;
    // A plain slider moved by the user; value as the slider shows it.
    virtual void sliderPositionChanged(double value) = 0;
    virtual void sliderVolumeChanged(double value) = 0;
};
