#pragma once

#include <QString>

#include <string>
#include <string_view>

// An attribute value as written in a document, made what a reader of XML
// hands over: character and entity references replaced, and each line
// break or tab a space ("\r\n" counts once). References that are not
// well-formed stay as they were written.

// The raw value itself when nothing changes, else the value made in scratch.
std::string_view decodedAttribute(std::string_view raw, std::string& scratch);

QString decodedAttributeText(std::string_view raw);

// Element text as written, made what a reader hands over: references
// replaced and each line break "\n".
std::string_view decodedText(std::string_view raw, std::string& scratch);

// True when raw holds a "&#" that is not a well-formed reference to a
// character (no digits, a number out of range, a surrogate, zero). Readers
// of XML differ on such text; a reader that must agree with another hands
// it over rather than guess.
bool hasUnsoundNumericReference(std::string_view raw);
