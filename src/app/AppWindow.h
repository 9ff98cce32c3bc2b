#pragma once

#include <QPointer>
#include <QWidget>

#include "models/RotationLockShape.h"
#include "ui/NavigationController.h"

// The phone-sized, resizable application window. Its content is the
// navigation stack; the window's shape decides the orientation (portrait
// while at least as tall as wide), and when the screen on top does not
// accept that orientation the stack keeps the shape of one it accepts,
// centred in the window. The window may not get smaller than the screen
// on top needs to show its content whole.
class AppWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize defaultSize { 390, 760 };
    // The smallest window whatever the screen on top.
    static constexpr QSize smallestSize { 280, 280 };

    explicit AppWindow(QWidget* parent = nullptr);

    void setNavigationController(NavigationController* navigation);
    NavigationController* navigationController() const { return m_navigation; }
    // The orientation of the window's shape, and the one the stack shows.
    int windowOrientation() const;
    int contentOrientation() const { return m_contentOrientation; }
    // Lays the stack out again (after the rotation lock changed).
    void relayout();
    // While the rotation lock is on, the stack keeps the shape it had when
    // the lock was set: the window's shape no longer turns the layout.
    void rotationLockChanged();
    // Shows the window in front of the others, restored if minimised, with
    // the keyboard focus.
    void bringToFront();

signals:
    void closing();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // With nothing focused yet, Tab starts in the stack's own order.
    bool focusNextPrevChild(bool next) override;

private:
    QPointer<NavigationController> m_navigation;
    int m_contentOrientation = 0;
    RotationLockShape m_lockShape;
};
