#pragma once

// Makes the toolkit's own controls known to assistive technology through
// QAccessible: tables as lists whose rows carry their cells' text (also rows
// scrolled out of sight), the zoom slider and the track slider as sliders
// with their value. Installed once, before the first window shows.
namespace UiAccessibility {
void install();
}
