#include "XMLPlaylistParser.h"

#include "ExpatSession.h"
#include "NameCache.h"

#include <algorithm>
#include <cstring>

void XMLPlaylistParser::setInterestingKeys(const QSet<QString>& keys)
{
    m_interestingKeys = keys;
    m_interestingUtf8.clear();
    for (const QString& key : keys)
        m_interestingUtf8.push_back(key.toStdString());
}

bool XMLPlaylistParser::parseData(const QByteArray& data)
{
    NameCache names;
    m_names = &names;
    m_items = {};
    ExpatSession session(this);
    m_depth = 0;
    m_branches = 0;
    if (m_firstBranchOnly)
        XML_SetElementHandler(session.parser(), &XMLPlaylistParser::onStart, &XMLPlaylistParser::onEnd);
    else
        XML_SetStartElementHandler(session.parser(), &XMLPlaylistParser::onStart);
    m_complete = session.parse(data);
    m_names = nullptr;
    return true;
}

void XMLPlaylistParser::onStart(void* selfPtr, const char* name, const char** attributes)
{
    auto* self = static_cast<XMLPlaylistParser*>(selfPtr);
    if (self->m_firstBranchOnly) {
        const int depth = self->m_depth++;
        if (depth == 1)
            ++self->m_branches;
        if (depth == 0 || self->m_branches != 1)
            return;
    }
    const bool interesting = std::any_of(self->m_interestingUtf8.begin(), self->m_interestingUtf8.end(),
                                         [name](const std::string& key) { return std::strcmp(key.c_str(), name) == 0; });
    if (!interesting)
        return;
    AttributeMap item;
    size_t count = 0;
    while (attributes[count * 2])
        ++count;
    item.reserve(count);
    for (const char** a = attributes; a[0]; a += 2)
        item.insert(self->m_names->get(a[0]), QString::fromUtf8(a[1]));
    self->m_items.push_back(std::move(item));
}

void XMLPlaylistParser::onEnd(void* selfPtr, const char*)
{
    --static_cast<XMLPlaylistParser*>(selfPtr)->m_depth;
}
