#include "core/xml/XMLPlaylistParser.h"

#include "core/xml/NameCache.h"
#include "core/xml/XmlDocument.h"

bool XMLPlaylistParser::parseData(const QByteArray& data)
{
    m_items = {};
    XmlDocument doc;
    m_complete = doc.load(data);
    pugi::xml_node top = doc.documentElement();
    if (m_firstBranchOnly) {
        top = top.first_child();
        while (top && top.type() != pugi::node_element)
            top = top.next_sibling();
    }
    if (!top)
        return true;
    NameCache& names = NameCache::shared();
    // Document order, without recursion.
    pugi::xml_node node = top;
    while (node) {
        if (node.type() == pugi::node_element && m_interestingKeys.contains(names.get(node.name()))) {
            AttributeMap item;
            for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
                item.insert(names.get(a.name()), QString::fromUtf8(a.value()));
            m_items.push_back(std::move(item));
        }
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != top && !node.next_sibling())
            node = node.parent();
        if (!node || node == top)
            break;
        node = node.next_sibling();
    }
    return true;
}
