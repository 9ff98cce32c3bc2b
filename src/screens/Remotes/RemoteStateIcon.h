#pragma once

#include "models/RemoteAnswer.h"

#include <QPixmap>

class QWidget;

// The small traffic cone at the right of a computer's row: orange when VLC
// answers, with a badge for what stands in the way (a key for a password,
// a red key for a wrong one, "!" for VLC without a password, a no-entry
// sign for a refusal), grey when nothing answers.
namespace RemoteStateIcon {
constexpr int size = 30;

QPixmap pixmap(RemoteAnswer answer);
// A view of the icon for a row, named "state-<key>" and described for
// tool tips and assistive technology; the caller owns it.
QWidget* view(RemoteAnswer answer);
}
