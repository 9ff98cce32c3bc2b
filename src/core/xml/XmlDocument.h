#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

// One XML document, read by pugixml. A document that is not well-formed
// yields what was read before the fault, as an event reader would give it:
// an element whose end tag never came is open and has no text, and an
// element whose start tag was cut is not there at all. Every string of the
// tree lives in the document's own copy of the text.
class XmlDocument {
public:
    enum class Input {
        WholeDocument,     // the caller has checked the text (valid UTF-8)
        StopAtInvalidUtf8, // bytes that are not UTF-8 end the document there
    };

    XmlDocument() = default;
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // True when the whole document was well-formed.
    bool load(QByteArrayView utf8, Input input = Input::StopAtInvalidUtf8);
    bool complete() const { return m_complete; }

    pugi::xml_node documentElement() const { return m_document.document_element(); }
    pugi::xml_node documentNode() const { return m_document; }
    // The text the tree points into; it outlives the tree when taken.
    QByteArray takeText() { return std::move(m_text); }

    bool isOpen(pugi::xml_node element) const
    {
        return !m_open.empty() && m_open.count(element.internal_object());
    }
    // The character data of an element with no element children, joined;
    // nothing for an element with children or one left open.
    std::optional<std::string_view> leafText(pugi::xml_node element, std::string& scratch) const;

    // Length of the longest prefix that is valid UTF-8 without the control
    // characters XML forbids.
    static size_t validPrefixLength(std::string_view text);

private:
    void markOpenElements(std::string_view prefix);

    QByteArray m_text;
    pugi::xml_document m_document;
    std::unordered_set<const void*> m_open;
    bool m_complete = false;
};
