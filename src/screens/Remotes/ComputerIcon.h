#pragma once

#include <QPixmap>

// The row icons of the remotes list, drawn rather than shipped: a computer
// screen, and the same screen with a green plus for "Add computer".
namespace ComputerIcon {
QPixmap computer();
QPixmap addComputer();
}
