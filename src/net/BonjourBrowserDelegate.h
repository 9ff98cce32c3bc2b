#pragma once

class BonjourBrowser;

// What a discovery run tells its owner, on the main thread. Every operation
// is optional: the defaults do nothing. A delegate must not destroy the run
// from inside these calls (use deleteLater()).
class BonjourBrowserDelegate {
public:
    virtual ~BonjourBrowserDelegate() = default;

    // status() changed: the first browse or resolution started, or the last
    // one ended.
    virtual void statusChangedInBrowser(BonjourBrowser* browser) { }
    // uniqueComputers() gained a computer, a computer got a better name or
    // became identified, or the list was cleared.
    virtual void uniqueComputersChangedInBrowser(BonjourBrowser* browser) { }
    // allComputers() gained an entry or was cleared.
    virtual void allComputersChangedInBrowser(BonjourBrowser* browser) { }
};
