#include "models/RotationLockShape.h"

#include "core/PreferenceKeys.h"
#include "core/UserDefaults.h"

#include <QtGlobal>

namespace {
// The landscape orientation codes (right, left).
bool isLandscape(int orientation)
{
    return orientation == 3 || orientation == 4;
}

bool isLandscape(QSize size)
{
    return size.width() > size.height();
}
}

RotationLockShape::RotationLockShape(UserDefaults& defaults)
    : m_defaults(defaults)
{
}

int RotationLockShape::lockedOrientation() const
{
    return m_defaults.integerForKey(PreferenceKeys::lockRotationSpecific);
}

void RotationLockShape::lockChanged(QSize screens)
{
    m_lockedAspect = 0;
    if (lockedOrientation() != 0 && !screens.isEmpty())
        m_lockedAspect = double(screens.width()) / screens.height();
}

std::optional<QRect> RotationLockShape::keptFrame(QSize window)
{
    const int locked = lockedOrientation();
    if (locked == 0) {
        m_lockedAspect = 0;
        return std::nullopt;
    }
    if (m_lockedAspect <= 0 && !window.isEmpty() && isLandscape(locked) == isLandscape(window))
        m_lockedAspect = double(window.width()) / window.height();
    if (m_lockedAspect <= 0)
        return std::nullopt;
    QSize shape(qRound(window.height() * m_lockedAspect), window.height());
    if (shape.width() > window.width())
        shape = QSize(window.width(), qRound(window.width() / m_lockedAspect));
    return QRect(QPoint((window.width() - shape.width()) / 2, (window.height() - shape.height()) / 2), shape);
}

QRect RotationLockShape::frameOfOrientation(QSize window, int orientation)
{
    if (isLandscape(orientation) == isLandscape(window))
        return QRect(QPoint(0, 0), window);
    if (!isLandscape(orientation)) {
        const int w = qMin(window.width(), window.height() * 9 / 16);
        return QRect((window.width() - w) / 2, 0, w, window.height());
    }
    const int h = qMin(window.height(), window.width() * 9 / 16);
    return QRect(0, (window.height() - h) / 2, window.width(), h);
}

QRect RotationLockShape::frame(QSize window)
{
    if (const std::optional<QRect> kept = keptFrame(window))
        return *kept;
    const int locked = lockedOrientation();
    return locked == 0 ? QRect(QPoint(0, 0), window) : frameOfOrientation(window, locked);
}
