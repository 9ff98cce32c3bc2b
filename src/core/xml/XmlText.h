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
