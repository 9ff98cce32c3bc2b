#pragma once

class VLCController;

// The saved remote marked default opens by itself the first time it
// answers as VLC while the remotes list shows, until the list is first
// left: from then on the user chooses.
class DefaultRemoteOpening {
public:
    // Once the list has shown and is left, the default waits for the user.
    void setListShowing(bool showing);
    // Another remote opened first (one asked for on the command line).
    void end() { m_over = true; }
    bool isOver() const { return m_over; }
    // Whether the remote that just answered as VLC opens by itself; the
    // first that does ends the rule.
    bool opensByItself(const VLCController& remote, bool saved);

private:
    bool m_showing = false;
    bool m_over = false;
};
