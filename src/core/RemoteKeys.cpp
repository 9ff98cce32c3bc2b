#include "core/RemoteKeys.h"

RemoteKeys::Action RemoteKeys::actionFor(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && (key == Qt::Key_Left || key == Qt::Key_Right))
        return key == Qt::Key_Left ? Action::PreviousPage : Action::NextPage;
    if (mods != Qt::NoModifier)
        return Action::None;
    switch (key) {
    case Qt::Key_Escape:
        return autoRepeat ? Action::None : Action::Back;
    case Qt::Key_Back:
        return Action::Back;
    case Qt::Key_Space:
        return Action::PlayPause;
    case Qt::Key_Left:
        return Action::ScanBack;
    case Qt::Key_Right:
        return Action::ScanForward;
    case Qt::Key_Up:
        return Action::VolumeUp;
    case Qt::Key_Down:
        return Action::VolumeDown;
    case Qt::Key_N:
        return Action::Next;
    case Qt::Key_P:
        return Action::Previous;
    case Qt::Key_F:
        return Action::FullScreen;
    case Qt::Key_PageUp:
        return Action::PreviousPage;
    case Qt::Key_PageDown:
        return Action::NextPage;
    default:
        return Action::None;
    }
}
