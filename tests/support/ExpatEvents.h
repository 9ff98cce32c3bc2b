#pragma once

#include <QByteArray>

#include <string>

// The events of a document as expat reads it, in one canonical text:
// "<name a='v'>", text, "</>". A second opinion for our own XML reader.
struct ExpatEvents {
    std::string events;
    bool complete = false;
    static ExpatEvents of(const QByteArray& document);
};
