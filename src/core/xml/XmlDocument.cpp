#include "core/xml/XmlDocument.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {
constexpr unsigned parseFlags = pugi::parse_default | pugi::parse_ws_pcdata_single;

bool isXmlChar(uint32_t cp)
{
    return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) || (cp >= 0xE000 && cp <= 0xFFFD)
        || (cp >= 0x10000 && cp <= 0x10FFFF);
}

// How the prefix up to a fault ends: the number of elements still open,
// and where a start tag that was cut began (npos when none was).
struct PrefixShape {
    int open = 0;
    size_t cutStartTag = std::string_view::npos;
};

PrefixShape shapeOf(std::string_view s)
{
    PrefixShape shape;
    size_t i = 0;
    auto skipPast = [&](size_t from, std::string_view end) {
        const size_t at = s.find(end, from);
        return at == std::string_view::npos ? s.size() : at + end.size();
    };
    while ((i = s.find('<', i)) != std::string_view::npos) {
        const std::string_view rest = s.substr(i);
        if (rest.starts_with("<!--")) {
            i = skipPast(i + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            i = skipPast(i + 9, "]]>");
        } else if (rest.starts_with("<?")) {
            i = skipPast(i + 2, "?>");
        } else if (rest.starts_with("<!")) {
            const size_t close = s.find('>', i);
            const size_t bracket = s.find('[', i);
            i = bracket < close ? skipPast(skipPast(bracket, "]"), ">") : skipPast(i, ">");
        } else if (rest.starts_with("</")) {
            const size_t close = s.find('>', i);
            if (close == std::string_view::npos)
                break; // cut inside an end tag: the element is still open
            --shape.open;
            i = close + 1;
        } else {
            size_t j = i + 1;
            while (j < s.size() && s[j] != '>') {
                if (s[j] == '"' || s[j] == '\'') {
                    const size_t quote = s.find(s[j], j + 1);
                    if (quote == std::string_view::npos) {
                        j = s.size();
                        break;
                    }
                    j = quote;
                }
                ++j;
            }
            if (j >= s.size()) {
                shape.cutStartTag = i;
                break;
            }
            if (s[j - 1] != '/')
                ++shape.open;
            i = j + 1;
        }
    }
    return shape;
}

pugi::xml_node lastElementChild(pugi::xml_node node)
{
    for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling())
        if (child.type() == pugi::node_element)
            return child;
    return {};
}
}

bool XmlDocument::load(QByteArrayView utf8, Input input)
{
    m_open.clear();
    m_document.reset();
    size_t length = size_t(utf8.size());
    if (input == Input::StopAtInvalidUtf8)
        length = validPrefixLength(std::string_view(utf8.data(), length));
    m_text = QByteArray(utf8.data(), qsizetype(length)); // pugixml writes into its text
    const pugi::xml_parse_result result = m_document.load_buffer_inplace(m_text.data(), size_t(m_text.size()),
                                                                         parseFlags, pugi::encoding_utf8);
    m_complete = result && length == size_t(utf8.size());
    if (!result && result.status != pugi::status_no_document_element)
        markOpenElements(std::string_view(utf8.data(), std::min(size_t(result.offset), length)));
    return m_complete;
}

void XmlDocument::markOpenElements(std::string_view prefix)
{
    // pugixml keeps what it read before the fault; read the shape of that
    // prefix in the caller's text (pugixml has written into its own copy)
    // to learn which elements never ended.
    const PrefixShape shape = shapeOf(prefix);

    std::vector<pugi::xml_node> path;
    for (pugi::xml_node node = lastElementChild(m_document); node; node = lastElementChild(node))
        path.push_back(node);
    if (shape.cutStartTag != std::string_view::npos && !path.empty()
        && size_t(path.back().offset_debug()) > shape.cutStartTag) {
        path.back().parent().remove_child(path.back());
        path.pop_back();
    }
    for (int i = 0; i < shape.open && size_t(i) < path.size(); ++i)
        m_open.insert(path[size_t(i)].internal_object());
}

std::optional<std::string_view> XmlDocument::leafText(pugi::xml_node element, std::string& scratch) const
{
    if (isOpen(element))
        return std::nullopt;
    std::string_view single;
    int pieces = 0;
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        const pugi::xml_node_type type = child.type();
        if (type == pugi::node_element)
            return std::nullopt;
        if (type != pugi::node_pcdata)
            continue; // CDATA, comments and instructions carry no text here
        if (pieces == 0) {
            single = child.value();
        } else {
            if (pieces == 1)
                scratch.assign(single);
            scratch.append(child.value());
        }
        ++pieces;
    }
    if (pieces > 1)
        return std::string_view(scratch);
    return single;
}

size_t XmlDocument::validPrefixLength(std::string_view document)
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
