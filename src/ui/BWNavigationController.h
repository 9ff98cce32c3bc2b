#pragma once

#include "ui/NavigationController.h"
#include "ui/NavTransition.h"

#include <optional>
#include <vector>

// The navigation stack of the application: it remembers per screen whether
// the navigation bar is shown, so that coming back to a screen restores its
// bar, and plays a flip or page-curl transition for a push when one was
// queued, mirrored on the way back. Escape goes back from a pushed screen,
// unless a text field is being edited or an alert is up.
class BWNavigationController : public NavigationController {
    Q_OBJECT
public:
    explicit BWNavigationController(ViewController* root, QWidget* parent = nullptr);

    void queueTransitionType(int appear, int disappear);
    const std::optional<NavTransition>& queuedTransition() const { return m_queuedTransition; }
    const std::vector<NavTransition>& transitionDetailsArray() const { return m_transitionDetails; }

    // visibility: -1 hide the bar while the screen is on top, 1 show it,
    // 0 leave it as it is.
    void pushViewControllerVisibility(ViewController* controller, bool animated, int visibility);
    void pushViewController(ViewController* controller, bool animated) override;
    ViewController* popViewControllerAnimated(bool animated) override;
    QList<ViewController*> popToViewController(ViewController* controller, bool animated) override;
    void setNavigationBarHidden(bool hidden, bool animated) override;

    void pushWithAnimationViewController(ViewController* controller, bool animated);
    ViewController* popWithAnimationViewControllerAnimated(bool animated);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<NavTransition> m_transitionDetails;
    std::optional<NavTransition> m_queuedTransition;
};
