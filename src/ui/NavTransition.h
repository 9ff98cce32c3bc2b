#pragma once

// What a screen on the navigation stack wants of the navigation bar and of
// the transitions that bring it in and take it out. Transition kinds: -1 the
// standard slide, 0 none, 1 flip from left, 2 flip from right, 3 curl up,
// 4 curl down.
class NavTransition {
public:
    // The only way to make one; a disappear of -1 after a real appear becomes
    // the mirror of the appear (1 <-> 2, 3 <-> 4, 0 stays 0).
    NavTransition(int barVisibility, int appearTransition, int disappearTransition);
    NavTransition() = delete; // "Not the designated initialiser"

    int barVisibility() const { return m_barVisibility; }
    void setBarVisibility(int visibility) { m_barVisibility = visibility; }
    int appearTransition() const { return m_appearTransition; }
    int disappearTransition() const { return m_disappearTransition; }

    static int mirrorOf(int transition);

private:
    int m_barVisibility;
    int m_appearTransition;
    int m_disappearTransition;
};
