#include "vlc/XMLPlaylistParser.h"

#include "vlc/NameCache.h"
#include "vlc/XmlAttributeText.h"
#include "vlc/XmlScanner.h"

#include <algorithm>

// Receives the scanner's events and keeps the attributes of the elements of
// interest.
class ItemCollector {
public:
    explicit ItemCollector(XMLPlaylistParser& parser) : m_parser(parser), m_names(NameCache::shared()) { }

    void start(std::string_view name, const XmlAttribute* attributes, size_t count)
    {
        const int depth = m_depth++;
        if (m_parser.m_firstBranchOnly) {
            if (depth == 1)
                ++m_branches;
            if (depth == 0 || m_branches != 1)
                return;
        }
        const auto& wanted = m_parser.m_interestingUtf8;
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end())
            return;
        AttributeMap item;
        item.reserve(count);
        for (size_t i = 0; i < count; ++i)
            item.append(m_names.get(attributes[i].name), xmlAttributeText(attributes[i], m_decoded));
        m_parser.m_items.push_back(std::move(item));
    }

    void end() { --m_depth; }
    void text(std::string_view) { }

private:
    XMLPlaylistParser& m_parser;
    NameCache& m_names;
    std::string m_decoded;
    int m_depth = 0;    // open elements
    int m_branches = 0; // children of the document element seen so far
};

void XMLPlaylistParser::setInterestingKeys(const QSet<QString>& keys)
{
    m_interestingKeys = keys;
    m_interestingUtf8.clear();
    for (const QString& key : keys)
        m_interestingUtf8.push_back(key.toStdString());
}

bool XMLPlaylistParser::parseData(const QByteArray& data)
{
    m_items = {};
    ItemCollector collector(*this);
    m_complete = XmlScanner::scan(std::string_view(data.constData(), size_t(data.size())), collector);
    return true;
}
