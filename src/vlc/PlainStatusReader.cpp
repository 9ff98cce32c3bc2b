#include "vlc/PlainStatusReader.h"

#include "core/xml/XmlText.h"
#include "vlc/StatusAssembler.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace {
// What each byte is to the reader, looked up rather than compared. Names
// are the document reader's: letters, '_', ':' and every byte of a
// multi-byte character to start one, digits, '-' and '.' after that.
enum : unsigned char { NameStart = 1, NameChar = 2, Space = 4, TextStop = 8 };
constexpr auto byteClasses = [] {
    std::array<unsigned char, 256> classes {};
    for (int c = 0; c < 256; ++c) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80)
            classes[size_t(c)] = NameStart | NameChar;
        if ((c >= '0' && c <= '9') || c == '-' || c == '.')
            classes[size_t(c)] = NameChar;
    }
    for (const char c : { ' ', '\n', '\t' })
        classes[static_cast<unsigned char>(c)] = Space;
    // A carriage return is made a line break by XML readers and a NUL ends
    // the document for some: both are left to the document reader.
    for (const char c : { '<', '&', '\r', '\0' })
        classes[static_cast<unsigned char>(c)] = TextStop;
    return classes;
}();

unsigned char classOf(char c)
{
    return byteClasses[static_cast<unsigned char>(c)];
}

// Eight bytes at a time for names in lower case, which most of a reply is
// made of. A marked byte is the lowest set bit's; the bytes above the first
// one do not matter.
constexpr uint64_t ones = 0x0101010101010101ULL;
constexpr uint64_t highBits = 0x8080808080808080ULL;

uint64_t load8(const char* p)
{
    uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

const char* firstMarked(const char* p, uint64_t marks)
{
    return p + std::countr_zero(marks) / 8;
}

// Past the text from p: at the first '<', '&', carriage return or NUL.
// Byte by byte: most runs between tags are a line break or a short value.
const char* textEnd(const char* p, const char* end)
{
    while (p < end && !(classOf(*p) & TextStop))
        ++p;
    return p;
}

// Past the name characters from p.
const char* nameEnd(const char* p, const char* end)
{
    if constexpr (std::endian::native == std::endian::little) {
        for (; end - p >= 8; p += 8) {
            const uint64_t w = load8(p);
            const uint64_t low7 = w & ~highBits;
            const uint64_t fromA = (low7 + (0x80 - 'a') * ones) & highBits;
            const uint64_t pastZ = (low7 + (0x80 - 'z' - 1) * ones) & highBits;
            const uint64_t lowerCase = fromA & ~pastZ & ~w;
            if (lowerCase != highBits) {
                p = firstMarked(p, ~lowerCase & highBits);
                break;
            }
        }
    }
    while (p < end && classOf(*p) & NameChar)
        ++p;
    return p;
}

using Slot = StatusAssembler::Slot;

struct Text {
    std::string_view raw;
    bool needsDecoding = false; // holds a reference, or is an attribute with a line break or tab
};

// Left uninitialised: a tag is read for every element of every reply, and
// only the first attributeCount entries are ever looked at.
struct Tag {
    static constexpr int maxAttributes = 4;
    struct Attribute {
        const char* name;
        size_t nameLength;
        const char* value;
        size_t valueLength;
        bool needsDecoding;
    };
    std::string_view name;
    bool selfClosing;
    int attributeCount; // may exceed maxAttributes: the rest are not kept
    Attribute attributes[maxAttributes];

    // The first attribute of that name, when the tag kept all of its own.
    std::optional<Text> attribute(std::string_view wanted, bool& complete) const
    {
        complete = attributeCount <= maxAttributes;
        for (int i = 0; i < std::min(attributeCount, maxAttributes); ++i) {
            const Attribute& a = attributes[i];
            if (std::string_view(a.name, a.nameLength) == wanted)
                return Text { std::string_view(a.value, a.valueLength), a.needsDecoding };
        }
        return std::nullopt;
    }
};

class Reader {
public:
    Reader(std::string_view text, const PlayerStatus* previous, const QByteArray* previousInformation)
        : m_p(text.data())
        , m_end(text.data() + text.size())
        , m_previous(previous)
        , m_previousInformation(previous ? previousInformation : nullptr)
        , m_assembler(previous)
    {
    }

    // Where the information read was, and whether it repeated the previous.
    std::string_view information() const { return m_information; }
    bool informationRepeated() const { return m_informationRepeated; }

    std::optional<PlayerStatus> read();

private:
    bool skipProlog();
    bool toNextTag(bool& references);
    bool toNextTag()
    {
        bool references = false;
        return toNextTag(references);
    }
    bool readStartTag(Tag& tag);
    bool readEndTag(std::string_view name);
    bool readContent(std::string_view name, std::optional<Text>& text);
    bool skipRestOf(std::string_view name);
    enum class Child { Found, End, Fault };
    Child nextChild(std::string_view parent, std::string_view child, Tag& tag, std::string_view& name);
    bool readInformation();
    bool readCategory();
    bool readEqualizer();
    bool readEqualizerList(std::string_view list, std::string_view item);
    bool decoded(const Text& text, bool attribute, std::string& scratch, std::string_view& out) const;

    bool repeatsPreviousInformation();

    const char* m_p;
    const char* m_end;
    const PlayerStatus* m_previous;
    const QByteArray* m_previousInformation;
    std::string_view m_information;
    bool m_informationRepeated = false;
    StatusAssembler m_assembler;
    std::array<bool, StatusAssembler::SlotCount> m_found {};
    std::array<std::optional<Text>, StatusAssembler::SlotCount> m_texts {};
    // Kept from reply to reply: decoding a title would otherwise allocate
    // for every status.
    static thread_local std::string m_keyScratch;
    static thread_local std::string m_valueScratch;
};

thread_local std::string Reader::m_keyScratch;
thread_local std::string Reader::m_valueScratch;

bool Reader::decoded(const Text& text, bool attribute, std::string& scratch, std::string_view& out) const
{
    if (!text.needsDecoding) {
        out = text.raw;
        return true;
    }
    if (hasUnsoundNumericReference(text.raw))
        return false;
    out = attribute ? decodedAttribute(text.raw, scratch) : decodedText(text.raw, scratch);
    return true;
}

bool Reader::skipProlog()
{
    if (m_end - m_p >= 3 && std::memcmp(m_p, "\xEF\xBB\xBF", 3) == 0)
        m_p += 3;
    const std::string_view rest(m_p, size_t(m_end - m_p));
    if (rest.starts_with("<?xml") && rest.size() > 5 && (classOf(rest[5]) & Space || rest[5] == '?')) {
        const size_t close = rest.find("?>");
        if (close == std::string_view::npos || rest.substr(0, close).find('\0') != std::string_view::npos)
            return false;
        m_p += close + 2;
    }
    while (m_p < m_end && classOf(*m_p) & Space)
        ++m_p;
    return m_p < m_end && *m_p == '<';
}

// Steps over text to the next '<' and past it, noting whether the text
// held a reference. False at the end and at what the document reader
// decides.
// Inlined: called for every tag of every reply.
[[gnu::always_inline]] inline bool Reader::toNextTag(bool& references)
{
    for (;;) {
        m_p = textEnd(m_p, m_end);
        if (m_p >= m_end)
            return false;
        if (*m_p == '<')
            break;
        if (*m_p != '&')
            return false;
        references = true;
        ++m_p;
    }
    ++m_p;
    return m_p < m_end && *m_p != '!' && *m_p != '?';
}

// From the name after '<' to past the tag's '>'.
// Inlined: called for every tag of every reply.
[[gnu::always_inline]] inline bool Reader::readStartTag(Tag& tag)
{
    const char* s = m_p;
    if (s >= m_end || !(classOf(*s) & NameStart))
        return false;
    s = nameEnd(s + 1, m_end);
    tag.name = std::string_view(m_p, size_t(s - m_p));
    tag.attributeCount = 0;
    for (;;) {
        const char* afterValue = s;
        while (s < m_end && classOf(*s) & Space)
            ++s;
        if (s >= m_end)
            return false;
        if (*s == '>' || *s == '/') {
            tag.selfClosing = *s == '/';
            if (tag.selfClosing && (++s >= m_end || *s != '>'))
                return false;
            m_p = s + 1;
            return true;
        }
        // An attribute needs white space before it.
        if (s == afterValue || !(classOf(*s) & NameStart))
            return false;
        const char* name = s;
        s = nameEnd(s + 1, m_end);
        const std::string_view attributeName(name, size_t(s - name));
        while (s < m_end && classOf(*s) & Space)
            ++s;
        if (s >= m_end || *s != '=')
            return false;
        ++s;
        while (s < m_end && classOf(*s) & Space)
            ++s;
        if (s >= m_end || (*s != '"' && *s != '\''))
            return false;
        const char quote = *s++;
        const char* value = s;
        bool needsDecoding = false; // references, and white space that reads as a space
        for (; s < m_end && *s != quote; ++s) {
            if (*s == '&' || *s == '\n' || *s == '\t')
                needsDecoding = true;
            else if (*s == '\r' || *s == '\0')
                return false;
        }
        if (s >= m_end)
            return false;
        if (tag.attributeCount < Tag::maxAttributes)
            tag.attributes[tag.attributeCount]
                = { attributeName.data(), attributeName.size(), value, size_t(s - value), needsDecoding };
        ++tag.attributeCount;
        ++s;
    }
}

// From after "</" to past the '>'.
// Inlined: called for every tag of every reply.
[[gnu::always_inline]] inline bool Reader::readEndTag(std::string_view name)
{
    const size_t n = name.size();
    if (size_t(m_end - m_p) < n)
        return false;
    // Names are short: compared in place rather than through a call.
    size_t i = 0;
    for (; i + 8 <= n; i += 8)
        if (load8(m_p + i) != load8(name.data() + i))
            return false;
    for (; i < n; ++i)
        if (m_p[i] != name[i])
            return false;
    const char* s = m_p + n;
    while (s < m_end && classOf(*s) & Space)
        ++s;
    if (s >= m_end || *s != '>')
        return false;
    m_p = s + 1;
    return true;
}

bool Reader::readContent(std::string_view name, std::optional<Text>& text)
{
    // Most elements are a name and a text: read them as one.
    const char* start = m_p;
    bool references = false;
    if (!toNextTag(references))
        return false;
    if (*m_p == '/') {
        text = Text { std::string_view(start, size_t(m_p - 1 - start)), references };
        ++m_p;
        return readEndTag(name);
    }
    // An element with elements in it has no text.
    text.reset();
    --m_p;
    return skipRestOf(name);
}

// Steps over the rest of an element whose content is not read, checking
// its markup all the same: a fault there is a fault of the reply.
bool Reader::skipRestOf(std::string_view name)
{
    constexpr int maxDepth = 64;
    // Left uninitialised: only the first depth entries are ever read.
    struct OpenName {
        const char* data;
        size_t size;
    } open[maxDepth];
    int depth = 0;
    open[depth++] = { name.data(), name.size() };
    while (depth > 0) {
        if (!toNextTag())
            return false;
        if (*m_p == '/') {
            ++m_p;
            if (!readEndTag(std::string_view(open[depth - 1].data, open[depth - 1].size)))
                return false;
            --depth;
            continue;
        }
        Tag tag;
        if (!readStartTag(tag))
            return false;
        if (tag.selfClosing)
            continue;
        const char* start = m_p;
        if (!toNextTag())
            return false;
        if (*m_p == '/') { // a leaf, ended at once
            ++m_p;
            if (!readEndTag(tag.name))
                return false;
            continue;
        }
        m_p = start;
        if (depth == maxDepth)
            return false;
        open[depth++] = { tag.name.data(), tag.name.size() };
    }
    return true;
}

// The next child of parent, which must be named child, with its "name"
// attribute decoded; or parent's end tag.
Reader::Child Reader::nextChild(std::string_view parent, std::string_view child, Tag& tag, std::string_view& name)
{
    if (!toNextTag())
        return Child::Fault;
    if (*m_p == '/') {
        ++m_p;
        return readEndTag(parent) ? Child::End : Child::Fault;
    }
    if (!readStartTag(tag) || tag.name != child)
        return Child::Fault;
    bool complete = false;
    const std::optional<Text> text = tag.attribute("name", complete);
    name = {};
    if (!complete || (text && !decoded(*text, true, m_keyScratch, name)))
        return Child::Fault;
    return Child::Found;
}

bool Reader::readCategory()
{
    for (;;) {
        Tag info;
        std::string_view key;
        if (const Child next = nextChild("category", "info", info, key); next != Child::Found)
            return next == Child::End;
        std::string_view value;
        std::optional<Text> text = Text {};
        if (!info.selfClosing && !readContent("info", text))
            return false;
        if (!text || !decoded(*text, false, m_valueScratch, value))
            return false; // an info with elements in it
        m_assembler.addInfo(key, value);
    }
}

// The children of "equalizer" that tell of it; any other is stepped over.
bool Reader::readEqualizer()
{
    m_assembler.beginEqualizer();
    bool preampRead = false;
    bool bandsRead = false;
    bool presetsRead = false;
    for (;;) {
        if (!toNextTag())
            return false;
        if (*m_p == '/') {
            ++m_p;
            return readEndTag("equalizer");
        }
        Tag tag;
        if (!readStartTag(tag))
            return false;
        m_assembler.noteEqualizerElement();
        if (tag.name == "preamp" && !preampRead) {
            preampRead = true;
            std::optional<Text> text = Text {};
            std::string_view value;
            if ((!tag.selfClosing && !readContent("preamp", text)) || (text && !decoded(*text, false, m_valueScratch, value)))
                return false;
            m_assembler.setEqualizerPreamp(text ? std::optional<std::string_view>(value) : std::nullopt);
        } else if (tag.name == "bands" && !bandsRead) {
            bandsRead = true;
            if (!tag.selfClosing && !readEqualizerList("bands", "band"))
                return false;
        } else if (tag.name == "presets" && !presetsRead) {
            presetsRead = true;
            if (!tag.selfClosing && !readEqualizerList("presets", "preset"))
                return false;
        } else if (!tag.selfClosing && !skipRestOf(tag.name)) {
            return false;
        }
    }
}

// The bands or the presets, each with its id.
bool Reader::readEqualizerList(std::string_view list, std::string_view item)
{
    for (;;) {
        if (!toNextTag())
            return false;
        if (*m_p == '/') {
            ++m_p;
            return readEndTag(list);
        }
        Tag tag;
        if (!readStartTag(tag))
            return false;
        if (tag.name != item) {
            if (!tag.selfClosing && !skipRestOf(tag.name))
                return false;
            continue;
        }
        bool complete = false;
        const std::optional<Text> id = tag.attribute("id", complete);
        std::string_view idValue;
        if (!complete || (id && !decoded(*id, true, m_keyScratch, idValue)))
            return false;
        std::optional<Text> text = Text {};
        std::string_view value;
        if ((!tag.selfClosing && !readContent(item, text)) || (text && !decoded(*text, false, m_valueScratch, value)))
            return false;
        const auto idText = id ? std::optional<std::string_view>(idValue) : std::nullopt;
        const auto valueText = text ? std::optional<std::string_view>(value) : std::nullopt;
        if (item == "band")
            m_assembler.addEqualizerBand(idText, valueText);
        else
            m_assembler.addEqualizerPreset(idText, valueText);
    }
}

// The same bytes as the previous reply's information, read from the same
// place in the markup, read as they did then.
bool Reader::repeatsPreviousInformation()
{
    if (!m_previousInformation || m_previousInformation->isEmpty())
        return false;
    const size_t n = size_t(m_previousInformation->size());
    if (size_t(m_end - m_p) < n || std::memcmp(m_p, m_previousInformation->constData(), n) != 0)
        return false;
    m_p += n;
    m_assembler.repeatInformationOf(*m_previous);
    m_informationRepeated = true;
    return true;
}

bool Reader::readInformation()
{
    for (;;) {
        Tag category;
        std::string_view name;
        if (const Child next = nextChild("information", "category", category, name); next != Child::Found)
            return next == Child::End;
        m_assembler.beginCategory(name);
        if (!category.selfClosing && !readCategory())
            return false;
        m_assembler.endCategory();
    }
}

std::optional<PlayerStatus> Reader::read()
{
    if (!skipProlog())
        return std::nullopt;
    ++m_p;
    Tag root;
    if (!readStartTag(root) || root.name != "root" || root.selfClosing)
        return std::nullopt;
    for (;;) {
        if (!toNextTag())
            return std::nullopt;
        if (*m_p == '/') {
            ++m_p;
            if (!readEndTag("root"))
                return std::nullopt;
            break;
        }
        Tag tag;
        if (!readStartTag(tag))
            return std::nullopt;
        const int slot = StatusAssembler::slotOf(tag.name);
        const bool first = slot >= 0 && !m_found[size_t(slot)];
        if (first) {
            m_found[size_t(slot)] = true;
            if (slot == StatusAssembler::AspectRatios || slot == StatusAssembler::DvdInfo)
                return std::nullopt;
            if (slot == StatusAssembler::Equalizer) {
                if (tag.selfClosing)
                    m_assembler.beginEqualizer();
                else if (!readEqualizer())
                    return std::nullopt;
                continue;
            }
            if (slot == StatusAssembler::Information) {
                const char* start = m_p;
                if (!tag.selfClosing && !repeatsPreviousInformation() && !readInformation())
                    return std::nullopt;
                m_information = std::string_view(start, size_t(m_p - start));
                continue;
            }
        }
        std::optional<Text> text = Text {};
        if (!tag.selfClosing && !readContent(tag.name, text))
            return std::nullopt;
        if (first)
            m_texts[size_t(slot)] = text;
    }
    while (m_p < m_end && classOf(*m_p) & Space)
        ++m_p;
    if (m_p != m_end)
        return std::nullopt;

    for (int i = 0; i < StatusAssembler::SlotCount; ++i) {
        const Slot slot = Slot(i);
        if (slot == StatusAssembler::Information || slot == StatusAssembler::AspectRatios
            || slot == StatusAssembler::DvdInfo || slot == StatusAssembler::Equalizer)
            continue;
        std::optional<Text> text = m_texts[size_t(i)];
        bool attribute = false;
        if (!m_found[size_t(i)]) {
            bool complete = false;
            text = root.attribute(StatusAssembler::nameOf(slot), complete);
            if (!complete)
                return std::nullopt;
            attribute = true;
        }
        std::string_view value;
        if (text && !decoded(*text, attribute, m_valueScratch, value))
            return std::nullopt;
        m_assembler.setValue(slot, text ? std::optional<std::string_view>(value) : std::nullopt);
    }
    return m_assembler.finish(true);
}
}

std::optional<PlayerStatus> PlainStatusReader::read(std::string_view text, const PlayerStatus* previous, Memo* memo)
{
    Reader reader(text, previous, memo ? &memo->information : nullptr);
    std::optional<PlayerStatus> status = reader.read();
    if (memo) {
        if (!status)
            memo->information.clear();
        else if (!reader.informationRepeated())
            memo->information = QByteArray(reader.information().data(), qsizetype(reader.information().size()));
    }
    return status;
}
