#pragma once

// Makes the toolkit's own controls known to assistive technology through
// QAccessible: tables as lists whose rows carry their cells' text (also rows
// scrolled out of sight) and what their accessory view shows, the zoom
// slider and the track slider as sliders with their value, labels as their
// text, and a picker's wheels as spin boxes with theirs. Installed once,
// before the first window shows.
namespace UiAccessibility {
void install();
}
