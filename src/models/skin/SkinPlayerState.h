#pragma once

// What a skin shows of the player: the flags its controls' looks depend on.
struct SkinPlayerState {
    // Whether the player's state is known and current: before the first
    // status the controls stand neutral and disabled; while the connection
    // is lost they are dimmed until replies come back.
    enum class Liveness { NoState, Live, Stale };

    Liveness liveness = Liveness::NoState;
    bool playing = false;
    bool stopped = false;
    int itemsInPlaylist = 0;
    bool looping = false;
    bool random = false;
    bool repeating = false;

    bool known() const { return liveness != Liveness::NoState; }
    bool live() const { return liveness == Liveness::Live; }
};
