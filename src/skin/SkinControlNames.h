#pragma once

#include <QString>

// What a skin control is called for assistive technology: its function in
// the reader's language, from its id (or, for the controls a skin gives no
// id, from its kind: the playlist table, the time and volume wheels).
namespace SkinControlNames {
// kind is the definition's element name ("button", "zoom_slider", ...).
QString accessibleName(const QString& kind, const QString& id);
// Play/pause says what pressing it does now.
QString playPauseName(bool playing);
}
