#pragma once

#include <QIcon>

// The gallery browser's toolbar symbols, drawn rather than shipped: back and
// forward arrows and the reload circle, in the bar's text colour.
namespace BrowserIcons {
QIcon back();
QIcon forward();
QIcon reload();
}
