#pragma once

#include "vlc/PlayerStatus.h"

#include <QByteArray>

#include <optional>
#include <string_view>

// A status reply read in one pass over its text, without a tree: the reply
// of a running VLC, whose markup is elements, attributes and text. A reply
// with anything else in it - a comment, CDATA, a doctype, a carriage
// return, a fault in the markup, a list of aspect ratios or DVD titles, an
// unexpected shape inside "information" - is not read here: read() gives
// nothing and the caller reads it with the document reader. For every reply
// this reader does read, both give the same status.
class PlainStatusReader {
public:
    // What a read leaves for the next: the bytes of the reply's
    // "information". A reply that repeats them - most do, as long as the
    // same item plays - takes its categories from the previous status
    // instead of reading them again.
    struct Memo {
        QByteArray information;
    };

    // text must be valid UTF-8. Strings equal to those of previous, when
    // given, are shared with it. memo, when given, must be what the read
    // that made previous left; it is updated, and emptied when nothing is
    // read.
    static std::optional<PlayerStatus> read(std::string_view text, const PlayerStatus* previous = nullptr,
                                            Memo* memo = nullptr);
};
