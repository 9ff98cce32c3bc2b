#pragma once

#include <QByteArrayView>

// Case-insensitive search for an ASCII needle in a UTF-8 body, without
// decoding it: in valid UTF-8 an ASCII byte always stands for itself.
class ByteSearch {
public:
    static bool containsIgnoringCase(QByteArrayView haystack, QByteArrayView asciiNeedle);
};
