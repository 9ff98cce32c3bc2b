#pragma once

#include "vlc/XmlScanner.h"

#include <QString>

#include <string>

// An attribute's value as text, references resolved; scratch is reused
// between calls to spare allocations.
inline QString xmlAttributeText(const XmlAttribute& attribute, std::string& scratch)
{
    if (!attribute.needsDecoding)
        return QString::fromUtf8(attribute.value.data(), qsizetype(attribute.value.size()));
    scratch.clear();
    XmlScanner::decodeAttribute(attribute.value, scratch);
    return QString::fromUtf8(scratch.data(), qsizetype(scratch.size()));
}
