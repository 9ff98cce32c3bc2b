#pragma once

#include "models/RemoteAnswer.h"
#include "models/RemoteStateDrawing.h"

#include <QPixmap>

class QWidget;

// The small traffic cone at the right of a computer's row
// (RemoteStateDrawing), as an image for the widget list.
namespace RemoteStateIcon {
constexpr int size = RemoteStateDrawing::size;

QPixmap pixmap(RemoteAnswer answer);
// A view of the icon for a row, named "state-<key>" and described for
// tool tips and assistive technology; the caller owns it.
QWidget* view(RemoteAnswer answer);
}
