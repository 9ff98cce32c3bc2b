#include "app/AppWindow.h"

#include "app/BringToFront.h"
#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"
#include "ui/InterfaceOrientation.h"
#include "ui/NavigationController.h"
#include "ui/UiPalette.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPainter>

AppWindow::AppWindow(QWidget* parent)
    : QWidget(parent)
    , m_lockShape(UserDefaults::standard())
{
    setWindowTitle(QStringLiteral("PlayerLink"));
    setWindowIcon(QIcon(QStringLiteral(":/images/playerlink.png")));
    setMinimumSize(smallestSize);
    resize(defaultSize);
}

void AppWindow::setNavigationController(NavigationController* navigation)
{
    m_navigation = navigation;
    navigation->setParent(this);
    connect(navigation, &NavigationController::stackChanged, this, &AppWindow::relayout);
    navigation->show();
    relayout();
}

int AppWindow::windowOrientation() const
{
    return Orientation::forSize(size());
}

void AppWindow::rotationLockChanged()
{
    m_lockShape.lockChanged(m_navigation ? m_navigation->size() : QSize());
    relayout();
}

void AppWindow::relayout()
{
    if (!m_navigation)
        return;
    const int locked = m_lockShape.lockedOrientation();
    m_navigation->setRotationLock(locked);
    if (const std::optional<QRect> kept = m_lockShape.keptFrame(size())) {
        m_contentOrientation = locked;
        m_navigation->setGeometry(*kept);
        return;
    }
    const int wanted = windowOrientation();
    ViewController* top = m_navigation->topViewController();
    int shown = wanted;
    if (top && !top->shouldAutorotateToInterfaceOrientation(wanted)) {
        // Keep the orientation the screen allows (the one the lock names).
        for (int candidate : { OrientationPortrait, OrientationLandscapeRight, OrientationLandscapeLeft,
                               OrientationPortraitUpsideDown }) {
            if (top->shouldAutorotateToInterfaceOrientation(candidate)) {
                shown = candidate;
                break;
            }
        }
    }
    m_contentOrientation = shown;
    // The screen on top sets how small the window may get in the
    // orientation it shows (the remote screen: its whole skin, legible).
    const QSize needed = m_navigation->minimumSizeFor(shown).expandedTo(smallestSize);
    if (needed != minimumSize())
        setMinimumSize(needed);
    m_navigation->setGeometry(RotationLockShape::frameOfOrientation(size(), shown));
}

void AppWindow::bringToFront()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    ::bringToFront(windowHandle());
}

void AppWindow::resizeEvent(QResizeEvent*)
{
    relayout();
}

void AppWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}

bool AppWindow::focusNextPrevChild(bool next)
{
    if (m_navigation && m_navigation->isVisible() && m_navigation->moveFocus(next))
        return true;
    return QWidget::focusNextPrevChild(next);
}

void AppWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x08, 0x08, 0x0a));
}
