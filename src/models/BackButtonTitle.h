#pragma once

#include <QString>

// What the back button says over a screen: the screen it goes back to names
// itself (a name of its own for the button, else its title), or "Back"
// where it has neither, as in any navigation bar.
namespace BackButtonTitle {
QString forScreenBelow(const QString& ownBackTitle, const QString& title);
}
