#pragma once

#include <QByteArray>
#include <QImage>

// A page's picture as the web viewers take it: at most maximumBytes
// read, maximumPerPage asked for, decoded only within maximumPixels, and
// shrunk to the width the page is shown in.
class WebPicture {
public:
    static constexpr qint64 maximumBytes = 4 * 1024 * 1024;
    static constexpr int maximumPerPage = 64;
    static constexpr int maximumPixels = 4096 * 4096;

    // Null when the data is no picture or too large; fitWidth 0 or less
    // leaves the size alone.
    static QImage decoded(const QByteArray& data, int fitWidth);
};
