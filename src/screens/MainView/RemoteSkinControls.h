#pragma once

#include "skin/SkinDelegate.h"

class RemoteSession;
class RemoteSkinDisplay;

// The skin's controls as the session's commands, and the skin's playlist
// tables as the session's playlist: one row per item, or one that says the
// list is empty; a tapped row plays its item from the start.
class RemoteSkinControls : public SkinDelegate {
public:
    RemoteSkinControls(RemoteSession& session, RemoteSkinDisplay& display);
    ~RemoteSkinControls() override;

    void previous() override;
    void stop() override;
    void playPause() override;
    void next() override;
    void random() override;
    void repeat() override;
    void loop() override;
    void volumeDown() override;
    void volumeUp() override;
    void scanForward() override;
    void scanBack() override;
    void dvdUp() override;
    void dvdDown() override;
    void dvdLeft() override;
    void dvdRight() override;
    void dvdSelect() override;
    void dvdMenu() override;
    void sliderPositionChanged(double value) override;
    void sliderVolumeChanged(double value) override;
    // The user's own value: shown at once, without a glide.
    void seek(int seconds) override;
    void setVolume(int volume) override;

    int numberOfSections(TableView* table) override;
    int numberOfRowsInSection(TableView* table, int section) override;
    TableViewCell* cellForRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    IndexPath willSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView* table, const IndexPath& indexPath) override;

private:
    RemoteSession& m_session;
    RemoteSkinDisplay& m_display;
};
