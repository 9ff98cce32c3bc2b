#include "core/xml/TagScanner.h"

#include <array>
#include <cstring>

namespace {
// What each byte is to the scanner, looked up rather than compared: the
// scan runs over every byte of replies read every second.
enum : unsigned char { Space = 1, EndsName = 2 };
constexpr auto byteClasses = [] {
    std::array<unsigned char, 256> classes {};
    for (const char c : { ' ', '\n', '\t', '\r' })
        classes[static_cast<unsigned char>(c)] = Space | EndsName;
    for (const char c : { '/', '>', '=' })
        classes[static_cast<unsigned char>(c)] = EndsName;
    return classes;
}();

bool isSpace(char c)
{
    return byteClasses[static_cast<unsigned char>(c)] & Space;
}

// Where a name ends: white space, '/', '>', '=' or the end of the text.
const char* nameEnd(const char* p, const char* end)
{
    while (p < end && !(byteClasses[static_cast<unsigned char>(*p)] & EndsName))
        ++p;
    return p;
}

const char* skipSpace(const char* p, const char* end)
{
    while (p < end && isSpace(*p))
        ++p;
    return p;
}
}

TagScanner::Event TagScanner::fail()
{
    m_failed = true;
    m_p = m_end;
    return Event::End;
}

bool TagScanner::skipPast(std::string_view terminator)
{
    const std::string_view rest(m_p, size_t(m_end - m_p));
    const size_t at = rest.find(terminator);
    if (at == std::string_view::npos)
        return false;
    m_p += at + terminator.size();
    return true;
}

bool TagScanner::skipDoctype()
{
    // <!DOCTYPE name [ internal subset ]>: a '>' inside the brackets does
    // not end it.
    int brackets = 0;
    for (; m_p < m_end; ++m_p) {
        if (*m_p == '[') {
            ++brackets;
        } else if (*m_p == ']') {
            --brackets;
        } else if (*m_p == '>' && brackets <= 0) {
            ++m_p;
            return true;
        }
    }
    return false;
}

TagScanner::Event TagScanner::next()
{
    for (;;) {
        const auto* lt = static_cast<const char*>(std::memchr(m_p, '<', size_t(m_end - m_p)));
        if (!lt) {
            m_p = m_end;
            return Event::End;
        }
        m_p = lt + 1;
        if (m_p >= m_end)
            return fail();
        switch (*m_p) {
        case '/':
            ++m_p;
            return readEndTag();
        case '?':
            if (!skipPast("?>"))
                return fail();
            continue;
        case '!': {
            const std::string_view rest(m_p, size_t(m_end - m_p));
            const bool skipped = rest.starts_with("!--") ? skipPast("-->")
                : rest.starts_with("![CDATA[")            ? skipPast("]]>")
                                                          : skipDoctype();
            if (!skipped)
                return fail();
            continue;
        }
        default:
            return readStartTag();
        }
    }
}

TagScanner::Event TagScanner::readEndTag()
{
    const char* end = nameEnd(m_p, m_end);
    const std::string_view name(m_p, size_t(end - m_p));
    const char* close = skipSpace(end, m_end);
    if (close >= m_end || *close != '>' || m_open.empty() || m_open.back() != name)
        return fail();
    m_open.pop_back();
    m_p = close + 1;
    m_name = name;
    m_attributes.clear();
    m_selfClosing = false;
    m_depth = int(m_open.size());
    return Event::EndTag;
}

TagScanner::Event TagScanner::readStartTag()
{
    const char* end = nameEnd(m_p, m_end);
    if (end == m_p)
        return fail();
    m_name = std::string_view(m_p, size_t(end - m_p));
    m_attributes.clear();
    m_depth = int(m_open.size());
    const char* p = end;
    for (;;) {
        const char* afterSpace = skipSpace(p, m_end);
        if (afterSpace >= m_end)
            return fail();
        if (*afterSpace == '>') {
            m_p = afterSpace + 1;
            m_selfClosing = false;
            m_open.push_back(m_name);
            return Event::StartTag;
        }
        if (*afterSpace == '/') {
            if (afterSpace + 1 >= m_end || afterSpace[1] != '>')
                return fail();
            m_p = afterSpace + 2;
            m_selfClosing = true;
            return Event::StartTag;
        }
        // An attribute needs white space before it.
        if (afterSpace == p)
            return fail();
        const char* attributeEnd = nameEnd(afterSpace, m_end);
        if (attributeEnd == afterSpace)
            return fail();
        const std::string_view attributeName(afterSpace, size_t(attributeEnd - afterSpace));
        const char* equals = skipSpace(attributeEnd, m_end);
        if (equals >= m_end || *equals != '=')
            return fail();
        const char* quote = skipSpace(equals + 1, m_end);
        if (quote >= m_end || (*quote != '"' && *quote != '\''))
            return fail();
        const auto* closing = static_cast<const char*>(std::memchr(quote + 1, *quote, size_t(m_end - quote - 1)));
        if (!closing)
            return fail();
        m_attributes.push_back({ attributeName, std::string_view(quote + 1, size_t(closing - quote - 1)) });
        p = closing + 1;
    }
}
