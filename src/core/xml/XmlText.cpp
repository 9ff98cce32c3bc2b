#include "core/xml/XmlText.h"

#include <charconv>

namespace {
// The reference at the start of text ("&amp;", "&#233;"): its length and
// code point, or length 0 when it is not one.
std::pair<size_t, char32_t> referenceAt(std::string_view text)
{
    const size_t semicolon = text.find(';', 1);
    if (semicolon == std::string_view::npos || semicolon > 12)
        return { 0, 0 };
    const std::string_view body = text.substr(1, semicolon - 1);
    const size_t length = semicolon + 1;
    if (body == "amp")
        return { length, U'&' };
    if (body == "lt")
        return { length, U'<' };
    if (body == "gt")
        return { length, U'>' };
    if (body == "quot")
        return { length, U'"' };
    if (body == "apos")
        return { length, U'\'' };
    if (body.size() < 2 || body[0] != '#')
        return { 0, 0 };
    const bool hex = body[1] == 'x';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    uint32_t cp = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), cp, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || cp == 0 || cp > 0x10FFFF
        || (cp >= 0xD800 && cp <= 0xDFFF))
        return { 0, 0 };
    return { length, char32_t(cp) };
}

void appendCodePoint(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}
}

namespace {
std::string_view decoded(std::string_view raw, std::string& scratch, bool attribute)
{
    const char* special = attribute ? "&\r\n\t" : "&\r";
    size_t i = raw.find_first_of(special);
    if (i == std::string_view::npos)
        return raw;
    scratch.clear();
    scratch.reserve(raw.size());
    // Text between the characters that change is copied in runs.
    size_t copied = 0;
    for (; i != std::string_view::npos; i = raw.find_first_of(special, i)) {
        scratch.append(raw.data() + copied, i - copied);
        const char c = raw[i];
        if (c == '&') {
            const auto [length, cp] = referenceAt(raw.substr(i));
            if (length > 0) {
                appendCodePoint(scratch, cp);
                i += length;
            } else {
                scratch += c;
                ++i;
            }
        } else if (c == '\r') {
            scratch += attribute ? ' ' : '\n';
            i += i + 1 < raw.size() && raw[i + 1] == '\n' ? 2 : 1;
        } else {
            scratch += ' '; // a line break or tab in an attribute
            ++i;
        }
        copied = i;
    }
    scratch.append(raw.data() + copied, raw.size() - copied);
    return scratch;
}
}

std::string_view decodedAttribute(std::string_view raw, std::string& scratch)
{
    return decoded(raw, scratch, true);
}

std::string_view decodedText(std::string_view raw, std::string& scratch)
{
    return decoded(raw, scratch, false);
}

bool hasUnsoundNumericReference(std::string_view raw)
{
    for (size_t at = raw.find("&#"); at != std::string_view::npos; at = raw.find("&#", at + 2))
        if (referenceAt(raw.substr(at)).first == 0)
            return true;
    return false;
}

QString decodedAttributeText(std::string_view raw)
{
    std::string scratch;
    const std::string_view text = decodedAttribute(raw, scratch);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
