#pragma once

#include <QByteArray>

// A black PNG of any size (one bit a pixel, so a few kilobytes even at
// thousands of pixels a side): what a skin needs to claim a lot of memory.
QByteArray blankPng(int width, int height);
