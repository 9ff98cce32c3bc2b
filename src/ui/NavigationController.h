#pragma once

#include "ui/ViewController.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class NavigationBar;
class Toolbar;
class QStackedLayout;

// The stack of screens in the window's content area, with a navigation bar
// above (title, back button titled by the screen below, bar buttons) and an
// optional toolbar below. Pushing and popping slide the screens, or run
// whatever transition a subclass supplies.
class NavigationController : public QWidget {
    Q_OBJECT
public:
    explicit NavigationController(ViewController* root, QWidget* parent = nullptr);
    ~NavigationController() override;

    QList<ViewController*> viewControllers() const;
    ViewController* topViewController() const;
    ViewController* rootViewController() const;

    virtual void pushViewController(ViewController* controller, bool animated);
    virtual ViewController* popViewControllerAnimated(bool animated);
    virtual QList<ViewController*> popToViewController(ViewController* controller, bool animated);
    QList<ViewController*> popToRootViewControllerAnimated(bool animated);

    bool isNavigationBarHidden() const { return m_barHidden; }
    virtual void setNavigationBarHidden(bool hidden, bool animated);
    // The toolbar shows while the screen on top has toolbar items, after
    // every push and pop alike; screens do not show or hide it themselves.
    bool isToolbarHidden() const { return m_toolbarHidden; }

    NavigationBar* navigationBar() const { return m_bar; }
    Toolbar* toolbar() const { return m_toolbar; }

    // Whether a push or pop animation is running; new pushes and pops wait.
    bool isTransitioning() const { return m_transitioning; }
    // The interface orientation the content is laid out in.
    int interfaceOrientation() const { return m_orientation; }
    // The smallest size that shows the top screen's content whole in an
    // orientation, bars included; empty when the screen needs none.
    QSize minimumSizeFor(int orientation) const;
    // The orientation the user locked rotation to (0: none), as the owner
    // of the window reads it from the preferences; the screens' rotation
    // rule reads it here.
    int rotationLock() const { return m_rotationLock; }
    void setRotationLock(int orientation) { m_rotationLock = orientation; }
    // Tab's step: from the navigation bar through the screen to the toolbar.
    bool moveFocus(bool next);

signals:
    void stackChanged();
    void orientationChanged(int orientation);

protected:
    enum class Direction { Forward, Back };

    // Escape that no screen used goes back one screen.

    // Replaces the visible screen by `to`, animated with the standard slide
    // when asked; `done` runs when the new screen is in place.
    void showScreen(ViewController* from, ViewController* to, Direction direction, bool animated,
                    std::function<void()> done);
    // Subclasses can run a transition of their own over the whole view:
    // change() swaps the screens without animation.
    void runWholeViewTransition(int kind, const std::function<void()>& change);

    void pushScreen(ViewController* controller, bool animated);
    ViewController* popScreen(bool animated);

    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void setToolbarHidden(bool hidden);
    void updateBars();
    void updateOrientation();
    void layoutContent();

    QList<QPointer<ViewController>> m_stack;
    int m_rotationLock = 0;
    NavigationBar* m_bar;
    Toolbar* m_toolbar;
    QWidget* m_content;
    bool m_barHidden = false;
    bool m_toolbarHidden = true;
    bool m_transitioning = false;
    int m_orientation = OrientationPortrait;
};
