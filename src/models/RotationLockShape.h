#pragma once

#include <QRect>
#include <QSize>

#include <optional>

class UserDefaults;

// While the rotation lock holds, the screens keep the shape they had when
// it was set, centred in the window: the window's shape no longer turns
// the layout. Locked in an earlier run, the window's shape is the one kept
// once it has the locked orientation; until then the screens stand in a
// 9:16 frame of that orientation. The lock is the preference's value, an
// orientation code (0: unlocked).
class RotationLockShape {
public:
    // defaults: not owned, it outlives this.
    explicit RotationLockShape(UserDefaults& defaults);

    int lockedOrientation() const;
    // The lock was switched, while the screens had this size.
    void lockChanged(QSize screens);
    // Where the screens keep their shape in a window of this size; nothing
    // while unlocked, or locked in an earlier run and the window's shape
    // is not yet of the locked orientation.
    std::optional<QRect> keptFrame(QSize window);
    // The 9:16 frame of an orientation, centred in a window of the other.
    static QRect frameOfOrientation(QSize window, int orientation);
    // Where the screens stand in a window of this size: the kept frame, the
    // locked orientation's, or the whole window.
    QRect frame(QSize window);

private:
    UserDefaults& m_defaults;
    // Width over height of the screens while the lock holds; 0 until known.
    double m_lockedAspect = 0;
};
