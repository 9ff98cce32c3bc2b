#include "core/xml/XmlNode.h"

#include "core/xml/XMLParser.h"

int XmlNode::groupIndex(QStringView name) const
{
    if (m_children.size() > indexFrom) {
        const auto it = m_index.constFind(name.toString());
        return it == m_index.cend() ? -1 : *it;
    }
    for (size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i].first == name)
            return int(i);
    return -1;
}

const XmlNodeList* XmlNode::children(QStringView name) const
{
    const int i = groupIndex(name);
    return i < 0 ? nullptr : &m_children[size_t(i)].second;
}

XmlNodeList* XmlNode::childrenCreating(const QString& name)
{
    if (const int i = groupIndex(name); i >= 0)
        return &m_children[size_t(i)].second;
    if (m_children.size() >= size_t(maxChildNames))
        return nullptr;
    m_children.emplace_back(name, XmlNodeList {});
    if (m_children.size() > indexFrom) {
        if (m_index.isEmpty())
            for (size_t i = 0; i < m_children.size(); ++i)
                m_index.insert(m_children[i].first, int(i));
        else
            m_index.insert(name, int(m_children.size() - 1));
    }
    return &m_children.back().second;
}

std::optional<QString> XmlNode::XMLObjectForKey(QStringView key) const
{
    return XMLParser::valueForInfo(key, 0, this);
}
