#include "core/xml/XMLParser.h"

#include "core/xml/NameCache.h"
#include "core/xml/XmlDocument.h"

#include <string>
#include <utility>
#include <vector>

XMLParser::XMLParser()
    : m_document(std::make_shared<Document>())
{
}

XMLParser::~XMLParser() = default;

XmlNodePtr XMLParser::rootNode() const
{
    return XmlNodePtr(m_document, &m_document->root);
}

bool XMLParser::parseData(const QByteArray& data)
{
    XmlDocument doc;
    m_complete = doc.load(data);
    NameCache& names = NameCache::shared();
    std::string scratch;
    // Depth first without recursion: a deeply nested document must not
    // exhaust the stack.
    std::vector<std::pair<pugi::xml_node, XmlNode*>> pending;
    pending.emplace_back(doc.documentNode(), &m_document->root);
    std::vector<std::pair<pugi::xml_node, XmlNode*>> children;
    while (!pending.empty()) {
        const auto [source, target] = pending.back();
        pending.pop_back();
        children.clear();
        for (pugi::xml_node child = source.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element)
                continue;
            XmlNodeList* group = target->childrenCreating(names.get(child.name()));
            if (!group)
                continue;
            XmlNode& node = m_document->nodes.emplace_back();
            group->push_back(&node);
            for (pugi::xml_attribute a = child.first_attribute(); a; a = a.next_attribute())
                node.attributeDict.insert(names.get(a.name()), QString::fromUtf8(a.value()));
            if (const std::optional<std::string_view> text = doc.leafText(child, scratch))
                node.nodeText = QString::fromUtf8(text->data(), qsizetype(text->size()));
            else
                children.emplace_back(child, &node);
        }
        // Reversed, so that the stack takes them in document order.
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return true;
}

XmlNodePtr XMLParser::dictAtPath(QStringView path, const XmlNodePtr& root)
{
    if (!root)
        return nullptr;
    const XmlNode* current = root.get();
    for (const QStringView component : path.split(u'/')) {
        const XmlNodeList* found = current->children(component);
        if (!found || found->empty())
            break;
        current = found->front();
    }
    // Shares ownership with the start node, and so with its whole reply.
    return XmlNodePtr(root, const_cast<XmlNode*>(current));
}

const XmlNodeList* XMLParser::arrayAtPath(QStringView path, const XmlNode* root)
{
    const XmlNode* current = root;
    const XmlNodeList* last = nullptr;
    if (!current)
        return nullptr;
    for (const QStringView component : path.split(u'/')) {
        const XmlNodeList* found = current->children(component);
        if (!found || found->empty())
            return nullptr;
        last = found;
        current = found->front();
    }
    return last;
}

std::optional<QString> XMLParser::valueForInfo(QStringView key, qsizetype index, const XmlNode* root)
{
    if (!root)
        return std::nullopt;
    if (key == u"nodeText")
        return root->nodeText;
    if (const XmlNodeList* list = root->children(key); list && index < qsizetype(list->size()))
        return (*list)[size_t(index)]->nodeText;
    if (index == 0) {
        if (const QString* value = root->attributeDict.find(key))
            return *value;
    }
    return std::nullopt;
}
