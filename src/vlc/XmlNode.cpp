#include "vlc/XmlNode.h"

#include "vlc/XMLParser.h"

const XmlNodeList* XmlNode::children(QStringView name) const
{
    for (const auto& group : m_children)
        if (group.first == name)
            return &group.second;
    return nullptr;
}

XmlNodeList& XmlNode::childrenCreating(const QString& name)
{
    for (auto& group : m_children)
        if (group.first.constData() == name.constData() || group.first == name)
            return group.second;
    m_children.emplace_back(name, XmlNodeList {});
    return m_children.back().second;
}

std::optional<QString> XmlNode::XMLObjectForKey(QStringView key) const
{
    return XMLParser::valueForInfo(key, 0, this);
}
