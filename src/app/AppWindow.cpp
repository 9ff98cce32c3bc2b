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
    m_lockedAspect = 0;
    if (UserDefaults::standard().integerForKey(PreferenceKeys::lockRotationSpecific) != 0 && m_navigation
        && !m_navigation->size().isEmpty())
        m_lockedAspect = double(m_navigation->width()) / m_navigation->height();
    relayout();
}

void AppWindow::relayout()
{
    if (!m_navigation)
        return;
    const int locked = UserDefaults::standard().integerForKey(PreferenceKeys::lockRotationSpecific);
    m_navigation->setRotationLock(locked);
    if (locked == 0) {
        m_lockedAspect = 0;
    } else if (m_lockedAspect <= 0 && Orientation::isLandscape(locked) == Orientation::isLandscape(windowOrientation())) {
        // Locked in an earlier run: the window's shape now is the one kept.
        m_lockedAspect = double(width()) / qMax(1, height());
    }
    if (m_lockedAspect > 0) {
        QSize shape(qRound(height() * m_lockedAspect), height());
        if (shape.width() > width())
            shape = QSize(width(), qRound(width() / m_lockedAspect));
        m_contentOrientation = locked;
        m_navigation->setGeometry(QRect(QPoint((width() - shape.width()) / 2, (height() - shape.height()) / 2), shape));
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
    QRect frame = rect();
    if (Orientation::isLandscape(shown) != Orientation::isLandscape(wanted)) {
        if (Orientation::isPortrait(shown)) {
            const int w = qMin(width(), height() * 9 / 16);
            frame = QRect((width() - w) / 2, 0, w, height());
        } else {
            const int h = qMin(height(), width() * 9 / 16);
            frame = QRect(0, (height() - h) / 2, width(), h);
        }
    }
    m_navigation->setGeometry(frame);
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
