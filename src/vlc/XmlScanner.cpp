#include "vlc/XmlScanner.h"

#include <cstdint>
#include <cstring>

namespace {
bool isXmlChar(uint32_t cp)
{
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) || (cp >= 0xE000 && cp <= 0xFFFD)
        || (cp >= 0x10000 && cp <= 0x10FFFF);
}

void appendUtf8(std::string& out, uint32_t cp)
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

// Resolves the reference that starts at raw[i] ('&'); moves i past it.
bool appendReference(std::string_view raw, size_t& i, std::string& out)
{
    const size_t semicolon = raw.find(';', i);
    if (semicolon == std::string_view::npos)
        return false;
    const std::string_view ref = raw.substr(i + 1, semicolon - i - 1);
    i = semicolon + 1;
    if (ref == "amp")
        out += '&';
    else if (ref == "lt")
        out += '<';
    else if (ref == "gt")
        out += '>';
    else if (ref == "quot")
        out += '"';
    else if (ref == "apos")
        out += '\'';
    else if (ref.size() >= 2 && ref[0] == '#') {
        const bool hex = ref[1] == 'x';
        const std::string_view digits = ref.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8)
            return false;
        uint32_t cp = 0;
        for (char d : digits) {
            uint32_t v;
            if (d >= '0' && d <= '9')
                v = uint32_t(d - '0');
            else if (hex && d >= 'a' && d <= 'f')
                v = uint32_t(d - 'a' + 10);
            else if (hex && d >= 'A' && d <= 'F')
                v = uint32_t(d - 'A' + 10);
            else
                return false;
            cp = cp * (hex ? 16 : 10) + v;
            if (cp > 0x10FFFF)
                return false;
        }
        if (!isXmlChar(cp))
            return false;
        appendUtf8(out, cp);
    } else {
        return false; // entities other than the predefined ones are not supported
    }
    return true;
}

template <bool Attribute>
bool decode(std::string_view raw, std::string& out)
{
    out.reserve(out.size() + raw.size());
    for (size_t i = 0; i < raw.size();) {
        const char c = raw[i];
        if (c == '&') {
            if (!appendReference(raw, i, out))
                return false;
        } else if (c == '\r') {
            out += Attribute ? ' ' : '\n';
            i += (i + 1 < raw.size() && raw[i + 1] == '\n') ? 2 : 1;
        } else if (Attribute && (c == '\n' || c == '\t')) {
            out += ' ';
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return true;
}
}

bool XmlScanner::decodeText(std::string_view raw, std::string& out)
{
    return decode<false>(raw, out);
}

bool XmlScanner::decodeAttribute(std::string_view raw, std::string& out)
{
    return decode<true>(raw, out);
}

size_t XmlScanner::validPrefixLength(std::string_view document)
{
    const auto* p = reinterpret_cast<const unsigned char*>(document.data());
    const size_t n = document.size();
    size_t i = 0;
    while (i < n) {
        // Eight plain printable ASCII bytes at a time.
        if (i + 8 <= n) {
            uint64_t w;
            std::memcpy(&w, p + i, 8);
            const uint64_t high = w & 0x8080808080808080ULL;
            const uint64_t belowSpace = (w - 0x2020202020202020ULL) & ~w & 0x8080808080808080ULL;
            if ((high | belowSpace) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char b = p[i];
        if (b < 0x80) {
            if (b < 0x20 && b != '\t' && b != '\n' && b != '\r')
                return i;
            ++i;
            continue;
        }
        size_t length;
        uint32_t cp;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            cp = b & 0x07;
        } else {
            return i;
        }
        if (i + length > n)
            return i;
        for (size_t k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return i;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
        if (overlong || !isXmlChar(cp))
            return i;
        i += length;
    }
    return n;
}

namespace {
bool isSpaceChar(char c)
{
    return c == ' ' || c == '\n' || c == '\t' || c == '\r';
}

size_t skipSpaces(std::string_view s, size_t i)
{
    while (i < s.size() && isSpaceChar(s[i]))
        ++i;
    return i;
}

// Reads  name S? = S? "value"  at i; fills value, moves i past it.
bool readPseudoAttribute(std::string_view s, size_t& i, std::string_view name, std::string_view& value)
{
    if (s.substr(i, name.size()) != name)
        return false;
    i = skipSpaces(s, i + name.size());
    if (i >= s.size() || s[i] != '=')
        return false;
    i = skipSpaces(s, i + 1);
    if (i >= s.size() || (s[i] != '"' && s[i] != '\''))
        return false;
    const char quote = s[i];
    const size_t end = s.find(quote, i + 1);
    if (end == std::string_view::npos)
        return false;
    value = s.substr(i + 1, end - i - 1);
    i = end + 1;
    return true;
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}
}

bool XmlScanner::isValidXmlDeclaration(std::string_view inside)
{
    // S version Eq "1.x" (S encoding Eq "EncName")? (S standalone Eq "yes"|"no")? S?
    size_t i = 0;
    size_t next = skipSpaces(inside, i);
    if (next == i)
        return false;
    i = next;
    std::string_view value;
    if (!readPseudoAttribute(inside, i, "version", value))
        return false;
    if (value.size() < 3 || value.substr(0, 2) != "1.")
        return false;
    for (char c : value.substr(2))
        if (!isAsciiDigit(c))
            return false;
    next = skipSpaces(inside, i);
    if (next < inside.size() && next > i && inside.substr(next, 8) == "encoding") {
        i = next;
        if (!readPseudoAttribute(inside, i, "encoding", value) || value.empty() || !isAsciiLetter(value[0]))
            return false;
        for (char c : value)
            if (!isAsciiLetter(c) && !isAsciiDigit(c) && c != '.' && c != '_' && c != '-')
                return false;
        next = skipSpaces(inside, i);
    }
    if (next < inside.size() && next > i && inside.substr(next, 10) == "standalone") {
        i = next;
        if (!readPseudoAttribute(inside, i, "standalone", value) || (value != "yes" && value != "no"))
            return false;
        next = skipSpaces(inside, i);
    }
    return next == inside.size();
}

bool XmlScanner::skipDoctype(std::string_view d, size_t& pos)
{
    // S Name (S ExternalID)? S? ('[' internal subset ']' S?)? '>'
    auto isNameStart = [](char c) {
        return isAsciiLetter(c) || c == '_' || c == ':' || static_cast<unsigned char>(c) >= 0x80;
    };
    auto isNameChar = [&](char c) { return isNameStart(c) || isAsciiDigit(c) || c == '-' || c == '.'; };
    auto literal = [&](size_t& i, bool publicId) -> bool {
        if (i >= d.size() || (d[i] != '"' && d[i] != '\''))
            return false;
        const char quote = d[i];
        const size_t end = d.find(quote, i + 1);
        if (end == std::string_view::npos)
            return false;
        if (publicId) {
            static const std::string_view allowed = " \r\n-'()+,./:=?;!*#@$_%";
            for (char c : d.substr(i + 1, end - i - 1))
                if (!isAsciiLetter(c) && !isAsciiDigit(c) && allowed.find(c) == std::string_view::npos)
                    return false;
        }
        i = end + 1;
        return true;
    };
    size_t i = skipSpaces(d, pos);
    if (i == pos || i >= d.size() || !isNameStart(d[i]))
        return false;
    while (i < d.size() && isNameChar(d[i]))
        ++i;
    size_t next = skipSpaces(d, i);
    if (next > i && (d.substr(next, 6) == "SYSTEM" || d.substr(next, 6) == "PUBLIC")) {
        const bool isPublic = d.substr(next, 6) == "PUBLIC";
        i = next + 6;
        next = skipSpaces(d, i);
        if (next == i || !literal(next, isPublic))
            return false;
        if (isPublic) {
            i = next;
            next = skipSpaces(d, i);
            if (next == i || !literal(next, false))
                return false;
        }
        next = skipSpaces(d, next);
    }
    i = next;
    if (i < d.size() && d[i] == '[') {
        // The internal subset is skipped, quoted text and comments included;
        // its entities are not expanded (a reference to one is a fault).
        ++i;
        while (true) {
            if (i >= d.size())
                return false;
            const char c = d[i];
            if (c == ']')
                break;
            if (c == '"' || c == '\'') {
                const size_t end = d.find(c, i + 1);
                if (end == std::string_view::npos)
                    return false;
                i = end + 1;
            } else if (d.substr(i, 4) == "<!--") {
                const size_t end = d.find("-->", i + 4);
                if (end == std::string_view::npos)
                    return false;
                i = end + 3;
            } else {
                ++i;
            }
        }
        i = skipSpaces(d, i + 1);
    }
    if (i >= d.size() || d[i] != '>')
        return false;
    pos = i + 1;
    return true;
}
