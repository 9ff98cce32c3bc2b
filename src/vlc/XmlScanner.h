#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One attribute of a start tag, as it stands in the document. When
// needsDecoding is set the value holds references or line breaks that
// XmlScanner::decodeAttribute resolves.
struct XmlAttribute {
    std::string_view name;
    std::string_view value;
    bool needsDecoding;
};

// A small, strict reader for the XML that VLC sends: elements, attributes,
// text, character and predefined entity references, comments, processing
// instructions, CDATA sections and a skipped DOCTYPE. It reports each piece
// to a handler as it goes and stops at the first fault, so a broken document
// yields what came before the fault. Input is UTF-8 whatever the document
// declares.
//
// It replaced expat because the status poll runs every second on the main
// thread: reading straight from the buffer is several times faster.
//
// Handler:
//   void start(std::string_view name, const XmlAttribute* attributes, size_t count);
//   void end();
//   void text(std::string_view utf8);    // character data, references resolved
class XmlScanner {
public:
    // True when the whole document was well-formed.
    template <typename Handler>
    static bool scan(std::string_view document, Handler& handler);

    // Resolve references and normalise line breaks; false on a bad reference.
    static bool decodeText(std::string_view raw, std::string& out);
    static bool decodeAttribute(std::string_view raw, std::string& out);

    // Length of the longest prefix that is valid UTF-8 without characters
    // XML forbids (control characters, U+FFFE, U+FFFF).
    static size_t validPrefixLength(std::string_view document);

    // The inside of "<?xml ... ?>" and of "<!DOCTYPE ... >", checked as
    // strictly as the XML grammar asks.
    static bool isValidXmlDeclaration(std::string_view inside);
    static bool skipDoctype(std::string_view document, size_t& pos);

private:
    class Cursor;
    template <typename Handler>
    static bool scanValid(std::string_view document, Handler& handler);
};

// --- Implementation ---------------------------------------------------------

class XmlScanner::Cursor {
public:
    explicit Cursor(std::string_view d) : data(d) { }

    bool atEnd() const { return pos >= data.size(); }
    char peek(size_t ahead = 0) const { return pos + ahead < data.size() ? data[pos + ahead] : '\0'; }
    bool startsWith(std::string_view s) const { return data.substr(pos, s.size()) == s; }
    void skipSpace()
    {
        while (pos < data.size() && isSpace(data[pos]))
            ++pos;
    }
    // Finds terminator from the current position; moves past it.
    bool skipPast(std::string_view terminator, std::string_view* skipped = nullptr)
    {
        const size_t at = data.find(terminator, pos);
        if (at == std::string_view::npos)
            return false;
        if (skipped)
            *skipped = data.substr(pos, at - pos);
        pos = at + terminator.size();
        return true;
    }
    bool readName(std::string_view& name)
    {
        const size_t start = pos;
        if (pos >= data.size() || !isNameStart(data[pos]))
            return false;
        ++pos;
        while (pos < data.size() && isNameChar(data[pos]))
            ++pos;
        name = data.substr(start, pos - start);
        return true;
    }

    static bool isSpace(char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\r'; }
    static bool isNameStart(char c)
    {
        const auto u = static_cast<unsigned char>(c);
        return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
    }
    static bool isNameChar(char c)
    {
        const auto u = static_cast<unsigned char>(c);
        return isNameStart(c) || (u >= '0' && u <= '9') || u == '-' || u == '.';
    }

    std::string_view data;
    size_t pos = 0;
};

template <typename Handler>
bool XmlScanner::scan(std::string_view document, Handler& handler)
{
    const size_t valid = validPrefixLength(document);
    const bool wellFormed = scanValid(document.substr(0, valid), handler);
    return wellFormed && valid == document.size();
}

template <typename Handler>
bool XmlScanner::scanValid(std::string_view document, Handler& handler)
{
    Cursor c(document);
    if (c.startsWith("\xEF\xBB\xBF"))
        c.pos += 3;
    const size_t documentStart = c.pos;
    std::vector<std::string_view> open;
    std::vector<XmlAttribute> attributes;
    std::string decoded;
    bool seenRoot = false;
    bool sawDoctype = false;

    while (!c.atEnd()) {
        if (c.peek() != '<') {
            // Character data up to the next tag.
            const size_t start = c.pos;
            const size_t next = document.find('<', start);
            c.pos = next == std::string_view::npos ? document.size() : next;
            const std::string_view raw = document.substr(start, c.pos - start);
            if (open.empty()) {
                for (char ch : raw)
                    if (!Cursor::isSpace(ch))
                        return false;
                continue;
            }
            if (raw.find("]]>") != std::string_view::npos)
                return false;
            if (raw.find_first_of("&\r") == std::string_view::npos) {
                handler.text(raw);
            } else {
                decoded.clear();
                if (!decodeText(raw, decoded))
                    return false;
                handler.text(decoded);
            }
            continue;
        }

        const char next = c.peek(1);
        if (next == '/') {
            c.pos += 2;
            std::string_view name;
            if (!c.readName(name))
                return false;
            c.skipSpace();
            if (c.peek() != '>' || open.empty() || open.back() != name)
                return false;
            ++c.pos;
            open.pop_back();
            handler.end();
            continue;
        }
        if (next == '?') {
            const size_t at = c.pos;
            c.pos += 2;
            std::string_view target;
            if (!c.readName(target))
                return false;
            std::string lowered(target);
            for (char& ch : lowered)
                ch = char(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
            if (lowered == "xml" && (at != documentStart || target != "xml"))
                return false;
            std::string_view inside;
            if (!c.skipPast("?>", &inside))
                return false;
            if (lowered == "xml" && !isValidXmlDeclaration(inside))
                return false;
            if (lowered != "xml" && !inside.empty() && !Cursor::isSpace(inside.front()))
                return false;
            continue;
        }
        if (next == '!') {
            if (c.startsWith("<!--")) {
                c.pos += 4;
                std::string_view body;
                if (!c.skipPast("-->", &body))
                    return false;
                if (body.find("--") != std::string_view::npos || (!body.empty() && body.back() == '-'))
                    return false;
                continue;
            }
            if (c.startsWith("<![CDATA[")) {
                if (open.empty())
                    return false;
                c.pos += 9;
                if (!c.skipPast("]]>"))
                    return false;
                continue; // CDATA text is not collected
            }
            if (c.startsWith("<!DOCTYPE")) {
                if (seenRoot || sawDoctype)
                    return false;
                sawDoctype = true;
                c.pos += 9;
                if (!skipDoctype(document, c.pos))
                    return false;
                continue;
            }
            return false;
        }

        // A start tag.
        if (seenRoot && open.empty())
            return false; // a second document element
        ++c.pos;
        std::string_view name;
        if (!c.readName(name))
            return false;
        attributes.clear();
        bool selfClosing = false;
        while (true) {
            const size_t before = c.pos;
            c.skipSpace();
            const char ch = c.peek();
            if (ch == '>') {
                ++c.pos;
                break;
            }
            if (ch == '/' && c.peek(1) == '>') {
                c.pos += 2;
                selfClosing = true;
                break;
            }
            if (c.pos == before)
                return false; // attributes must be separated by white space
            XmlAttribute attribute;
            if (!c.readName(attribute.name))
                return false;
            c.skipSpace();
            if (c.peek() != '=')
                return false;
            ++c.pos;
            c.skipSpace();
            const char quote = c.peek();
            if (quote != '"' && quote != '\'')
                return false;
            ++c.pos;
            const size_t valueStart = c.pos;
            const size_t valueEnd = document.find(quote, valueStart);
            if (valueEnd == std::string_view::npos)
                return false;
            attribute.value = document.substr(valueStart, valueEnd - valueStart);
            if (attribute.value.find('<') != std::string_view::npos)
                return false;
            attribute.needsDecoding = attribute.value.find_first_of("&\t\n\r") != std::string_view::npos;
            if (attribute.needsDecoding && attribute.value.find('&') != std::string_view::npos) {
                decoded.clear();
                if (!decodeAttribute(attribute.value, decoded))
                    return false;
            }
            for (const XmlAttribute& other : attributes)
                if (other.name == attribute.name)
                    return false;
            attributes.push_back(attribute);
            c.pos = valueEnd + 1;
        }
        seenRoot = true;
        handler.start(name, attributes.data(), attributes.size());
        if (selfClosing)
            handler.end();
        else
            open.push_back(name);
    }
    return seenRoot && open.empty();
}
