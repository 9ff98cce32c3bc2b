#pragma once

#include <functional>

// Tells whether any PlayerLink process of this home is installing or
// deleting a skin. Each install and delete holds the lock shared for as long
// as its work folder or download file exists; clearing what killed runs left
// behind takes it exclusively, so it never removes the work of a run still
// going, in this process or another (`playerlink --install-skin` beside the
// running application, two installs at once). A killed process lets go of
// its hold with its last breath: the kernel drops the lock (flock) with it.
class SkinWorkLock {
public:
    // Waits while leftovers are being cleared, then holds the lock shared.
    SkinWorkLock();
    ~SkinWorkLock();
    SkinWorkLock(const SkinWorkLock&) = delete;
    SkinWorkLock& operator=(const SkinWorkLock&) = delete;

    // Runs clear while no install or delete works anywhere in this home;
    // false (and clear not run) when one does or the lock cannot be had.
    static bool whileIdle(const std::function<void()>& clear);

private:
    int m_fd = -1;
};
