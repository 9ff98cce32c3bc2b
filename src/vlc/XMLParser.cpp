#include "XMLParser.h"

#include "ExpatSession.h"
#include "NameCache.h"

#include <QList>

XMLParser::XMLParser()
    : m_rootNode(std::make_shared<XmlNode>())
{
    m_treePath.push_back(m_rootNode.get());
}

XMLParser::~XMLParser() = default;

bool XMLParser::parseData(const QByteArray& data)
{
    NameCache names;
    m_names = &names;
    m_treePath.assign(1, m_rootNode.get());
    m_inCdata = false;

    ExpatSession session(this);
    XML_SetElementHandler(session.parser(), &XMLParser::onStart, &XMLParser::onEnd);
    XML_SetCharacterDataHandler(session.parser(), &XMLParser::onText);
    XML_SetCdataSectionHandler(session.parser(), &XMLParser::onCdataStart, &XMLParser::onCdataEnd);
    m_complete = session.parse(data);

    m_names = nullptr;
    return true;
}

void XMLParser::onStart(void* selfPtr, const char* name, const char** attributes)
{
    auto* self = static_cast<XMLParser*>(selfPtr);
    XmlNode* parent = self->m_treePath.back();
    auto node = std::make_shared<XmlNode>();
    for (const char** a = attributes; a[0]; a += 2)
        node->attributeDict.insert(self->m_names->get(a[0]), QString::fromUtf8(a[1]));
    XmlNode* raw = node.get();
    parent->childrenCreating(self->m_names->get(name)).push_back(std::move(node));
    self->m_treePath.push_back(raw);
    self->m_textInProgress.emplace(); // discards text the parent collected so far
}

void XMLParser::onEnd(void* selfPtr, const char*)
{
    auto* self = static_cast<XMLParser*>(selfPtr);
    if (self->m_textInProgress) {
        const std::string& text = *self->m_textInProgress;
        self->m_treePath.back()->nodeText = QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    if (self->m_treePath.size() > 1)
        self->m_treePath.pop_back();
    self->m_textInProgress.reset();
}

void XMLParser::onText(void* selfPtr, const char* text, int length)
{
    auto* self = static_cast<XMLParser*>(selfPtr);
    if (self->m_inCdata || !self->m_textInProgress)
        return;
    self->m_textInProgress->append(text, size_t(length));
}

void XMLParser::onCdataStart(void* selfPtr)
{
    static_cast<XMLParser*>(selfPtr)->m_inCdata = true;
}

void XMLParser::onCdataEnd(void* selfPtr)
{
    static_cast<XMLParser*>(selfPtr)->m_inCdata = false;
}

XmlNodePtr XMLParser::dictAtPath(QStringView path, const XmlNodePtr& root)
{
    XmlNodePtr current = root;
    if (!current)
        return nullptr;
    for (const QStringView component : path.split(u'/')) {
        const XmlNodeList* found = current->children(component);
        if (!found || found->empty())
            return current;
        current = found->front();
    }
    return current;
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
        current = found->front().get();
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
