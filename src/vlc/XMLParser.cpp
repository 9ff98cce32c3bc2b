#include "vlc/XMLParser.h"

#include "vlc/NameCache.h"
#include "vlc/XmlAttributeText.h"
#include "vlc/XmlScanner.h"

#include <QList>

// Receives the scanner's events and grows the tree.
class TreeBuilder {
public:
    explicit TreeBuilder(XMLParser& parser) : m_parser(parser), m_names(NameCache::shared()) { }

    void start(std::string_view name, const XmlAttribute* attributes, size_t count)
    {
        XmlNode* parent = m_parser.m_treePath.back();
        XmlNode& node = m_parser.m_document->nodes.emplace_back();
        if (count)
            node.attributeDict.reserve(count);
        for (size_t i = 0; i < count; ++i)
            node.attributeDict.append(m_names.get(attributes[i].name), xmlAttributeText(attributes[i], m_decoded));
        parent->childrenCreating(m_names.get(name)).push_back(&node);
        m_parser.m_treePath.push_back(&node);
        // A child discards whatever text its parent had collected.
        m_parser.m_textInProgress.clear();
        m_parser.m_hasTextInProgress = true;
    }

    void text(std::string_view utf8)
    {
        if (m_parser.m_hasTextInProgress)
            m_parser.m_textInProgress.append(utf8);
    }

    void end()
    {
        if (m_parser.m_hasTextInProgress) {
            const std::string& text = m_parser.m_textInProgress;
            m_parser.m_treePath.back()->nodeText = QString::fromUtf8(text.data(), qsizetype(text.size()));
        }
        if (m_parser.m_treePath.size() > 1)
            m_parser.m_treePath.pop_back();
        m_parser.m_hasTextInProgress = false;
    }

private:
    XMLParser& m_parser;
    NameCache& m_names;
    std::string m_decoded;
};

XMLParser::XMLParser()
    : m_document(std::make_shared<Document>())
{
    m_treePath.push_back(&m_document->root);
}

XMLParser::~XMLParser() = default;

XmlNodePtr XMLParser::rootNode() const
{
    return XmlNodePtr(m_document, &m_document->root);
}

bool XMLParser::parseData(const QByteArray& data)
{
    m_treePath.assign(1, &m_document->root);
    m_hasTextInProgress = false;
    TreeBuilder builder(*this);
    m_complete = XmlScanner::scan(std::string_view(data.constData(), size_t(data.size())), builder);
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
