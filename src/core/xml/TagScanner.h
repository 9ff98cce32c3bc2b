#pragma once

#include <string_view>
#include <vector>

// One forward pass over the tags of an XML text that is valid UTF-8, for
// replies too large to build a tree of: start tags with their attributes as
// written (entities not yet decoded), end tags, and how deep each sits.
// Text, comments, CDATA, instructions and the doctype are stepped over. It
// stops at the first fault in the tags (a tag cut short, an attribute
// without quotes, an end tag that closes another element), so that what it
// gave is what was read before the fault.
class TagScanner {
public:
    struct Attribute {
        std::string_view name;
        std::string_view value; // as written, between its quotes
    };
    enum class Event { StartTag, EndTag, End };

    explicit TagScanner(std::string_view text) : m_p(text.data()), m_end(text.data() + text.size()) { }

    Event next();

    // The tag just read.
    std::string_view name() const { return m_name; }
    const std::vector<Attribute>& attributes() const { return m_attributes; }
    bool selfClosing() const { return m_selfClosing; }
    // Elements open around the tag: 0 for the document element.
    int depth() const { return m_depth; }
    // The pass ended at a fault rather than at the end of the text.
    bool failed() const { return m_failed; }

private:
    Event fail();
    bool skipPast(std::string_view terminator);
    bool skipDoctype();
    Event readEndTag();
    Event readStartTag();

    const char* m_p;
    const char* m_end;
    std::string_view m_name;
    std::vector<Attribute> m_attributes;
    std::vector<std::string_view> m_open;
    int m_depth = 0;
    bool m_selfClosing = false;
    bool m_failed = false;
};
